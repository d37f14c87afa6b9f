#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx {

class NameEncoding;

// One program in the order of the channel list.
struct ChannelListEntry {
    uint16_t programIndex = 0; // position in the database's program list
    int number = 0;            // 1-based position in its TV or radio list
    bool radio = false;
};

// The programs as the channel list shows them for all networks: the TV list, then the radio list, each in
// the program list's order, which is the order the receiver numbers its channels in.
std::vector<ChannelListEntry> channelListOrder(const ChannelDatabase& db);

// The program's name as UTF-8: a name marked as ISO 8859-5 in its own letters, any other in the name
// encoding.
std::string programNameUtf8(const ProgInfo& prog, const NameEncoding& encoding);

} // namespace kvx
