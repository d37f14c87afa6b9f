#pragma once

#include <cstddef>

#include "base/trnoop.h"
#include "db/channeldatabase.h"
#include "db/tables.h"

namespace kvx {

// Transponder positions are 16-bit with NO_POSITION meaning none, so the list holds at most this many.
inline constexpr std::size_t MAX_TRANSPONDER_COUNT = NO_POSITION;

inline bool transponderListFull(const ChannelDatabase& db)
{
    return db.transponders.size() >= MAX_TRANSPONDER_COUNT;
}

// The text shown when an import stops adding transponders because the list is full.
inline constexpr const char* kTransponderListFullMessage =
    KVX_TR_NOOP("Import", "The transponder list is full; the remaining transponders were not added.");

} // namespace kvx
