#include "res/commandtexts.h"

#include <array>

namespace kvx {

namespace {

constexpr std::array kCommandTexts = {
    CommandText{ID_FILE_NEW, "&New...", "Creates a new KVX file\nNew", "Ctrl+N", ":/icons/new.xpm"},
    CommandText{ID_FILE_OPEN, "&Open...", "Opens an existing KVX file\nOpen", "Ctrl+O", ":/icons/open.xpm"},
    CommandText{ID_FILE_CLOSE, "&Close", "Closes the KVX file\nClose", "", ""},
    CommandText{ID_FILE_SAVE, "&Save", "Saves the KVX file\nSave", "Ctrl+S", ":/icons/save.xpm"},
    CommandText{ID_FILE_SAVE_AS, "Save &As...", "Saves the KVX file with a new name\nSave As", "", ""},
    CommandText{ID_FILE_PRINT, "&Print...", "Print all or parts of the KVX file\nPrint", "Ctrl+P",
                ":/icons/print.xpm"},
    CommandText{ID_FILE_PRINT_PREVIEW, "Print Pre&view",
                "Shows the printed report page by page\nPrint Preview", "", ""},
    CommandText{ID_FILE_EXPORT, "&Export Channel List...",
                "Writes the channel list as a CSV or HTML file\nExport Channel List", "", ""},
    CommandText{
        ID_FILE_EXPORT_SATELLITES_XML, "Export sa&tellites.xml...",
        "Writes the satellites and their transponders as a satellites.xml file\nExport satellites.xml", "",
        ""},
    // The menu texts name the step ("&Undo Delete Network"); these are the texts with nothing to undo.
    CommandText{ID_EDIT_UNDO, "&Undo", "Undo the last change\nUndo", "Ctrl+Z", ":/icons/undo.xpm"},
    CommandText{ID_EDIT_REDO, "&Redo", "Redo the change undone last\nRedo", "Ctrl+Y", ":/icons/redo.xpm"},
    CommandText{
        ID_EDIT_APPLY_REFERENCE, "&Apply Reference List...",
        "Give the channels the numbers and favourite groups of an old channel list\nApply Reference List", "",
        ""},
    CommandText{ID_EDIT_CHECK_DATABASE, "&Check Database...",
                "Find duplicate, empty and orphaned records and review their clean-up\nCheck Database", "",
                ""},
    CommandText{ID_MODIFICATION_DATE, "Modification &Date...", "Show/Edit the recent modification date", "",
                ""},
    CommandText{ID_APP_EXIT, "E&xit", "Quit the application; prompts to save the KVX file\nExit", "Alt+F4",
                ""},
    CommandText{ID_VIEW_EDITBAR, "&Editbar", "Show or hide the edit bar\nToggle EditBar", "",
                ":/icons/editbar.xpm"},
    CommandText{ID_VIEW_CHLIST, "&Channel List", "Show the channel list\nCh List", "", ":/icons/chlist.xpm"},
    CommandText{ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", "", ""},
    CommandText{ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", "", ""},
    CommandText{ID_IMPORT_SATCODX, "Import &SATCODX",
                "Load the selected satellite from SATCODX file\nSATCODX", "", ""},
    CommandText{ID_UPDATE_LYNGSAT, "Update from &Lyngsat",
                "Load the selected satellite from Lyngsat site\nLYNGSAT", "", ""},
    CommandText{ID_UPDATE_SCAN_TABLE, "Update from Scan &Table...",
                "Load the selected network's transponders from a scan table of the system\nScan Table", "",
                ""},
    CommandText{ID_IMPORT_SATELLITES_XML, "Import satellites.&xml...",
                "Load the selected satellite from a satellites.xml file\nsatellites.xml", "", ""},
    CommandText{ID_SORT_BY_DEGREE, "Sort by &Degree", "Sort the satellite list by degree\nSort by Degree", "",
                ""},
    CommandText{ID_TP_SORT_BY_FREQUENCY, "TP Sort by &Frequency in Network",
                "Sort the transponder list by frequency\nSort by Frequency", "", ""},
    CommandText{ID_TP_ADD, "&Add New", "Add a new transponder\nAdd Tp(Shift + Insert)", "",
                ":/icons/tpadd.xpm"},
    CommandText{ID_TP_DELETE, "&Delete Selected",
                "Delete the selected transponder\nDelete Tp(Shift + Delete)", "", ":/icons/tpdelete.xpm"},
    CommandText{ID_TP_DELETE_ALL_IN_NET, "Delete All in &Network",
                "Delete all transponders in the selected network\nDelete All Tps in Net", "", ""},
    CommandText{ID_PROG_ADD, "&Add New", "Add a new program\nAdd Prog(Shift + Insert)", "",
                ":/icons/progadd.xpm"},
    CommandText{ID_PROG_DELETE, "&Delete Selected",
                "Delete the selected program\nDelete Prog(Shift + Delete)", "", ":/icons/progdelete.xpm"},
    CommandText{ID_PROG_DELETE_ALL_IN_TP, "Delete All in &Transponder",
                "Delete all programs in the selected transponder\nDelete Progs In Tp", "", ""},
    CommandText{ID_PROG_DELETE_ALL_IN_NET, "Delete All in &Network",
                "Delete all programs in the selected network\nDelete Progs In Net", "", ""},
    CommandText{ID_MOVE_UP, "Move Up", "Move program\nMove up(Shift + Up)", "", ":/icons/moveup.xpm"},
    CommandText{ID_MOVE_DOWN, "Move Down", "Move program\nMove down(Shift + Down)", "",
                ":/icons/movedown.xpm"},
    CommandText{ID_PROG_MARK_SCRAMBLED, "Mark &Scrambled",
                "Mark the selected programs scrambled (an unknown CA system)\nMark Scrambled", "", ""},
    CommandText{ID_PROG_CLEAR_SCRAMBLED, "&Clear Scrambled",
                "Clear the CA systems of the selected programs, so they are free to air\nClear Scrambled", "",
                ""},
    CommandText{ID_DELETE_NETWORK, "Delete Network",
                "Delete the selected network with its transponders and programs\nDelete Network", "", ""},
    CommandText{ID_INSERT_KEY, "Insert", "", "", ""},
    CommandText{ID_DELETE_KEY, "Delete", "", "", ""},
    CommandText{ID_HELP_CONTENTS, "KVXEdit &Help", "Show the user guide\nHelp", "", ""},
    CommandText{ID_APP_ABOUT, "&About KVXEdit...",
                "Display program information, version number and copyright\nAbout", "", ":/icons/about.xpm"},
};

constexpr std::array kFileMenu = {ID_FILE_NEW, ID_FILE_OPEN,         ID_FILE_CLOSE,
                                  ID_NONE,     ID_FILE_SAVE,         ID_FILE_SAVE_AS,
                                  ID_NONE,     ID_FILE_EXPORT,       ID_FILE_EXPORT_SATELLITES_XML,
                                  ID_NONE,     ID_FILE_PRINT,        ID_FILE_PRINT_PREVIEW,
                                  ID_NONE,     ID_MODIFICATION_DATE, ID_NONE,
                                  ID_APP_EXIT};
constexpr std::array kEditMenu = {ID_EDIT_UNDO, ID_EDIT_REDO, ID_NONE, ID_EDIT_APPLY_REFERENCE,
                                  ID_EDIT_CHECK_DATABASE};
constexpr std::array kViewMenu = {ID_VIEW_EDITBAR, ID_VIEW_CHLIST, ID_NONE, ID_VIEW_TOOLBAR,
                                  ID_VIEW_STATUS_BAR};
constexpr std::array kSatelliteMenu = {ID_IMPORT_SATCODX,        ID_UPDATE_LYNGSAT, ID_UPDATE_SCAN_TABLE,
                                       ID_IMPORT_SATELLITES_XML, ID_NONE,           ID_SORT_BY_DEGREE,
                                       ID_TP_SORT_BY_FREQUENCY,  ID_NONE,           ID_DELETE_NETWORK};
constexpr std::array kTransponderMenu = {ID_TP_ADD, ID_NONE, ID_TP_DELETE, ID_TP_DELETE_ALL_IN_NET, ID_NONE};
// The favourite groups' submenus follow the program menu's entries.
constexpr std::array kProgramMenu = {ID_PROG_ADD,
                                     ID_NONE,
                                     ID_PROG_DELETE,
                                     ID_PROG_DELETE_ALL_IN_TP,
                                     ID_PROG_DELETE_ALL_IN_NET,
                                     ID_NONE,
                                     ID_PROG_MARK_SCRAMBLED,
                                     ID_PROG_CLEAR_SCRAMBLED,
                                     ID_NONE};
constexpr std::array kHelpMenu = {ID_HELP_CONTENTS, ID_NONE, ID_APP_ABOUT};
constexpr std::array kToolBar = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_UNDO,    ID_EDIT_REDO,   ID_NONE,        ID_FILE_PRINT,
    ID_NONE,     ID_TP_ADD,    ID_TP_DELETE, ID_NONE,         ID_PROG_ADD,    ID_PROG_DELETE, ID_NONE,
    ID_MOVE_UP,  ID_MOVE_DOWN, ID_NONE,      ID_VIEW_EDITBAR, ID_VIEW_CHLIST, ID_NONE,        ID_APP_ABOUT};
constexpr std::array kKeyCommands = {ID_DELETE_NETWORK, ID_INSERT_KEY, ID_DELETE_KEY};

// Keys whose commands carry no shortcut of their own. They stay live while their command is disabled,
// so that a disabled command's key is used up rather than handed to the tree.
constexpr std::array kAccelerators = {
    Accelerator{"Shift+Up", ID_MOVE_UP},       Accelerator{"Shift+Down", ID_MOVE_DOWN},
    Accelerator{"Shift+Ins", ID_INSERT_KEY},   Accelerator{"Shift+Del", ID_DELETE_KEY},
    Accelerator{"Shift+F5", ID_NEXT_PANE},     Accelerator{"Shift+F6", ID_PREV_PANE},
    Accelerator{"Shift+F10", ID_UNUSED_KEY_1}, Accelerator{"Shift+F11", ID_UNUSED_KEY_2},
    Accelerator{"Shift+F12", ID_UNUSED_KEY_3},
};

} // namespace

const CommandText* commandText(CommandId id)
{
    for (const CommandText& text : kCommandTexts)
        if (text.id == id)
            return &text;
    return nullptr;
}

std::span<const CommandId> fileMenuLayout()
{
    return kFileMenu;
}

std::span<const CommandId> editMenuLayout()
{
    return kEditMenu;
}

std::span<const CommandId> viewMenuLayout()
{
    return kViewMenu;
}

std::span<const CommandId> satelliteMenuLayout()
{
    return kSatelliteMenu;
}

std::span<const CommandId> transponderMenuLayout()
{
    return kTransponderMenu;
}

std::span<const CommandId> programMenuLayout()
{
    return kProgramMenu;
}

std::span<const CommandId> helpMenuLayout()
{
    return kHelpMenu;
}

std::span<const CommandId> toolBarLayout()
{
    return kToolBar;
}

std::span<const CommandId> keyCommandLayout()
{
    return kKeyCommands;
}

std::span<const Accelerator> acceleratorTable()
{
    return kAccelerators;
}

} // namespace kvx
