#include "res/commandtexts.h"

#include <array>

#include <QtGlobal>

namespace kvx {

namespace {

// The menu texts and prompts are translated where they are shown, under the context "Commands".
constexpr std::array kCommandTexts = {
    CommandText{ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "&New..."),
                QT_TRANSLATE_NOOP("Commands", "Creates a new KVX file\nNew"), "Ctrl+N", ":/icons/new.xpm"},
    CommandText{ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "&Open..."),
                QT_TRANSLATE_NOOP("Commands", "Opens an existing KVX file\nOpen"), "Ctrl+O",
                ":/icons/open.xpm"},
    CommandText{ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Commands", "&Close"),
                QT_TRANSLATE_NOOP("Commands", "Closes the KVX file\nClose"), "", ""},
    CommandText{ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "&Save"),
                QT_TRANSLATE_NOOP("Commands", "Saves the KVX file\nSave"), "Ctrl+S", ":/icons/save.xpm"},
    CommandText{ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "Save &As..."),
                QT_TRANSLATE_NOOP("Commands", "Saves the KVX file with a new name\nSave As"), "", ""},
    CommandText{ID_FILE_PRINT, QT_TRANSLATE_NOOP("Commands", "&Print..."),
                QT_TRANSLATE_NOOP("Commands", "Print all or parts of the KVX file\nPrint"), "Ctrl+P",
                ":/icons/print.xpm"},
    CommandText{ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Commands", "Print Pre&view"),
                QT_TRANSLATE_NOOP("Commands", "Shows the printed report page by page\nPrint Preview"), "",
                ""},
    CommandText{
        ID_FILE_EXPORT, QT_TRANSLATE_NOOP("Commands", "&Export Channel List..."),
        QT_TRANSLATE_NOOP("Commands", "Writes the channel list as a CSV or HTML file\nExport Channel List"),
        "", ""},
    CommandText{ID_FILE_EXPORT_SATELLITES_XML, QT_TRANSLATE_NOOP("Commands", "Export sa&tellites.xml..."),
                QT_TRANSLATE_NOOP("Commands",
                                  "Writes the satellites and their transponders as a satellites.xml "
                                  "file\nExport satellites.xml"),
                "", ""},
    // The menu texts name the step ("&Undo Delete Network"); these are the texts with nothing to undo.
    CommandText{ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Commands", "&Undo"),
                QT_TRANSLATE_NOOP("Commands", "Undo the last change\nUndo"), "Ctrl+Z", ":/icons/undo.xpm"},
    CommandText{ID_EDIT_REDO, QT_TRANSLATE_NOOP("Commands", "&Redo"),
                QT_TRANSLATE_NOOP("Commands", "Redo the change undone last\nRedo"), "Ctrl+Y",
                ":/icons/redo.xpm"},
    CommandText{ID_EDIT_APPLY_REFERENCE, QT_TRANSLATE_NOOP("Commands", "&Apply Reference List..."),
                QT_TRANSLATE_NOOP("Commands", "Give the channels the numbers and favourite groups of an old "
                                              "channel list\nApply Reference List"),
                "", ""},
    CommandText{ID_EDIT_CHECK_DATABASE, QT_TRANSLATE_NOOP("Commands", "&Check Database..."),
                QT_TRANSLATE_NOOP(
                    "Commands",
                    "Find duplicate, empty and orphaned records and review their clean-up\nCheck Database"),
                "", ""},
    CommandText{ID_MODIFICATION_DATE, QT_TRANSLATE_NOOP("Commands", "Modification &Date..."),
                QT_TRANSLATE_NOOP("Commands", "Show/Edit the recent modification date"), "", ""},
    CommandText{ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "E&xit"),
                QT_TRANSLATE_NOOP("Commands", "Quit the application; prompts to save the KVX file\nExit"),
                "Alt+F4", ""},
    CommandText{ID_VIEW_EDITBAR, QT_TRANSLATE_NOOP("Commands", "&Editbar"),
                QT_TRANSLATE_NOOP("Commands", "Show or hide the edit bar\nToggle EditBar"), "",
                ":/icons/editbar.xpm"},
    CommandText{ID_VIEW_CHLIST, QT_TRANSLATE_NOOP("Commands", "&Channel List"),
                QT_TRANSLATE_NOOP("Commands", "Show the channel list\nCh List"), "", ":/icons/chlist.xpm"},
    CommandText{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "&Toolbar"),
                QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar\nToggle ToolBar"), "", ""},
    CommandText{ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "&Status Bar"),
                QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar\nToggle StatusBar"), "", ""},
    CommandText{ID_IMPORT_SATCODX, QT_TRANSLATE_NOOP("Commands", "Import &SATCODX"),
                QT_TRANSLATE_NOOP("Commands", "Load the selected satellite from SATCODX file\nSATCODX"), "",
                ""},
    CommandText{ID_UPDATE_LYNGSAT, QT_TRANSLATE_NOOP("Commands", "Update from &Lyngsat"),
                QT_TRANSLATE_NOOP("Commands", "Load the selected satellite from Lyngsat site\nLYNGSAT"), "",
                ""},
    CommandText{ID_UPDATE_SCAN_TABLE, QT_TRANSLATE_NOOP("Commands", "Update from Scan &Table..."),
                QT_TRANSLATE_NOOP(
                    "Commands",
                    "Load the selected network's transponders from a scan table of the system\nScan Table"),
                "", ""},
    CommandText{ID_IMPORT_SATELLITES_XML, QT_TRANSLATE_NOOP("Commands", "Import satellites.&xml..."),
                QT_TRANSLATE_NOOP("Commands",
                                  "Load the selected satellite from a satellites.xml file\nsatellites.xml"),
                "", ""},
    CommandText{ID_SORT_BY_DEGREE, QT_TRANSLATE_NOOP("Commands", "Sort by &Degree"),
                QT_TRANSLATE_NOOP("Commands", "Sort the satellite list by degree\nSort by Degree"), "", ""},
    CommandText{ID_TP_SORT_BY_FREQUENCY, QT_TRANSLATE_NOOP("Commands", "TP Sort by &Frequency in Network"),
                QT_TRANSLATE_NOOP("Commands", "Sort the transponder list by frequency\nSort by Frequency"),
                "", ""},
    CommandText{ID_TP_ADD, QT_TRANSLATE_NOOP("Commands", "&Add New"),
                QT_TRANSLATE_NOOP("Commands", "Add a new transponder\nAdd Tp(Shift + Insert)"), "",
                ":/icons/tpadd.xpm"},
    CommandText{ID_TP_DELETE, QT_TRANSLATE_NOOP("Commands", "&Delete Selected"),
                QT_TRANSLATE_NOOP("Commands", "Delete the selected transponder\nDelete Tp(Shift + Delete)"),
                "", ":/icons/tpdelete.xpm"},
    CommandText{ID_TP_DELETE_ALL_IN_NET, QT_TRANSLATE_NOOP("Commands", "Delete All in &Network"),
                QT_TRANSLATE_NOOP("Commands",
                                  "Delete all transponders in the selected network\nDelete All Tps in Net"),
                "", ""},
    CommandText{ID_PROG_ADD, QT_TRANSLATE_NOOP("Commands", "&Add New"),
                QT_TRANSLATE_NOOP("Commands", "Add a new program\nAdd Prog(Shift + Insert)"), "",
                ":/icons/progadd.xpm"},
    CommandText{ID_PROG_DELETE, QT_TRANSLATE_NOOP("Commands", "&Delete Selected"),
                QT_TRANSLATE_NOOP("Commands", "Delete the selected program\nDelete Prog(Shift + Delete)"), "",
                ":/icons/progdelete.xpm"},
    CommandText{
        ID_PROG_DELETE_ALL_IN_TP, QT_TRANSLATE_NOOP("Commands", "Delete All in &Transponder"),
        QT_TRANSLATE_NOOP("Commands", "Delete all programs in the selected transponder\nDelete Progs In Tp"),
        "", ""},
    CommandText{
        ID_PROG_DELETE_ALL_IN_NET, QT_TRANSLATE_NOOP("Commands", "Delete All in &Network"),
        QT_TRANSLATE_NOOP("Commands", "Delete all programs in the selected network\nDelete Progs In Net"), "",
        ""},
    CommandText{ID_MOVE_UP, QT_TRANSLATE_NOOP("Commands", "Move Up"),
                QT_TRANSLATE_NOOP("Commands", "Move program\nMove up(Shift + Up)"), "", ":/icons/moveup.xpm"},
    CommandText{ID_MOVE_DOWN, QT_TRANSLATE_NOOP("Commands", "Move Down"),
                QT_TRANSLATE_NOOP("Commands", "Move program\nMove down(Shift + Down)"), "",
                ":/icons/movedown.xpm"},
    CommandText{
        ID_PROG_MARK_SCRAMBLED, QT_TRANSLATE_NOOP("Commands", "Mark &Scrambled"),
        QT_TRANSLATE_NOOP("Commands",
                          "Mark the selected programs scrambled (an unknown CA system)\nMark Scrambled"),
        "", ""},
    CommandText{
        ID_PROG_CLEAR_SCRAMBLED, QT_TRANSLATE_NOOP("Commands", "&Clear Scrambled"),
        QT_TRANSLATE_NOOP(
            "Commands",
            "Clear the CA systems of the selected programs, so they are free to air\nClear Scrambled"),
        "", ""},
    CommandText{
        ID_DELETE_NETWORK, QT_TRANSLATE_NOOP("Commands", "Delete Network"),
        QT_TRANSLATE_NOOP("Commands",
                          "Delete the selected network with its transponders and programs\nDelete Network"),
        "", ""},
    CommandText{ID_INSERT_KEY, QT_TRANSLATE_NOOP("Commands", "Insert"), "", "", ""},
    CommandText{ID_DELETE_KEY, QT_TRANSLATE_NOOP("Commands", "Delete"), "", "", ""},
    CommandText{ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("Commands", "KVXEdit &Help"),
                QT_TRANSLATE_NOOP("Commands", "Show the user guide\nHelp"), "", ""},
    CommandText{
        ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "&About KVXEdit..."),
        QT_TRANSLATE_NOOP("Commands", "Display program information, version number and copyright\nAbout"), "",
        ":/icons/about.xpm"},
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
