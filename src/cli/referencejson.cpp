#include "cli/referencejson.h"

#include "db/databasediff.h"
#include "platform/nameencoding.h"

namespace kvx {

using nlohmann::ordered_json;

namespace {

const char* typeName(bool radio)
{
    return radio ? "radio" : "tv";
}

std::string programName(const ProgInfo& prog, const NameEncoding& encoding)
{
    return nameText(prog.name, prog.nameCodePage, encoding);
}

ordered_json groupJson(const std::string& name, int tv, int radio, const NameEncoding& encoding)
{
    return {{"name", encoding.toUtf8(name)}, {"tv", tv}, {"radio", radio}};
}

} // namespace

ordered_json referenceSummaryJson(const ReferenceReview& review, const ReferenceSelection& selection)
{
    const ReferenceCounts& counts = review.counts;
    ordered_json summary = {{"matched", counts.matched()},
                            {"byServiceId", counts.byServiceId},
                            {"byName", counts.byName},
                            {"unmatched", counts.unmatched},
                            {"referenceUnmatched", counts.referenceUnmatched},
                            {"moved", review.moves.size()}};
    if (selection.copyMissing) {
        summary["copied"] = counts.copied;
        summary["transpondersCopied"] = counts.transpondersCopied;
    }
    return summary;
}

ordered_json referenceChangesJson(const ChannelDatabase& db, const ReferencePlan& plan,
                                  const ReferenceSelection& selection, const ReferenceReview& review,
                                  const NameEncoding& encoding)
{
    ordered_json changes = ordered_json::array();
    for (std::size_t k = 0; k < plan.matches.size(); ++k) {
        const ReferenceMatch& m = plan.matches[k];
        if (m.kind != MatchKind::Name || k >= selection.matches.size() || !selection.matches[k])
            continue;
        const ProgInfo& prog = db.programs[m.program];
        changes.push_back({{"kind", "match"},
                           {"type", typeName(prog.isRadio())},
                           {"name", programName(prog, encoding)},
                           {"referenceName", nameText(m.referenceName, m.referenceCodePage, encoding)}});
    }
    for (const ChannelMove& move : review.moves)
        changes.push_back({{"kind", "move"},
                           {"type", typeName(move.radio)},
                           {"name", programName(db.programs[move.program], encoding)},
                           {"from", move.from},
                           {"to", move.to}});
    for (const ProgramRename& rename : review.renames)
        changes.push_back({{"kind", "rename"},
                           {"type", typeName(db.programs[rename.program].isRadio())},
                           {"from", nameText(rename.nameBefore, rename.codePageBefore, encoding)},
                           {"to", nameText(rename.nameAfter, rename.codePageAfter, encoding)}});
    if (selection.copyMissing)
        for (const ReferenceCopy& copy : plan.copies) {
            const TpInfo& tp = copy.transponder != NO_POSITION ? db.transponders[copy.transponder]
                                                               : plan.newTransponders[copy.newTransponder];
            changes.push_back(
                {{"kind", "copy"},
                 {"type", typeName(copy.program.isRadio())},
                 {"name", programName(copy.program, encoding)},
                 {"frequency", tp.frequency},
                 {"polarity", std::string(kPolarityLetters[static_cast<std::size_t>(tp.polarity())])},
                 {"newTransponder", copy.transponder == NO_POSITION}});
        }
    for (const FavouriteGroupChange& group : review.favourites)
        changes.push_back({{"kind", "favourites"},
                           {"group", group.group + 1},
                           {"from", groupJson(group.nameBefore, group.tvBefore, group.radioBefore, encoding)},
                           {"to", groupJson(group.nameAfter, group.tvAfter, group.radioAfter, encoding)},
                           {"added", group.added},
                           {"removed", group.removed},
                           {"reordered", group.reordered}});
    return changes;
}

} // namespace kvx
