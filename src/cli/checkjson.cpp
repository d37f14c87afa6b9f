#include "cli/checkjson.h"

#include "db/databasediff.h"
#include "platform/nameencoding.h"

namespace kvx {

using nlohmann::ordered_json;

namespace {

class RecordJson {
public:
    RecordJson(const ChannelDatabase& db, const NameEncoding& encoding)
            : db_(db)
            , encoding_(encoding)
            , programCounts_(db.transponders.size(), 0)
    {
        for (const ProgInfo& prog : db.programs)
            if (prog.tpIndex < programCounts_.size())
                ++programCounts_[prog.tpIndex];
    }

    ordered_json transponder(uint16_t position) const
    {
        const TpInfo& tp = db_.transponders[position];
        return {{"position", position},        {"network", tp.netIndex},
                {"frequency", tp.frequency},   {"polarity", polarityText(tp.polarity())},
                {"symbolRate", tp.symbolRate}, {"programs", programCounts_[position]}};
    }

    ordered_json program(uint16_t position) const
    {
        const ProgInfo& prog = db_.programs[position];
        ordered_json out = {{"position", position},
                            {"name", nameText(prog.name, prog.nameCodePage, encoding_)},
                            {"serviceId", prog.serviceId},
                            {"transponder", prog.tpIndex}};
        // An orphan's transponder may be missing from the list.
        if (const TpInfo* tp = db_.transponders.at(prog.tpIndex)) {
            out["network"] = tp->netIndex;
            out["frequency"] = tp->frequency;
            out["polarity"] = polarityText(tp->polarity());
        }
        return out;
    }

    ordered_json favouriteEntry(const CheckedRecord& entry) const
    {
        const FavInfo& fav = db_.favourites[static_cast<std::size_t>(entry.group)];
        const uint16_t position = fav.listFor(entry.radio)[entry.position];
        const ProgInfo& prog = db_.programs[position];
        return {{"group", entry.group},
                {"groupName", encoding_.toUtf8(fav.name)},
                {"list", entry.radio ? "radio" : "tv"},
                {"entry", entry.position},
                {"program", position},
                {"name", nameText(prog.name, prog.nameCodePage, encoding_)},
                {"serviceId", prog.serviceId}};
    }

private:
    const ChannelDatabase& db_;
    const NameEncoding& encoding_;
    std::vector<int> programCounts_;
};

template <class Describe>
ordered_json findingsJson(const std::vector<CheckFinding>& findings, Describe describe)
{
    ordered_json out = ordered_json::array();
    for (const CheckFinding& finding : findings) {
        ordered_json entry = {{"removed", describe(finding.removed)}};
        if (finding.kept.position != NO_POSITION)
            entry["kept"] = describe(finding.kept);
        out.push_back(std::move(entry));
    }
    return out;
}

} // namespace

ordered_json checkJson(const DatabaseCheck& check, const ChannelDatabase& db, const NameEncoding& encoding)
{
    const RecordJson records(db, encoding);
    const auto transponder = [&](const CheckedRecord& r) { return records.transponder(r.position); };
    const auto program = [&](const CheckedRecord& r) { return records.program(r.position); };
    const auto favourite = [&](const CheckedRecord& r) { return records.favouriteEntry(r); };
    return {{"duplicateTransponders", findingsJson(check.duplicateTransponders, transponder)},
            {"duplicatePrograms", findingsJson(check.duplicatePrograms, program)},
            {"emptyTransponders", findingsJson(check.emptyTransponders, transponder)},
            {"zeroTransponders", findingsJson(check.zeroTransponders, transponder)},
            {"orphanPrograms", findingsJson(check.orphanPrograms, program)},
            {"repeatedFavourites", findingsJson(check.repeatedFavourites, favourite)}};
}

} // namespace kvx
