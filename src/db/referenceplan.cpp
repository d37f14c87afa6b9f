#include "db/referenceplan.h"

#include <algorithm>
#include <limits>

#include "db/referencecopies.h"

namespace kvx {

namespace {

constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

bool ticked(const ReferenceSelection& selection, std::size_t match)
{
    return match < selection.matches.size() && selection.matches[match];
}

// Whether the plan's positions fit the database: the one planned on has as many programs, and the
// transponders and networks the copies go to.
bool fits(const ChannelDatabase& db, const ReferencePlan& plan)
{
    if (db.programs.size() != plan.programCount)
        return false;
    const bool matchesFit =
        std::all_of(plan.matches.begin(), plan.matches.end(), [&](const ReferenceMatch& m) {
            return m.program < plan.programCount && m.reference < plan.referenceProgramCount;
        });
    return matchesFit && std::all_of(plan.copies.begin(), plan.copies.end(), [&](const ReferenceCopy& c) {
               return c.network < db.networks.size() &&
                      (c.transponder == NO_POSITION ? c.newTransponder < plan.newTransponders.size()
                                                    : c.transponder < db.transponders.size());
           });
}

// Whether the entry of a mapped group stands for a program the selection keeps, and which: a ticked
// match's program, or with copyMissing a copy, numbered after the database's programs.
bool entryProgram(const ChannelDatabase& db, const ReferencePlan& plan, const ReferenceSelection& selection,
                  uint32_t entry, uint16_t& program, bool& radio)
{
    if (entry < plan.matches.size()) {
        if (!ticked(selection, entry))
            return false;
        program = plan.matches[entry].program;
        radio = db.programs[program].isRadio();
        return true;
    }
    const std::size_t copy = entry - plan.matches.size();
    if (!selection.copyMissing || copy >= plan.copies.size())
        return false;
    program = static_cast<uint16_t>(plan.programCount + copy);
    radio = plan.copies[copy].program.isRadio();
    return true;
}

// A group's lists as the selection makes them, in the positions of the database planned on (copies
// after its programs).
void mappedGroup(const ChannelDatabase& db, const ReferencePlan& plan, const ReferenceSelection& selection,
                 const ReferenceFavourites& group, CChList& tv, CChList& radio)
{
    tv.clear();
    radio.clear();
    uint16_t program = 0;
    bool isRadio = false;
    for (const std::vector<uint32_t>* entries : {&group.tvMatches, &group.radioMatches})
        for (const uint32_t entry : *entries)
            if (entryProgram(db, plan, selection, entry, program, isRadio))
                (isRadio ? radio : tv).push_back(program);
}

std::size_t groupsReplaced(const ChannelDatabase& db, const ReferencePlan& plan,
                           const ReferenceSelection& selection)
{
    return selection.favourites ? std::min(db.favourites.size(), plan.favourites.size()) : 0;
}

bool isIdentity(const std::vector<std::size_t>& order)
{
    for (std::size_t k = 0; k < order.size(); ++k)
        if (order[k] != k)
            return false;
    return true;
}

// Each program's 1-based number in its TV or radio list, in the order given.
std::vector<int> channelNumbers(const ChannelDatabase& db, const std::vector<std::size_t>& order)
{
    std::vector<int> numbers(db.programs.size(), 0);
    int tv = 0;
    int radio = 0;
    for (const std::size_t program : order)
        numbers[program] = db.programs[program].isRadio() ? ++radio : ++tv;
    return numbers;
}

// Scratch marks over the programs, each use with stamps of its own, so nothing needs clearing.
struct Marks {
    std::vector<uint32_t> marks;
    uint32_t stamp = 0;

