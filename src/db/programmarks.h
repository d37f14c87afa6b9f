#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx {

// Changes to many programs at once: favourite memberships and the scrambled mark. Each returns how many
// programs it changed; positions past the program list are left out.

// Appends the programs that are not yet in the group to the end of its TV or radio list, as each program's
// kind says, in the order of the positions.
std::size_t addToFavouriteGroup(ChannelDatabase& db, std::size_t group,
                                const std::vector<uint16_t>& positions);
// Drops the programs' entries from the group; the other entries keep their order.
std::size_t removeFromFavouriteGroup(ChannelDatabase& db, std::size_t group,
                                     const std::vector<uint16_t>& positions);
// How many of the programs are in the group.
std::size_t countInFavouriteGroup(const ChannelDatabase& db, std::size_t group,
                                  const std::vector<uint16_t>& positions);

// Marks free programs scrambled by an unknown CA system.
std::size_t markScrambled(ChannelDatabase& db, const std::vector<uint16_t>& positions);
// Clears every CA system the programs name, so they read free to air.
std::size_t clearScrambled(ChannelDatabase& db, const std::vector<uint16_t>& positions);

} // namespace kvx
