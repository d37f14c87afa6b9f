#pragma once

namespace kvx {

// Command identifiers of the main window. The numbers are those of the menus, accelerators and
// toolbar, so that every way of reaching a command ends in the same handler.
enum CommandId : int {
    ID_NONE = 0,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_EXPORT = 32870,
    ID_FILE_EXPORT_SATELLITES_XML = 32912, // after the favourite groups' commands
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_EDIT_APPLY_REFERENCE = 32921, // after the favourite groups' commands
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_CONTENTS = 57667,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VIEW_EDITBAR = 32773,
    ID_VIEW_CHLIST = 32790,
    ID_MODIFICATION_DATE = 32789,
    ID_IMPORT_SATCODX = 32807,
    ID_UPDATE_LYNGSAT = 32860,
    ID_UPDATE_SCAN_TABLE = 32913,
    ID_IMPORT_SATELLITES_XML = 32914,
    ID_SORT_BY_DEGREE = 32808,
    ID_TP_SORT_BY_FREQUENCY = 32865,
    ID_TP_ADD = 32780,
    ID_TP_DELETE = 32781,
    ID_TP_DELETE_ALL_IN_NET = 32782,
    ID_PROG_ADD = 32783,
    ID_PROG_DELETE = 32784,
    ID_PROG_DELETE_ALL_IN_TP = 32787,
    ID_PROG_DELETE_ALL_IN_NET = 32788,
    ID_MOVE_UP = 32809,
    ID_MOVE_DOWN = 32810,
    ID_DELETE_KEY = 32862,
    ID_INSERT_KEY = 32863,
    // Programs selected in the tree: the scrambled mark and the favourite groups' submenus, whose
    // entries run from the first identifier, one per group.
    ID_PROG_MARK_SCRAMBLED = 32871,
    ID_PROG_CLEAR_SCRAMBLED = 32872,
    ID_FAV_ADD_FIRST = 32880,
    ID_FAV_REMOVE_FIRST = 32896,
    // After the favourite groups' entries (up to 32911).
    ID_EDIT_CHECK_DATABASE = 32920,
    // Tree context menus; each runs the main command it names in commandtexts.
    ID_CTX_NET_IMPORT_SATCODX = 32824,
    ID_CTX_NET_UPDATE_LYNGSAT = 32825,
    ID_CTX_NET_UPDATE_SCAN_TABLE = 32930,
    ID_CTX_NET_IMPORT_SATELLITES_XML = 32931,
    ID_CTX_NET_ADD_TP = 32831,
    ID_CTX_NET_DELETE_ALL_TPS = 32832,
    ID_DELETE_NETWORK = 32833,
    ID_CTX_NET_DELETE_ALL_PROGS = 32836,
    ID_CTX_TP_DELETE = 32842,
    ID_CTX_TP_DELETE_ALL_IN_NET = 32847,
    ID_CTX_TP_ADD = 32848,
    ID_CTX_TP_ADD_PROG = 32861,
    ID_CTX_TP_DELETE_PROGS_IN_TP = 32857,
    ID_CTX_TP_DELETE_PROGS_IN_NET = 32858,
    ID_CTX_PROG_ADD = 32852,
    ID_CTX_PROG_DELETE = 32853,
    ID_CTX_PROG_DELETE_ALL_IN_TP = 32854,
    // Keys of the accelerator table without a handler: pressing them does nothing.
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_UNUSED_KEY_1 = 32866,
    ID_UNUSED_KEY_2 = 32867,
    ID_UNUSED_KEY_3 = 32869,
};

// The favourite groups the submenus offer, as many as the channel list's favourite column shows.
constexpr int kFavouriteMenuGroups = 16;

constexpr bool isFavouriteAddCommand(int id)
{
    return id >= ID_FAV_ADD_FIRST && id < ID_FAV_ADD_FIRST + kFavouriteMenuGroups;
}
constexpr bool isFavouriteRemoveCommand(int id)
{
    return id >= ID_FAV_REMOVE_FIRST && id < ID_FAV_REMOVE_FIRST + kFavouriteMenuGroups;
}

static_assert(!isFavouriteAddCommand(ID_EDIT_CHECK_DATABASE) &&
              !isFavouriteRemoveCommand(ID_EDIT_CHECK_DATABASE));
static_assert(ID_FILE_EXPORT_SATELLITES_XML >= ID_FAV_REMOVE_FIRST + kFavouriteMenuGroups);

} // namespace kvx
