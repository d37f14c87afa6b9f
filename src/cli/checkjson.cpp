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

ordered_json cleanupCountsJson(const CleanupCounts& counts)
{
    return {{"transpondersRemoved", counts.transpondersRemoved},
            {"programsRemoved", counts.programsRemoved},
            {"programsMoved", counts.programsMoved},
            {"favouriteEntriesMerged", counts.favouriteEntriesMerged}};
}

ordered_json cleanupChangesJson(const CleanupPlan& plan, const ChangeSelection& selection,
                                const ChannelDatabase& db, const NameEncoding& encoding)
{
    const RecordJson records(db, encoding);
    const auto describe = [&](CleanupKind kind, const CheckedRecord& record, bool kept) {
        switch (kind) {
        case CleanupKind::RemoveDuplicateTransponder:
        case CleanupKind::RemoveEmptyTransponder:
        case CleanupKind::RemoveZeroTransponder: return records.transponder(record.position);
        case CleanupKind::MoveProgram:
            return kept ? records.transponder(record.position) : records.program(record.position);
        case CleanupKind::RemoveDuplicateProgram:
        case CleanupKind::RemoveOrphanProgram: return records.program(record.position);
        case CleanupKind::DropRepeatedFavourite: break;
        }
        return records.favouriteEntry(record);
    };
    ordered_json out = ordered_json::array();
    for (std::size_t k = 0; k < plan.size(); ++k) {
        const CleanupChange& change = plan[k];
        ordered_json entry = {{"id", change.id},
                              {"kind", cleanupKindName(change.kind)},
                              {"removed", describe(change.kind, change.removed, false)}};
        if (change.kept.position != NO_POSITION)
            entry["kept"] = describe(change.kind, change.kept, true);
        if (change.dependsOn != CleanupChange::NO_CHANGE)
            entry["dependsOn"] = plan[change.dependsOn].id;
        entry["selected"] = k < selection.size() && selection[k];
        out.push_back(std::move(entry));
    }
    return out;
}

} // namespace kvx
