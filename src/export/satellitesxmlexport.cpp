#include "export/satellitesxmlexport.h"

#include <algorithm>

#include "db/editops.h"
#include "db/fieldtext.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            // Control characters other than tab cannot stand in XML 1.0.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out += c;
        }
    }
    return out;
}

void appendTransponder(std::string& out, const TpInfo& tp)
{
    constexpr int kPolarization[] = {1, 0, 3, 2}; // stored V, H, R, L
    out += "\t\t<transponder frequency=\"" + std::to_string(tp.frequency * 1000) + "\" symbol_rate=\"" +
           std::to_string(tp.symbolRate * 1000) + "\" polarization=\"" +
           std::to_string(kPolarization[tp.polarity()]) + "\" fec_inner=\"" + std::to_string(tp.fec()) +
           "\" system=\"" + (tp.isDvbS2() ? "1" : "0") + "\" modulation=\"" +
           ((tp.tpFlags & TP_8PSK) != 0 ? "2" : "1") + "\"/>\n";
}

} // namespace

std::string exportSatellitesXml(const ChannelDatabase& db, const NameEncoding& encoding)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n";
    const std::size_t slots = std::min<std::size_t>(db.networks.size(), SATELLITE_SLOT_COUNT);
    for (std::size_t s = 0; s < slots; ++s) {
        const NetInfo& net = db.networks[s];
        if (net.isEmpty())
            continue;
        const std::string name = net.name.empty() ? positionText(net.degree) : encoding.toUtf8(net.name);
        out += "\t<sat name=\"" + xmlEscaped(name) + "\" flags=\"0\" position=\"" +
               std::to_string(signedTenthsOf(net.degree)) + "\">\n";
        const auto slot = static_cast<uint8_t>(s);
        const uint16_t end = endOfNetworkTransponders(db, slot);
        for (uint16_t j = firstTransponderOfNetwork(db, slot); j < end; ++j)
            appendTransponder(out, db.transponders[j]);
        out += "\t</sat>\n";
    }
    return out + "</satellites>\n";
}

} // namespace kvx
