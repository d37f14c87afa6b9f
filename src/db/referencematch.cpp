#include "db/referencematch.h"

#include <algorithm>
#include <unordered_map>

#include "db/tables.h"

namespace kvx {

namespace {

// Transponders within this many MHz of each other are one transponder, as in an update.
constexpr int kFrequencyTolerance = 2;

// Lists of candidates by key, each in list order; a candidate taken is marked in `taken`, so the first
// one left under a key is found in amortised constant time.
class CandidateBuckets {
public:
    explicit CandidateBuckets(std::size_t expected) { buckets_.reserve(expected); }

    void add(uint64_t key, uint32_t index) { buckets_[key].items.push_back(index); }

    // The first candidate under `key` that `taken` does not mark, or -1.
    int64_t firstLeft(uint64_t key, const std::vector<bool>& taken)
    {
        const auto it = buckets_.find(key);
        if (it == buckets_.end())
            return -1;
        Bucket& bucket = it->second;
        while (bucket.cursor < bucket.items.size() && taken[bucket.items[bucket.cursor]])
            ++bucket.cursor;
        return bucket.cursor < bucket.items.size() ? static_cast<int64_t>(bucket.items[bucket.cursor]) : -1;
    }

private:
    struct Bucket {
        std::vector<uint32_t> items;
        std::size_t cursor = 0;
    };
    std::unordered_map<uint64_t, Bucket> buckets_;
};

// Which record of one side each record of the other is paired with.
struct Pairs {
    std::vector<bool> takenHere;
    std::vector<bool> takenThere;
};

std::size_t satelliteSlots(const ChannelDatabase& db)
{
    return std::min<std::size_t>(db.networks.size(), SATELLITE_SLOT_COUNT);
}

bool hasPosition(const NetInfo& net)
{
    return !net.isEmpty();
}

std::vector<uint8_t> pairNetworks(const ChannelDatabase& db, const ChannelDatabase& reference,
                                  uint8_t anyNetwork)
{
    std::vector<uint8_t> partner(db.networks.size(), NO_SLOT);
    std::vector<bool> referenceTaken(reference.networks.size(), false);
    if (anyNetwork < referenceTaken.size())
        referenceTaken[anyNetwork] = true; // it pairs with no network of its own
    const auto pair = [&](std::size_t here, std::size_t there) {
        partner[here] = static_cast<uint8_t>(there);
        referenceTaken[there] = true;
    };
    // By position: the reference's positioned networks of each degree, in slot order.
    struct Queue {
        std::vector<uint8_t> slots;
        std::size_t next = 0;
    };
    std::unordered_map<uint16_t, Queue> byDegree;
    for (std::size_t s = 0; s < satelliteSlots(reference); ++s)
        if (hasPosition(reference.networks[s]) && s != anyNetwork)
            byDegree[reference.networks[s].degree].slots.push_back(static_cast<uint8_t>(s));
    for (std::size_t s = 0; s < satelliteSlots(db); ++s) {
        if (!hasPosition(db.networks[s]))
            continue;
        const auto it = byDegree.find(db.networks[s].degree);
        if (it != byDegree.end() && it->second.next < it->second.slots.size())
            pair(s, it->second.slots[it->second.next++]);
    }
    // By slot, where a side does not know the position.
    const std::size_t common = std::min(satelliteSlots(db), satelliteSlots(reference));
    for (std::size_t s = 0; s < common; ++s)
        if (partner[s] == NO_SLOT && !referenceTaken[s] &&
            (!hasPosition(db.networks[s]) || !hasPosition(reference.networks[s])))
            pair(s, s);
    if (db.networks.size() > TERRESTRIAL_SLOT && reference.networks.size() > TERRESTRIAL_SLOT &&
        anyNetwork != TERRESTRIAL_SLOT)
        pair(TERRESTRIAL_SLOT, TERRESTRIAL_SLOT);
    return partner;
}

// Polarity 0 V and 2 R are one class, 1 H and 3 L the other.
uint64_t polarityClass(int polarity)
{
    return static_cast<uint64_t>(polarity & 1);
}

// Bucket keys: the reference's slot, a polarity (exact) or its class (4 + class), the frequency.
uint64_t transponderKey(uint64_t slot, uint64_t polarityKey, int frequency)
{
    return (slot << 20) | (polarityKey << 16) | static_cast<uint64_t>(frequency);
}

// Pairs the open transponders of `db` with the reference's of the slot `slotOf` gives, nearest first:
// the same frequency and polarity, then the same class at 0, 1 and 2 MHz. A reference transponder
// paired is taken unless `shared` (the any-network slot, whose transponders stand for one of every
// network).
template <typename SlotOf>
void pairNearest(const ChannelDatabase& db, const std::vector<uint32_t>& open, SlotOf slotOf, bool shared,
                 CandidateBuckets& exact, CandidateBuckets& byClass, std::vector<bool>& taken,
                 std::vector<uint16_t>& partner)
{
    const CTpList& here = db.transponders;
    const std::vector<bool> untaken(shared ? taken.size() : 0, false);
    const std::vector<bool>& blocked = shared ? untaken : taken;
    const auto pair = [&](uint32_t j, int64_t i) {
        partner[j] = static_cast<uint16_t>(i);
        if (!shared)
            taken[static_cast<std::size_t>(i)] = true;
    };
    for (const uint32_t j : open) {
        const TpInfo& tp = here[j];
        const uint64_t key = transponderKey(slotOf(tp), static_cast<uint64_t>(tp.polarity()), tp.frequency);
        if (partner[j] == NO_POSITION)
            if (const int64_t i = exact.firstLeft(key, blocked); i >= 0)
                pair(j, i);
    }
    for (int distance = 0; distance <= kFrequencyTolerance; ++distance) {
        for (const uint32_t j : open) {
            if (partner[j] != NO_POSITION)
                continue;
            const TpInfo& tp = here[j];
            int64_t best = -1;
            for (const int frequency : {tp.frequency - distance, tp.frequency + distance}) {
                if (frequency < 0 || frequency > 0xFFFF)
                    continue;
                const uint64_t key = transponderKey(slotOf(tp), 4 + polarityClass(tp.polarity()), frequency);
                const int64_t i = byClass.firstLeft(key, blocked);
                if (i >= 0 && (best < 0 || i < best))
                    best = i;
            }
            if (best >= 0)
                pair(j, best);
        }
    }
}

std::vector<uint16_t> pairTransponders(const ChannelDatabase& db, const ChannelDatabase& reference,
                                       const std::vector<uint8_t>& networkPartner, uint8_t anyNetwork)
{
    const CTpList& here = db.transponders;
    const CTpList& there = reference.transponders;
    std::vector<uint16_t> partner(here.size(), NO_POSITION);
    std::vector<bool> taken(there.size(), false);
    CandidateBuckets exact(there.size());
    CandidateBuckets byClass(there.size());
    for (std::size_t i = 0; i < there.size() && i < NO_POSITION; ++i) {
        const TpInfo& tp = there[i];
        exact.add(transponderKey(tp.netIndex, static_cast<uint64_t>(tp.polarity()), tp.frequency),
                  static_cast<uint32_t>(i));
        byClass.add(transponderKey(tp.netIndex, 4 + polarityClass(tp.polarity()), tp.frequency),
                    static_cast<uint32_t>(i));
    }
    // The transponders of `db` that can pair: those of a paired network, then any left over.
    std::vector<uint32_t> open;
    std::vector<uint32_t> rest;
    open.reserve(here.size());
    for (std::size_t j = 0; j < here.size() && j < NO_POSITION; ++j) {
        const bool paired =
            here[j].netIndex < networkPartner.size() && networkPartner[here[j].netIndex] != NO_SLOT;
        (paired ? open : rest).push_back(static_cast<uint32_t>(j));
    }
    const auto ownSlot = [&](const TpInfo& tp) -> uint64_t { return networkPartner[tp.netIndex]; };
    pairNearest(db, open, ownSlot, false, exact, byClass, taken, partner);
    if (anyNetwork == NO_SLOT)
        return partner;
    for (const uint32_t j : open)
        if (partner[j] == NO_POSITION)
            rest.push_back(j);
    const auto anySlot = [&](const TpInfo&) -> uint64_t { return anyNetwork; };
    pairNearest(db, rest, anySlot, true, exact, byClass, taken, partner);
    return partner;
}

uint64_t programKey(uint64_t tpIndex, uint16_t serviceId)
{
    return (tpIndex << 16) | serviceId;
}

void matchByServiceId(const ChannelDatabase& db, const ChannelDatabase& reference,
                      const std::vector<uint16_t>& transponderPartner, Pairs& pairs,
                      std::vector<ProgramMatch>& matches)
{
    CandidateBuckets candidates(reference.programs.size());
    for (std::size_t i = 0; i < reference.programs.size() && i < NO_POSITION; ++i) {
        const ProgInfo& prog = reference.programs[i];
        candidates.add(programKey(prog.tpIndex, prog.serviceId), static_cast<uint32_t>(i));
    }
    for (std::size_t j = 0; j < db.programs.size() && j < NO_POSITION; ++j) {
        const ProgInfo& prog = db.programs[j];
        if (prog.tpIndex >= transponderPartner.size() || transponderPartner[prog.tpIndex] == NO_POSITION)
            continue;
        const int64_t i = candidates.firstLeft(programKey(transponderPartner[prog.tpIndex], prog.serviceId),
                                               pairs.takenThere);
        if (i < 0)
            continue;
        pairs.takenHere[j] = true;
        pairs.takenThere[static_cast<std::size_t>(i)] = true;
        matches.push_back({static_cast<uint16_t>(j), static_cast<uint16_t>(i), MatchKind::ServiceId});
    }
}

// The slot of the program's network, or NO_SLOT for a program whose references lead nowhere.
uint8_t networkOfProgram(const ChannelDatabase& db, const ProgInfo& prog)
{
    const TpInfo* tp = db.transponders.at(prog.tpIndex);
    return tp != nullptr && tp->netIndex < db.networks.size() ? tp->netIndex : NO_SLOT;
}

// The key of a name in a network of the reference: the slot's byte, then the matching name.
std::string nameKey(uint8_t referenceSlot, std::string_view name)
{
    std::string key = matchingName(name);
    if (key.empty())
        return key;
    key.insert(key.begin(), static_cast<char>(referenceSlot));
    return key;
}

void matchByName(const ChannelDatabase& db, const ChannelDatabase& reference,
                 const std::vector<uint8_t>& networkPartner, uint8_t anyNetwork, Pairs& pairs,
                 std::vector<ProgramMatch>& matches)
{
    struct Holders {
        uint32_t hereCount = 0;
        uint32_t thereCount = 0;
        uint32_t there = 0;
    };
    std::vector<bool> referencePaired(reference.networks.size(), false);
    for (const uint8_t slot : networkPartner)
        if (slot != NO_SLOT)
            referencePaired[slot] = true;
    if (anyNetwork < referencePaired.size())
        referencePaired[anyNetwork] = true;
    std::unordered_map<std::string, Holders> names;
    for (std::size_t i = 0; i < reference.programs.size() && i < NO_POSITION; ++i) {
        if (pairs.takenThere[i])
            continue;
        const ProgInfo& prog = reference.programs[i];
        const uint8_t slot = networkOfProgram(reference, prog);
        if (slot == NO_SLOT || !referencePaired[slot])
            continue;
        if (std::string key = nameKey(slot, prog.name); !key.empty()) {
            Holders& holders = names[std::move(key)];
            ++holders.thereCount;
            holders.there = static_cast<uint32_t>(i);
        }
    }
    if (names.empty())
        return;
    // The programs of `db` whose name a reference program left over holds, with that name's holders:
    // under the paired network's key, and under the any-network key, which every network shares.
    std::vector<std::pair<uint32_t, Holders*>> candidates;
    const auto offer = [&](uint32_t j, const std::string& key) {
        if (key.empty())
            return;
        if (const auto it = names.find(key); it != names.end()) {
            ++it->second.hereCount;
            candidates.emplace_back(j, &it->second);
        }
    };
    for (std::size_t j = 0; j < db.programs.size() && j < NO_POSITION; ++j) {
        if (pairs.takenHere[j])
            continue;
        const ProgInfo& prog = db.programs[j];
        const uint8_t slot = networkOfProgram(db, prog);
        if (slot == NO_SLOT)
            continue;
        if (networkPartner[slot] != NO_SLOT)
            offer(static_cast<uint32_t>(j), nameKey(networkPartner[slot], prog.name));
        if (anyNetwork != NO_SLOT)
            offer(static_cast<uint32_t>(j), nameKey(anyNetwork, prog.name));
    }
    for (const auto& [j, holders] : candidates) {
        if (holders->hereCount != 1 || holders->thereCount != 1 || pairs.takenHere[j] ||
            pairs.takenThere[holders->there])
            continue;
        pairs.takenHere[j] = true;
        pairs.takenThere[holders->there] = true;
        matches.push_back({static_cast<uint16_t>(j), static_cast<uint16_t>(holders->there), MatchKind::Name});
    }
}

} // namespace

std::string matchingName(std::string_view name)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && blank(name.back()))
        name.remove_suffix(1);
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

ReferenceMatching matchReference(const ChannelDatabase& db, const ChannelDatabase& reference,
                                 uint8_t anyNetwork)
{
    ReferenceMatching matching;
    matching.networkPartner = pairNetworks(db, reference, anyNetwork);
    matching.transponderPartner = pairTransponders(db, reference, matching.networkPartner, anyNetwork);
    Pairs pairs{std::vector<bool>(db.programs.size(), false),
                std::vector<bool>(reference.programs.size(), false)};
    matchByServiceId(db, reference, matching.transponderPartner, pairs, matching.matches);
    matchByName(db, reference, matching.networkPartner, anyNetwork, pairs, matching.matches);
    return matching;
}

} // namespace kvx
