#include "app/commandrules.h"

#include "panels/editbar.h"

namespace kvx {

CommandState commandState(CommandId id, const DocumentState& s)
{
    const bool selected = s.page != PAGE_EMPTY;
    const bool tpOrProg = s.page == PAGE_TRANSPONDER || s.page == PAGE_PROGRAM;
    switch (id) {
    case ID_TP_ADD:
    case ID_TP_DELETE_ALL_IN_NET:
    case ID_PROG_DELETE_ALL_IN_NET:
    case ID_MODIFICATION_DATE:
    case ID_SORT_BY_DEGREE: return {selected};
    case ID_TP_DELETE:
    case ID_PROG_ADD:
    case ID_PROG_DELETE_ALL_IN_TP: return {tpOrProg};
    case ID_PROG_DELETE:
    case ID_PROG_MARK_SCRAMBLED:
    case ID_PROG_CLEAR_SCRAMBLED: return {s.page == PAGE_PROGRAM};
    case ID_MOVE_UP:
    case ID_MOVE_DOWN: return {!s.terrestrialMode && selected};
    case ID_IMPORT_SATCODX:
    case ID_IMPORT_SATELLITES_XML:
    case ID_UPDATE_LYNGSAT: return {!s.terrestrialMode && s.page == PAGE_NETWORK};
    case ID_UPDATE_SCAN_TABLE: // the terrestrial network takes the region tables
    case ID_TP_SORT_BY_FREQUENCY: return {s.page == PAGE_NETWORK};
    case ID_DELETE_NETWORK: return {!s.terrestrialMode && s.page == PAGE_NETWORK};
    case ID_FILE_CLOSE:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_EXPORT:
    case ID_FILE_EXPORT_SATELLITES_XML:
    case ID_EDIT_APPLY_REFERENCE: return {s.documentOpen};
    case ID_EDIT_UNDO: return {s.canUndo && !s.channelListOpen};
    case ID_EDIT_REDO: return {s.canRedo && !s.channelListOpen};
    case ID_EDIT_CHECK_DATABASE: return {s.documentOpen && !s.channelListOpen};
    case ID_VIEW_CHLIST: return {selected, true, s.channelListOpen};
    case ID_VIEW_EDITBAR: return {true, true, s.editBarVisible};
    case ID_VIEW_TOOLBAR: return {true, true, s.toolBarVisible};
    case ID_VIEW_STATUS_BAR: return {true, true, s.statusBarVisible};
    default: return {!(isFavouriteAddCommand(id) || isFavouriteRemoveCommand(id)) || s.page == PAGE_PROGRAM};
    }
}

} // namespace kvx
