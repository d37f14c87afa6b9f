#include "cli/changejson.h"

#include "db/databasediff.h"
#include "platform/nameencoding.h"

namespace kvx {

using nlohmann::ordered_json;

namespace {

ordered_json transponderJson(const TpInfo& tp)
{
    return {{"frequency", tp.frequency},
            {"polarity", polarityText(tp.polarity())},
            {"symbolRate", tp.symbolRate},
            {"system", systemText(tp)},
            {"fec", fecText(tp)}};
}

ordered_json networkJson(const NetworkValues& values, const NameEncoding& encoding)
{
    return {{"name", encoding.toUtf8(values.name)}, {"degree", values.degree}};
}

ordered_json programsJson(const Change& change, const NameEncoding& encoding)
{
    ordered_json programs = ordered_json::array();
    for (const ProgramGone& prog : change.programs)
        programs.push_back(
            {{"name", nameText(prog.name, prog.nameCodePage, encoding)}, {"serviceId", prog.serviceId}});
    return programs;
}

ordered_json changeJson(const Change& change, bool selected, const NameEncoding& encoding)
{
    ordered_json out = {
        {"id", change.id}, {"kind", changeKindName(change.kind)}, {"network", change.network}};
    switch (change.kind) {
    case ChangeKind::Update: out["before"] = transponderJson(change.before); [[fallthrough]];
    case ChangeKind::Add: out["after"] = transponderJson(change.after); break;
    case ChangeKind::Remove:
        out["before"] = transponderJson(change.before);
        out["before"]["programs"] = programsJson(change, encoding);
        out["before"]["favouriteEntries"] = change.favouriteEntries;
        break;
    case ChangeKind::Network:
        out["before"] = networkJson(change.networkBefore, encoding);
        out["after"] = networkJson(change.networkAfter, encoding);
        break;
    case ChangeKind::Sort: break;
    }
    if (change.row > 0)
        out["row"] = change.row;
    if (change.repeatsRow > 0)
        out["repeatsRow"] = change.repeatsRow;
    if (const NearTransponder& near = change.possibleDuplicate; near.position != NO_POSITION)
        out["possibleDuplicateOf"] = {{"position", near.position},
                                      {"frequency", near.frequency},
                                      {"polarity", polarityText(near.polarity)}};
    out["selected"] = selected;
    return out;
}

} // namespace

ordered_json changesJson(const ChangeSet& changes, const ChangeSelection& selection,
                         const NameEncoding& encoding)
{
    ordered_json out = ordered_json::array();
    for (std::size_t k = 0; k < changes.size(); ++k)
        out.push_back(changeJson(changes[k], k < selection.size() && selection[k], encoding));
    return out;
}

} // namespace kvx
