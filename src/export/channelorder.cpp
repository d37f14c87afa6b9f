#include "export/channelorder.h"

#include "platform/nameencoding.h"

namespace kvx {

std::vector<ChannelListEntry> channelListOrder(const ChannelDatabase& db)
{
    std::vector<ChannelListEntry> entries;
    entries.reserve(db.programs.size());
    for (const bool radio : {false, true}) {
        int number = 0;
        for (std::size_t k = 0; k < db.programs.size(); ++k)
            if (db.programs[k].isRadio() == radio)
                entries.push_back({static_cast<uint16_t>(k), ++number, radio});
    }
    return entries;
}

std::string programNameUtf8(const ProgInfo& prog, const NameEncoding& encoding)
{
    return prog.hasIsoName() ? NameEncoding::iso88595ToUtf8(prog.name) : encoding.toUtf8(prog.name);
}

} // namespace kvx
