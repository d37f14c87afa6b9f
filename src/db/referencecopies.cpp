#include "db/referencecopies.h"

#include <map>
#include <memory>
#include <unordered_map>

#include "db/editops.h"
#include "db/transponderclass.h"

namespace kvx {

namespace {

uint64_t classKey(uint8_t slot, int polarity, int frequency)
{
    return (static_cast<uint64_t>(slot) << 20) | (static_cast<uint64_t>(polarityClass(polarity)) << 16) |
           static_cast<uint64_t>(frequency);
}

// The transponders of `db` by network, H/V class and frequency: the first listed of each.
class NearbyTransponders {
public:
    explicit NearbyTransponders(const ChannelDatabase& db)
    {
        first_.reserve(db.transponders.size());
        for (std::size_t j = 0; j < db.transponders.size() && j < NO_POSITION; ++j) {
            const TpInfo& tp = db.transponders[j];
            first_.emplace(classKey(tp.netIndex, tp.polarity(), tp.frequency), static_cast<uint16_t>(j));
        }
    }

    // The nearest transponder of the network and class within 2 MHz (the lower frequency on a tie),
    // or NO_POSITION.
    uint16_t nearest(uint8_t slot, const TpInfo& tp) const
    {
        for (int distance = 0; distance <= kSameTransponderMHz; ++distance)
            for (const int frequency : {tp.frequency - distance, tp.frequency + distance})
                if (const auto it = first_.find(classKey(slot, tp.polarity(), frequency)); it != first_.end())
                    return it->second;
        return NO_POSITION;
    }

private:
    std::unordered_map<uint64_t, uint16_t> first_;
};

} // namespace

void planReferenceCopies(const ChannelDatabase& db, const ChannelDatabase& reference,
                         const ReferenceMatching& matching, const std::vector<bool>& matched,
                         ReferencePlan& plan)
{
    std::vector<uint8_t> slotHere(reference.networks.size(), NO_SLOT);
    for (std::size_t s = 0; s < matching.networkPartner.size(); ++s)
        if (const uint8_t there = matching.networkPartner[s]; there < slotHere.size())
            slotHere[there] = static_cast<uint8_t>(s);
    std::vector<uint16_t> pairedHere(reference.transponders.size(), NO_POSITION);
    for (std::size_t j = 0; j < matching.transponderPartner.size(); ++j)
        if (const uint16_t there = matching.transponderPartner[j];
            there < pairedHere.size() && pairedHere[there] == NO_POSITION &&
            slotHere[reference.transponders[there].netIndex] == db.transponders[j].netIndex)
            pairedHere[there] = static_cast<uint16_t>(j);
    const NearbyTransponders nearby(db);
    std::unordered_map<uint16_t, uint32_t> created; // reference transponder -> new transponder
    const std::size_t room = NO_POSITION - std::min<std::size_t>(NO_POSITION, db.programs.size());
    for (std::size_t i = 0; i < reference.programs.size() && i < NO_POSITION && plan.copies.size() < room;
         ++i) {
        const ProgInfo& prog = reference.programs[i];
        const TpInfo* tp = reference.transponders.at(prog.tpIndex);
        if (matched[i] || tp == nullptr || tp->netIndex >= slotHere.size() ||
            slotHere[tp->netIndex] == NO_SLOT)
            continue;
        ReferenceCopy copy;
        copy.reference = static_cast<uint16_t>(i);
        copy.network = slotHere[tp->netIndex];
        copy.transponder = pairedHere[prog.tpIndex] != NO_POSITION ? pairedHere[prog.tpIndex]
                                                                   : nearby.nearest(copy.network, *tp);
        if (copy.transponder == NO_POSITION) {
            const auto [it, fresh] =
                created.emplace(prog.tpIndex, static_cast<uint32_t>(plan.newTransponders.size()));
            if (fresh) {
                TpInfo added = *tp;
                added.netIndex = copy.network;
                added.treeItem = nullptr;
                plan.newTransponders.push_back(added);
            }
            copy.newTransponder = it->second;
        }
        copy.program = prog;
        copy.program.treeItem = nullptr;
        copy.program.favMask = 0;
        plan.copies.push_back(std::move(copy));
    }
}

std::vector<uint16_t> addReferenceCopies(ChannelDatabase& db, const ReferencePlan& plan)
{
    // Records keep their addresses while the lists grow, so the copies' transponders are found by
    // address once every new one is in place.
    std::vector<const TpInfo*> target(plan.copies.size(), nullptr);
    std::vector<TpInfo*> created(plan.newTransponders.size(), nullptr);
    std::map<uint8_t, std::vector<std::unique_ptr<TpInfo>>> bySlot;
    for (std::size_t n = 0; n < plan.newTransponders.size(); ++n) {
        auto tp = std::make_unique<TpInfo>(plan.newTransponders[n]);
        created[n] = tp.get();
        bySlot[tp->netIndex].push_back(std::move(tp));
    }
    for (std::size_t k = 0; k < plan.copies.size(); ++k) {
        const ReferenceCopy& copy = plan.copies[k];
        target[k] = copy.transponder != NO_POSITION ? &db.transponders[copy.transponder]
                                                    : created[copy.newTransponder];
    }
    std::unordered_map<const TpInfo*, uint16_t> positions;
    for (auto& [slot, tps] : bySlot)
        appendTransponders(db, slot, std::move(tps)); // the ones without room are dropped here
    positions.reserve(db.transponders.size());
    for (std::size_t j = 0; j < db.transponders.size(); ++j)
        positions.emplace(&db.transponders[j], static_cast<uint16_t>(j));
    std::vector<uint16_t> added(plan.copies.size(), NO_POSITION);
    for (std::size_t k = 0; k < plan.copies.size(); ++k) {
        const auto it = positions.find(target[k]);
        if (it == positions.end() || db.programs.size() >= NO_POSITION)
            continue;
        ProgInfo prog = plan.copies[k].program;
        prog.tpIndex = it->second;
        added[k] = static_cast<uint16_t>(db.programs.size());
        db.programs.append(std::move(prog));
    }
    return added;
}

} // namespace kvx
