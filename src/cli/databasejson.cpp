#include "cli/databasejson.h"

#include <cstdio>

#include "db/stamp.h"
#include "platform/nameencoding.h"

namespace kvx {

using nlohmann::ordered_json;

ordered_json stampJson(const Stamp& stamp)
{
    if (const auto date = stampDate(stamp)) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date->year, date->month, date->day);
        return {{"form", "date"}, {"date", text}};
    }
    if (const auto version = stampVersionText(stamp))
        return {{"form", "version"}, {"text", *version}};
    return {{"form", "raw"}, {"bytes", {stamp[0], stamp[1], stamp[2]}}};
}

ordered_json databaseInfoJson(const ChannelDatabase& db)
{
    return {{"version", db.version},          {"compressed", db.compressed},
            {"layoutFlags", db.layoutFlags},  {"stamp", stampJson(db.stamp)},
            {"networks", db.networks.size()}, {"transponders", db.transponders.size()},
            {"programs", db.programs.size()}, {"favourites", db.favourites.size()}};
}

namespace {

std::string hexOf(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        hex += kDigits[static_cast<unsigned char>(c) >> 4];
        hex += kDigits[static_cast<unsigned char>(c) & 0x0F];
    }
    return hex;
}

ordered_json pidListJson(const PidList& pids)
{
    ordered_json list = ordered_json::array();
    for (std::size_t k = 0; k < pids.size(); ++k)
        list.push_back({{"language", pids.language(k)}, {"pidWord", pids.pidWord(k)}});
    return list;
}

ordered_json antennaJson(const AntInfo& ant)
{
    return {{"diseqc", ant.diseqc},   {"power", ant.power},           {"ports", ant.ports},
            {"lnbType", ant.lnbType}, {"lnbFreqLow", ant.lnbFreqLow}, {"lnbFreqHigh", ant.lnbFreqHigh}};
}

ordered_json networkJson(const NetInfo& net, const NameEncoding& enc)
{
    return {{"name", enc.toUtf8(net.name)}, {"degree", net.degree}, {"positionerId", net.positionerId},
            {"netIndex", net.netIndex},     {"skewV", net.skewV},   {"skewH", net.skewH}};
}

ordered_json transponderJson(const TpInfo& tp, const NameEncoding& enc)
{
    return {{"name", enc.toUtf8(tp.name)}, {"frequency", tp.frequency}, {"symbolRate", tp.symbolRate},
            {"tpFlags", tp.tpFlags},       {"freqDrift", tp.freqDrift}, {"netIndex", tp.netIndex},
            {"tpExtra", tp.tpExtra},       {"gmtError", tp.gmtError}};
}

ordered_json programJson(const ProgInfo& prog, const NameEncoding& enc)
{
    // A name marked with code page 2 is ISO 8859-5 whatever the file's code page is.
    const std::string name =
        prog.hasIsoName() ? NameEncoding::iso88595ToUtf8(prog.name) : enc.toUtf8(prog.name);
    return {{"name", name},
            {"nameHex", hexOf(prog.name)},
            {"nameCodePage", prog.nameCodePage},
            {"serviceId", prog.serviceId},
            {"pmtPid", prog.pmtPid},
            {"pcrPid", prog.pcrPid},
            {"videoPids", pidListJson(prog.videoPids)},
            {"audioPids", pidListJson(prog.audioPids)},
            {"teletextPids", pidListJson(prog.teletextPids)},
            {"caSystems", prog.caSystems},
            {"attributes", prog.attributes},
            {"spareByte", prog.spareByte},
            {"spareWord", prog.spareWord},
            {"tpIndex", prog.tpIndex}};
}

ordered_json favouriteJson(const FavInfo& fav, const NameEncoding& enc)
{
    return {{"name", enc.toUtf8(fav.name)},
            {"tvList", static_cast<const std::vector<uint16_t>&>(fav.tvList)},
            {"radioList", static_cast<const std::vector<uint16_t>&>(fav.radioList)}};
}

template <class List, class ToJson>
ordered_json listJson(const List& list, ToJson toJson)
{
    ordered_json out = ordered_json::array();
    for (const auto& record : list)
        out.push_back(toJson(record));
    return out;
}

} // namespace

ordered_json databaseDumpJson(const ChannelDatabase& db, const NameEncoding& enc)
{
    ordered_json out;
    out["version"] = db.version;
    out["stamp"] = stampJson(db.stamp);
    out["layoutFlags"] = db.layoutFlags;
    out["compressed"] = db.compressed;
    out["keepStamp"] = db.keepStamp;
    out["antennas"] = listJson(db.antennas, antennaJson);
    out["networks"] = listJson(db.networks, [&](const NetInfo& n) { return networkJson(n, enc); });
    out["transponders"] = listJson(db.transponders, [&](const TpInfo& t) { return transponderJson(t, enc); });
    out["programs"] = listJson(db.programs, [&](const ProgInfo& p) { return programJson(p, enc); });
    out["favourites"] = listJson(db.favourites, [&](const FavInfo& f) { return favouriteJson(f, enc); });
    return out;
}

} // namespace kvx
