#include "res/contextmenutexts.h"

#include <array>

#include <QtGlobal>

namespace kvx {

namespace {

constexpr ContextMenuItem kSeparator{ID_NONE, "", ID_NONE};

constexpr std::array kNetworkMenu = {
    ContextMenuItem{ID_CTX_NET_IMPORT_SATCODX, QT_TRANSLATE_NOOP("Commands", "Import &SATCODX"),
                    ID_IMPORT_SATCODX},
    ContextMenuItem{ID_CTX_NET_UPDATE_LYNGSAT, QT_TRANSLATE_NOOP("Commands", "Update from &LyngSat"),
                    ID_UPDATE_LYNGSAT},
    ContextMenuItem{ID_CTX_NET_UPDATE_SCAN_TABLE, QT_TRANSLATE_NOOP("Commands", "Update from Scan &Table..."),
                    ID_UPDATE_SCAN_TABLE},
    ContextMenuItem{ID_CTX_NET_IMPORT_SATELLITES_XML,
                    QT_TRANSLATE_NOOP("Commands", "Import satellites.&xml..."), ID_IMPORT_SATELLITES_XML},
    kSeparator,
    ContextMenuItem{ID_TP_SORT_BY_FREQUENCY,
                    QT_TRANSLATE_NOOP("Commands", "TP Sort by &Frequency in Network"),
                    ID_TP_SORT_BY_FREQUENCY},
    kSeparator,
    ContextMenuItem{ID_CTX_NET_ADD_TP, QT_TRANSLATE_NOOP("Commands", "Add Transponder"), ID_TP_ADD},
    kSeparator,
    ContextMenuItem{ID_DELETE_NETWORK, QT_TRANSLATE_NOOP("Commands", "Delete Network"), ID_DELETE_NETWORK},
    ContextMenuItem{ID_CTX_NET_DELETE_ALL_TPS,
                    QT_TRANSLATE_NOOP("Commands", "Delete All Transponder in Network"),
                    ID_TP_DELETE_ALL_IN_NET},
    ContextMenuItem{ID_CTX_NET_DELETE_ALL_PROGS,
                    QT_TRANSLATE_NOOP("Commands", "Delete All Program in Network"),
                    ID_PROG_DELETE_ALL_IN_NET},
};

constexpr std::array kTransponderMenu = {
    ContextMenuItem{ID_CTX_TP_ADD, QT_TRANSLATE_NOOP("Commands", "Add Transponder"), ID_TP_ADD},
    kSeparator,
    ContextMenuItem{ID_CTX_TP_DELETE, QT_TRANSLATE_NOOP("Commands", "Delete Transponder"), ID_TP_DELETE},
    ContextMenuItem{ID_CTX_TP_DELETE_ALL_IN_NET,
                    QT_TRANSLATE_NOOP("Commands", "Delete All Transponder in Network"),
                    ID_TP_DELETE_ALL_IN_NET},
    kSeparator,
    ContextMenuItem{ID_CTX_TP_ADD_PROG, QT_TRANSLATE_NOOP("Commands", "Add Program"), ID_PROG_ADD},
    kSeparator,
    ContextMenuItem{ID_CTX_TP_DELETE_PROGS_IN_TP,
                    QT_TRANSLATE_NOOP("Commands", "Delete All Program in Transponder"),
                    ID_PROG_DELETE_ALL_IN_TP},
    ContextMenuItem{ID_CTX_TP_DELETE_PROGS_IN_NET,
                    QT_TRANSLATE_NOOP("Commands", "Delete All Program in Network"),
                    ID_PROG_DELETE_ALL_IN_NET},
    kSeparator,
    ContextMenuItem{ID_MOVE_UP, QT_TRANSLATE_NOOP("Commands", "Move Up"), ID_MOVE_UP},
    ContextMenuItem{ID_MOVE_DOWN, QT_TRANSLATE_NOOP("Commands", "Move Down"), ID_MOVE_DOWN},
};

constexpr std::array kProgramMenu = {
    ContextMenuItem{ID_CTX_PROG_ADD, QT_TRANSLATE_NOOP("Commands", "Add Program"), ID_PROG_ADD},
    kSeparator,
    ContextMenuItem{ID_CTX_PROG_DELETE, QT_TRANSLATE_NOOP("Commands", "Delete Program"), ID_PROG_DELETE},
    ContextMenuItem{ID_CTX_PROG_DELETE_ALL_IN_TP,
                    QT_TRANSLATE_NOOP("Commands", "Delete All Program in Transponder"),
                    ID_PROG_DELETE_ALL_IN_TP},
    kSeparator,
    ContextMenuItem{ID_MOVE_UP, QT_TRANSLATE_NOOP("Commands", "Move Up"), ID_MOVE_UP},
    ContextMenuItem{ID_MOVE_DOWN, QT_TRANSLATE_NOOP("Commands", "Move Down"), ID_MOVE_DOWN},
};

} // namespace

std::span<const ContextMenuItem> networkContextMenu()
{
    return kNetworkMenu;
}

std::span<const ContextMenuItem> transponderContextMenu()
{
    return kTransponderMenu;
}

std::span<const ContextMenuItem> programContextMenu()
{
    return kProgramMenu;
}

} // namespace kvx