    explicit Marks(std::size_t programs)
            : marks(programs, 0)
    {}
    // Marks the entries of the lists with a new stamp and returns it.
    uint32_t mark(const CChList& list, const CChList& more = {})
    {
        ++stamp;
        for (const CChList* marked : {&list, &more})
            for (const uint16_t entry : *marked)
                if (entry < marks.size())
                    marks[entry] = stamp;
        return stamp;
    }
    bool holds(uint16_t entry, uint32_t with) const { return entry < marks.size() && marks[entry] == with; }
};

// Entries of `list` held with `stamp`, in the list's order.
std::vector<uint16_t> heldEntries(const CChList& list, const Marks& marks, uint32_t stamp)
{
    std::vector<uint16_t> held;
    for (const uint16_t entry : list)
        if (marks.holds(entry, stamp))
            held.push_back(entry);
    return held;
}

// Whether the entries both lists hold come in another order in `is` than in `was`.
bool sharedOrderDiffers(const CChList& was, const CChList& is, Marks& marks)
{
    const uint32_t inIs = marks.mark(is);
    const std::vector<uint16_t> kept = heldEntries(was, marks, inIs);
    const uint32_t inBoth = marks.mark(CChList(kept.begin(), kept.end()));
    return heldEntries(is, marks, inBoth) != kept;
}

FavouriteGroupChange groupChange(int group, const FavInfo& before, const std::string& nameAfter,
                                 const CChList& tv, const CChList& radio, Marks& marks)
{
    FavouriteGroupChange change;
    change.group = group;
    change.nameBefore = before.name;
    change.nameAfter = nameAfter;
    change.tvBefore = static_cast<int>(before.tvList.size());
    change.radioBefore = static_cast<int>(before.radioList.size());
    change.tvAfter = static_cast<int>(tv.size());
    change.radioAfter = static_cast<int>(radio.size());
    // Membership counts TV and radio together: a program whose entry changes list stays.
    const uint32_t inBefore = marks.mark(before.tvList, before.radioList);
    for (const CChList* list : {&tv, &radio})
        for (const uint16_t entry : *list)
            if (!marks.holds(entry, inBefore))
                ++change.added;
    const uint32_t inAfter = marks.mark(tv, radio);
    for (const CChList* list : {&before.tvList, &before.radioList})
        for (const uint16_t entry : *list)
            if (!marks.holds(entry, inAfter))
                ++change.removed;
    change.reordered =
        sharedOrderDiffers(before.tvList, tv, marks) || sharedOrderDiffers(before.radioList, radio, marks);
    return change;
}

} // namespace

ReferenceSelection ReferencePlan::defaultSelection() const
{
    return {std::vector<bool>(matches.size(), true), true, false, false};
}

ReferencePlan planReference(const ChannelDatabase& db, const ChannelDatabase& reference, uint8_t anyNetwork)
{
    ReferencePlan plan;
    plan.programCount = db.programs.size();
    plan.referenceProgramCount = reference.programs.size();
    const ReferenceMatching matching = matchReference(db, reference, anyNetwork);
    std::vector<uint32_t> matchOfReference(reference.programs.size(), kNone);
    plan.matches.reserve(matching.matches.size());
    for (const ProgramMatch& m : matching.matches) {
        const ProgInfo& prog = reference.programs[m.reference];
        matchOfReference[m.reference] = static_cast<uint32_t>(plan.matches.size());
        plan.matches.push_back({m.program, m.reference, m.kind, prog.name, prog.nameCodePage});
    }
    std::vector<bool> matched(reference.programs.size(), false);
    for (const ProgramMatch& m : matching.matches)
        matched[m.reference] = true;
    planReferenceCopies(db, reference, matching, matched, plan);
    // Group entries name a match, or a copy after the matches.
    for (std::size_t k = 0; k < plan.copies.size(); ++k)
        matchOfReference[plan.copies[k].reference] = static_cast<uint32_t>(plan.matches.size() + k);
    // A damaged reference may list a program twice in a group; it is taken once.
    std::vector<uint32_t> listedIn(reference.programs.size(), kNone);
    const std::size_t groups = std::min(db.favourites.size(), reference.favourites.size());
    plan.favourites.resize(groups);
    for (std::size_t g = 0; g < groups; ++g) {
        const FavInfo& fav = reference.favourites[g];
        ReferenceFavourites& mapped = plan.favourites[g];
        mapped.name = fav.name;
        const auto take = [&](const CChList& list, std::vector<uint32_t>& out) {
            for (const uint16_t entry : list) {
                if (entry >= matchOfReference.size() || matchOfReference[entry] == kNone ||
                    listedIn[entry] == g)
                    continue;
                listedIn[entry] = static_cast<uint32_t>(g);
                out.push_back(matchOfReference[entry]);
            }
        };
        take(fav.tvList, mapped.tvMatches);
        take(fav.radioList, mapped.radioMatches);
    }
    return plan;
}

std::vector<std::size_t> referenceOrder(const ReferencePlan& plan, const ReferenceSelection& selection)
{
    std::vector<uint32_t> atReference(plan.referenceProgramCount, kNone);
    std::vector<bool> matched(plan.programCount, false);
    for (std::size_t k = 0; k < plan.matches.size(); ++k) {
        const ReferenceMatch& m = plan.matches[k];
        if (!ticked(selection, k) || m.program >= plan.programCount || m.reference >= atReference.size())
            continue;
        atReference[m.reference] = m.program;
        matched[m.program] = true;
    }
    std::vector<std::size_t> order;
    order.reserve(plan.programCount);
    for (const uint32_t program : atReference)
        if (program != kNone)
            order.push_back(program);
    for (std::size_t j = 0; j < plan.programCount; ++j)
        if (!matched[j])
            order.push_back(j);
    return order;
}

ReferenceReview reviewReferencePlan(const ChannelDatabase& db, const ReferencePlan& plan,
                                    const ReferenceSelection& selection)
{
    ReferenceReview review;
    if (!fits(db, plan))
        return review;
    for (std::size_t k = 0; k < plan.matches.size(); ++k)
        if (ticked(selection, k))
            ++(plan.matches[k].kind == MatchKind::ServiceId ? review.counts.byServiceId
                                                            : review.counts.byName);
    review.counts.unmatched = static_cast<int>(plan.programCount) - review.counts.matched();
    review.counts.referenceUnmatched = static_cast<int>(plan.referenceProgramCount) - review.counts.matched();
    if (selection.copyMissing) {
        review.counts.copied = static_cast<int>(plan.copies.size());
        review.counts.transpondersCopied = static_cast<int>(plan.newTransponders.size());
    }

    const std::vector<std::size_t> order = referenceOrder(plan, selection);
    review.reordered = !isIdentity(order);
    if (review.reordered) {
        std::vector<std::size_t> present(order.size());
        for (std::size_t j = 0; j < present.size(); ++j)
            present[j] = j;
        const std::vector<int> before = channelNumbers(db, present);
        const std::vector<int> after = channelNumbers(db, order);
        for (const bool radio : {false, true})
            for (const std::size_t program : order)
                if (db.programs[program].isRadio() == radio && before[program] != after[program])
                    review.moves.push_back(
                        {static_cast<uint16_t>(program), radio, before[program], after[program]});
    }

    if (selection.names)
        for (std::size_t k = 0; k < plan.matches.size(); ++k) {
            const ReferenceMatch& m = plan.matches[k];
            const ProgInfo& prog = db.programs[m.program];
            if (ticked(selection, k) &&
                (prog.name != m.referenceName || prog.nameCodePage != m.referenceCodePage))
                review.renames.push_back(
                    {m.program, prog.name, prog.nameCodePage, m.referenceName, m.referenceCodePage});
        }

    Marks marks(db.programs.size());
    CChList tv;
    CChList radio;
    for (std::size_t g = 0; g < groupsReplaced(db, plan, selection); ++g) {
        const FavInfo& fav = db.favourites[g];
        const ReferenceFavourites& group = plan.favourites[g];
        mappedGroup(db, plan, selection, group, tv, radio);
        if (fav.name != group.name || fav.tvList != tv || fav.radioList != radio)
            review.favourites.push_back(groupChange(static_cast<int>(g), fav, group.name, tv, radio, marks));
    }
    return review;
}

Status applyReferencePlan(ChannelDatabase& db, const ReferencePlan& plan, const ReferenceSelection& selection)
{
    if (!fits(db, plan))
        return StatusChangesOutdated;
    // The replaced groups as the selection makes them, in the positions of the database planned on,
    // where a copy stands after its programs (programCount + the copy's index).
    const std::size_t replaced = groupsReplaced(db, plan, selection);
    std::vector<FavInfo> groups(replaced);
    for (std::size_t g = 0; g < replaced; ++g) {
        groups[g].name = plan.favourites[g].name;
        mappedGroup(db, plan, selection, plan.favourites[g], groups[g].tvList, groups[g].radioList);
    }
    if (selection.names)
        for (std::size_t k = 0; k < plan.matches.size(); ++k)
            if (ticked(selection, k)) {
                ProgInfo& prog = db.programs[plan.matches[k].program];
                prog.name = plan.matches[k].referenceName;
                prog.nameCodePage = plan.matches[k].referenceCodePage;
            }

    std::vector<std::size_t> order = referenceOrder(plan, selection);
    std::vector<uint16_t> added; // where each copy was added, NO_POSITION for one without room
    if (selection.copyMissing)
        added = addReferenceCopies(db, plan);
    for (const uint16_t position : added)
        if (position != NO_POSITION)
            order.push_back(position);
    std::vector<uint16_t> moved(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        moved[order[k]] = static_cast<uint16_t>(k);
    const auto planned = [&](uint16_t entry) -> uint16_t {
        if (entry < plan.programCount)
            return moved[entry];
        const std::size_t copy = entry - plan.programCount;
        return copy < added.size() && added[copy] != NO_POSITION ? moved[added[copy]] : NO_POSITION;
    };
    const auto remapPlanned = [&](const CChList& from, CChList& to) {
        to.clear();
        for (const uint16_t entry : from)
            if (const uint16_t position = planned(entry); position != NO_POSITION)
                to.push_back(position);
    };
    for (std::size_t g = 0; g < db.favourites.size(); ++g) {
        FavInfo& fav = db.favourites[g];
        if (g < replaced) {
            fav.name = groups[g].name;
            remapPlanned(groups[g].tvList, fav.tvList);
            remapPlanned(groups[g].radioList, fav.radioList);
            continue;
        }
        for (CChList* list : {&fav.tvList, &fav.radioList})
            for (uint16_t& entry : *list)
                if (entry < plan.programCount)
                    entry = moved[entry];
    }
    if (!isIdentity(order))
        db.programs.reorder(order);
    return StatusOk;
}

} // namespace kvx
