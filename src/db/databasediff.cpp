#include "db/databasediff.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <unordered_map>

#include "db/tables.h"
#include "db/transponderclass.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

class FieldComparer {
public:
    template <class T>
    void number(const char* field, T before, T after)
    {
        if (before != after)
            fields.push_back({field, DiffValue::ofNumber(before), DiffValue::ofNumber(after), {}});
    }
    void name(const char* field, const std::string& before, const std::string& after)
    {
        if (before != after)
            fields.push_back({field, DiffValue::ofName(before), DiffValue::ofName(after), {}});
    }
    void text(const char* field, std::string before, std::string after)
    {
        if (before != after)
            fields.push_back(
                {field, DiffValue::ofText(std::move(before)), DiffValue::ofText(std::move(after)), {}});
    }

    std::vector<FieldChange> fields;
};

std::string pidListText(const PidList& pids)
{
    std::string text;
    for (std::size_t k = 0; k < pids.size(); ++k) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%s0x%04X/%u", k == 0 ? "" : " ", pids.pidWord(k),
                      static_cast<unsigned>(pids.language(k)));
        text += entry;
    }
    return text;
}

// Lists of candidates by key, each taken in list order: the first one not yet paired.
class CandidateBuckets {
public:
    void add(uint64_t key, int index) { buckets_[key].items.push_back(index); }

    // The first unpaired candidate under `key`, or -1.
    int firstUnpaired(uint64_t key, const std::vector<int>& partner)
    {
        const auto it = buckets_.find(key);
        if (it == buckets_.end())
            return -1;
        Bucket& bucket = it->second;
        while (bucket.cursor < bucket.items.size() && partner[bucket.items[bucket.cursor]] >= 0)
            ++bucket.cursor;
        return bucket.cursor < bucket.items.size() ? bucket.items[bucket.cursor] : -1;
    }

private:
    struct Bucket {
        std::vector<int> items;
        std::size_t cursor = 0;
    };
    std::unordered_map<uint64_t, Bucket> buckets_;
};

// Which record of `before` each record of `after` is, and the reverse; -1 for none.
struct Pairing {
    std::vector<int> beforeOf;
    std::vector<int> afterOf;

    Pairing(std::size_t beforeCount, std::size_t afterCount)
            : beforeOf(afterCount, -1)
            , afterOf(beforeCount, -1)
    {}
    void pair(int before, int after)
    {
        beforeOf[static_cast<std::size_t>(after)] = before;
        afterOf[static_cast<std::size_t>(before)] = after;
    }
    // Whether the paired records of `after` keep their order in `before`.
    bool keepsOrder() const
    {
        int last = -1;
        for (const int before : beforeOf) {
            if (before < 0)
                continue;
            if (before < last)
                return false;
            last = before;
        }
        return true;
    }
};

// Keys of the buckets: slot, a polarity or its class, frequency.
uint64_t transponderKey(int slot, int polarity, int frequency)
{
    return (static_cast<uint64_t>(slot) << 24) | (static_cast<uint64_t>(polarity) << 16) |
           static_cast<uint64_t>(frequency);
}

uint64_t exactKey(const TpInfo& tp)
{
    return transponderKey(tp.netIndex, tp.polarity(), tp.frequency);
}

uint64_t classKey(const TpInfo& tp, int frequency)
{
    return transponderKey(tp.netIndex, polarityClass(tp.polarity()), frequency);
}

// The unpaired transponder of `before` nearest to `tp` within the tolerance, in its slot and class; of
// two as near, the one listed first. -1 for none. Equal frequencies have paired already.
int nearestUnpaired(const TpInfo& tp, CandidateBuckets& byClass, const std::vector<int>& partner)
{
    for (int distance = 1; distance <= kSameTransponderMHz; ++distance) {
        int best = -1;
        for (const int frequency : {tp.frequency - distance, tp.frequency + distance}) {
            if (frequency < 0 || frequency > 0xFFFF)
                continue;
            const int i = byClass.firstUnpaired(classKey(tp, frequency), partner);
            if (i >= 0 && (best < 0 || i < best))
                best = i;
        }
        if (best >= 0)
            return best;
    }
    return -1;
}

// Equal frequencies pair first, the same polarity before the same class, so that a neighbour within
// the tolerance never takes a transponder's own match; then each transponder of `after` in turn takes
// the nearest one left.
Pairing pairTransponders(const CTpList& before, const CTpList& after)
{
    Pairing pairing(before.size(), after.size());
    CandidateBuckets exact;
    CandidateBuckets byClass;
    for (std::size_t i = 0; i < before.size(); ++i) {
        exact.add(exactKey(before[i]), static_cast<int>(i));
        byClass.add(classKey(before[i], before[i].frequency), static_cast<int>(i));
    }
    for (std::size_t j = 0; j < after.size(); ++j)
        if (const int i = exact.firstUnpaired(exactKey(after[j]), pairing.afterOf); i >= 0)
            pairing.pair(i, static_cast<int>(j));
    for (std::size_t j = 0; j < after.size(); ++j)
        if (pairing.beforeOf[j] < 0)
            if (const int i = byClass.firstUnpaired(classKey(after[j], after[j].frequency), pairing.afterOf);
                i >= 0)
                pairing.pair(i, static_cast<int>(j));
    for (std::size_t j = 0; j < after.size(); ++j)
        if (pairing.beforeOf[j] < 0)
            if (const int i = nearestUnpaired(after[j], byClass, pairing.afterOf); i >= 0)
                pairing.pair(i, static_cast<int>(j));
    return pairing;
}

Pairing pairPrograms(const CProgList& before, const CProgList& after, const Pairing& transponders)
{
    Pairing pairing(before.size(), after.size());
    CandidateBuckets candidates;
    const auto key = [](std::size_t tpIndex, uint16_t serviceId) {
        return (static_cast<uint64_t>(tpIndex) << 16) | serviceId;
    };
    for (std::size_t i = 0; i < before.size(); ++i)
        candidates.add(key(before[i].tpIndex, before[i].serviceId), static_cast<int>(i));
    for (std::size_t j = 0; j < after.size(); ++j) {
        const ProgInfo& prog = after[j];
        if (prog.tpIndex >= transponders.beforeOf.size())
            continue;
        const int tp = transponders.beforeOf[prog.tpIndex];
        if (tp < 0)
            continue;
        if (const int i =
                candidates.firstUnpaired(key(static_cast<std::size_t>(tp), prog.serviceId), pairing.afterOf);
            i >= 0)
            pairing.pair(i, static_cast<int>(j));
    }
    return pairing;
}

TransponderKey keyOfTransponder(const ChannelDatabase& db, std::size_t tpIndex)
{
    const TpInfo* tp = db.transponders.at(tpIndex);
    if (tp == nullptr)
        return {};
    return {tp->netIndex, tp->frequency, tp->polarity()};
}

ProgramKey keyOfProgram(const ChannelDatabase& db, const ProgInfo& prog)
{
    return {keyOfTransponder(db, prog.tpIndex), prog.name, prog.serviceId, prog.nameCodePage};
}

std::vector<int> programCounts(const ChannelDatabase& db)
{
    std::vector<int> counts(db.transponders.size(), 0);
    for (const auto& prog : db.programs)
        if (prog.tpIndex < counts.size())
            ++counts[prog.tpIndex];
    return counts;
}

TpInfo withoutTreeItem(const TpInfo& tp)
{
    TpInfo copy = tp;
    copy.treeItem = nullptr;
    return copy;
}

void compareFile(const ChannelDatabase& before, const ChannelDatabase& after, DatabaseDiff& diff)
{
    FieldComparer fields;
    fields.number("version", before.version, after.version);
    fields.number("layoutFlags", before.layoutFlags, after.layoutFlags);
    fields.number("compressed", before.compressed, after.compressed);
    diff.file = std::move(fields.fields);
    if (before.stamp != after.stamp)
        diff.stamp = std::make_pair(before.stamp, after.stamp);
}

void compareNetworks(const ChannelDatabase& before, const ChannelDatabase& after, DatabaseDiff& diff)
{
    const std::size_t count = std::min(before.networks.size(), after.networks.size());
    for (std::size_t slot = 0; slot < count; ++slot) {
        const NetInfo& a = before.networks[slot];
        const NetInfo& b = after.networks[slot];
        FieldComparer fields;
        fields.name("name", a.name, b.name);
        fields.number("degree", a.degree, b.degree);
        fields.number("positionerId", a.positionerId, b.positionerId);
        fields.number("skewV", a.skewV, b.skewV);
        fields.number("skewH", a.skewH, b.skewH);
        const AntInfo* antA = before.antennas.at(slot);
        const AntInfo* antB = after.antennas.at(slot);
        if (antA != nullptr && antB != nullptr) {
            fields.number("diseqc", antA->diseqc, antB->diseqc);
            fields.number("power", antA->power, antB->power);
            fields.number("ports", antA->ports, antB->ports);
            fields.number("lnbType", antA->lnbType, antB->lnbType);
            fields.number("lnbFreqLow", antA->lnbFreqLow, antB->lnbFreqLow);
            fields.number("lnbFreqHigh", antA->lnbFreqHigh, antB->lnbFreqHigh);
        }
        if (!fields.fields.empty())
            diff.networks.push_back({static_cast<int>(slot), a.name, std::move(fields.fields)});
    }
}

std::vector<FieldChange> transponderFields(const TpInfo& a, const TpInfo& b)
{
    FieldComparer fields;
    fields.name("name", a.name, b.name);
    fields.number("frequency", a.frequency, b.frequency);
    fields.text("polarity", polarityText(a.polarity()), polarityText(b.polarity()));
    fields.number("symbolRate", a.symbolRate, b.symbolRate);
    fields.text("system", systemText(a), systemText(b));
    fields.text("modulation", (a.tpFlags & TP_8PSK) ? "8PSK" : "QPSK",
                (b.tpFlags & TP_8PSK) ? "8PSK" : "QPSK");
    fields.text("fec", fecText(a), fecText(b));
    fields.number("freqDrift", a.freqDrift, b.freqDrift);
    fields.number("gmtError", a.gmtError, b.gmtError);
    static constexpr const char* kExtraNames[] = {"tpExtra0", "tpExtra1", "tpExtra2", "tpExtra3"};
    for (std::size_t k = 0; k < a.tpExtra.size(); ++k)
        fields.number(kExtraNames[k], a.tpExtra[k], b.tpExtra[k]);
    return std::move(fields.fields);
}

void compareTransponders(const ChannelDatabase& before, const ChannelDatabase& after, const Pairing& pairing,
                         DatabaseDiff& diff)
{
    const std::vector<int> countsBefore = programCounts(before);
    const std::vector<int> countsAfter = programCounts(after);
    for (std::size_t i = 0; i < before.transponders.size(); ++i)
        if (pairing.afterOf[i] < 0)
            diff.transpondersRemoved.push_back({withoutTreeItem(before.transponders[i]), countsBefore[i]});
    for (std::size_t j = 0; j < after.transponders.size(); ++j) {
        const TpInfo& b = after.transponders[j];
        const int i = pairing.beforeOf[j];
        if (i < 0) {
            diff.transpondersAdded.push_back({withoutTreeItem(b), countsAfter[j]});
            continue;
        }
        const TpInfo& a = before.transponders[static_cast<std::size_t>(i)];
        if (std::vector<FieldChange> fields = transponderFields(a, b); !fields.empty())
            diff.transpondersChanged.push_back({withoutTreeItem(a), withoutTreeItem(b), std::move(fields)});
    }
    diff.transpondersReordered = !pairing.keepsOrder();
}

std::vector<FieldChange> programFields(const ProgInfo& a, const ProgInfo& b)
{
    FieldComparer fields;
    if (a.name != b.name)
        fields.fields.push_back({"name",
                                 DiffValue::ofName(a.name, a.nameCodePage),
                                 DiffValue::ofName(b.name, b.nameCodePage),
                                 {}});
    fields.number("nameCodePage", a.nameCodePage, b.nameCodePage);
    fields.number("pmtPid", a.pmtPid, b.pmtPid);
    fields.number("pcrPid", a.pcrPid, b.pcrPid);
    fields.text("videoPids", pidListText(a.videoPids), pidListText(b.videoPids));
    fields.text("audioPids", pidListText(a.audioPids), pidListText(b.audioPids));
    fields.text("teletextPids", pidListText(a.teletextPids), pidListText(b.teletextPids));
    fields.number("caSystems", a.caSystems, b.caSystems);
    fields.number("attributes", a.attributes, b.attributes);
    fields.number("spareByte", a.spareByte, b.spareByte);
    fields.number("spareWord", a.spareWord, b.spareWord);
    return std::move(fields.fields);
}

void comparePrograms(const ChannelDatabase& before, const ChannelDatabase& after, const Pairing& pairing,
                     DatabaseDiff& diff)
{
    for (std::size_t i = 0; i < before.programs.size(); ++i)
        if (pairing.afterOf[i] < 0)
            diff.programsRemoved.push_back(keyOfProgram(before, before.programs[i]));
    for (std::size_t j = 0; j < after.programs.size(); ++j) {
        const ProgInfo& b = after.programs[j];
        const int i = pairing.beforeOf[j];
        if (i < 0) {
            diff.programsAdded.push_back(keyOfProgram(after, b));
            continue;
        }
        const ProgInfo& a = before.programs[static_cast<std::size_t>(i)];
        if (std::vector<FieldChange> fields = programFields(a, b); !fields.empty())
            diff.programsChanged.push_back({keyOfProgram(before, a), std::move(fields)});
    }
    diff.programsReordered = !pairing.keepsOrder();
}

// A group's list of programs of `after` in the numbering of `before`; a program `before` does not
// hold gets a number no program of `before` has.
std::vector<int64_t> inBeforeNumbering(const CChList& list, const Pairing& programs)
{
    std::vector<int64_t> mapped;
    mapped.reserve(list.size());
    for (const uint16_t program : list) {
        const int before = program < programs.beforeOf.size() ? programs.beforeOf[program] : -1;
        mapped.push_back(before >= 0 ? before : -1 - static_cast<int64_t>(program));
    }
    return mapped;
}

// "2 added, 1 removed", "order changed" or both, of two lists in one numbering.
std::string listChangeNote(std::vector<int64_t> before, std::vector<int64_t> after)
{
    std::vector<int64_t> sortedBefore = before;
    std::vector<int64_t> sortedAfter = after;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    std::sort(sortedAfter.begin(), sortedAfter.end());
    std::vector<int64_t> kept;
    std::set_intersection(sortedBefore.begin(), sortedBefore.end(), sortedAfter.begin(), sortedAfter.end(),
                          std::back_inserter(kept));
    const auto keepOnlyKept = [&kept](std::vector<int64_t>& list) {
        std::erase_if(
            list, [&kept](int64_t entry) { return !std::binary_search(kept.begin(), kept.end(), entry); });
    };
    keepOnlyKept(before);
    keepOnlyKept(after);
    std::string note;
    const auto part = [&note](const std::string& text) { note += (note.empty() ? "" : ", ") + text; };
    if (const std::size_t added = sortedAfter.size() - kept.size(); added > 0)
        part(std::to_string(added) + " added");
    if (const std::size_t removed = sortedBefore.size() - kept.size(); removed > 0)
        part(std::to_string(removed) + " removed");
    if (before != after)
        part("order changed");
    return note;
}

void compareFavourites(const ChannelDatabase& before, const ChannelDatabase& after, const Pairing& programs,
                       DatabaseDiff& diff)
{
    const std::size_t count = std::min(before.favourites.size(), after.favourites.size());
    for (std::size_t group = 0; group < count; ++group) {
        const FavInfo& a = before.favourites[group];
        const FavInfo& b = after.favourites[group];
        FieldComparer fields;
        fields.name("name", a.name, b.name);
        for (const bool radio : {false, true}) {
            const CChList& listA = a.listFor(radio);
            std::vector<int64_t> entriesA(listA.begin(), listA.end());
            std::vector<int64_t> entriesB = inBeforeNumbering(b.listFor(radio), programs);
            if (entriesA == entriesB)
                continue;
            fields.fields.push_back({radio ? "radioList" : "tvList",
                                     DiffValue::ofNumber(static_cast<int64_t>(entriesA.size())),
                                     DiffValue::ofNumber(static_cast<int64_t>(entriesB.size())),
                                     listChangeNote(std::move(entriesA), std::move(entriesB))});
        }
        if (!fields.fields.empty())
            diff.favourites.push_back({static_cast<int>(group), a.name, std::move(fields.fields)});
    }
}

} // namespace

bool DatabaseDiff::empty() const
{
    return file.empty() && networks.empty() && transpondersAdded.empty() && transpondersRemoved.empty() &&
           transpondersChanged.empty() && !transpondersReordered && programsAdded.empty() &&
           programsRemoved.empty() && programsChanged.empty() && !programsReordered && favourites.empty() &&
           !stamp.has_value();
}

DatabaseDiff compareDatabases(const ChannelDatabase& before, const ChannelDatabase& after)
{
    DatabaseDiff diff;
    compareFile(before, after, diff);
    compareNetworks(before, after, diff);
    const Pairing transponders = pairTransponders(before.transponders, after.transponders);
    compareTransponders(before, after, transponders, diff);
    const Pairing programs = pairPrograms(before.programs, after.programs, transponders);
    comparePrograms(before, after, programs, diff);
    compareFavourites(before, after, programs, diff);
    return diff;
}

std::string systemText(const TpInfo& tp)
{
    return tp.isDvbS2() ? "DVB-S2" : "DVB-S";
}

std::string fecText(const TpInfo& tp)
{
    const auto fec = static_cast<std::size_t>(tp.fec());
    return fec < kFecNames.size() ? std::string(kFecNames[fec]) : std::to_string(fec);
}

std::string polarityText(int polarity)
{
    return std::string(kPolarityLetters[static_cast<std::size_t>(polarity) & TP_POLARITY_MASK]);
}

std::string nameText(const std::string& bytes, uint8_t codePage, const NameEncoding& encoding)
{
    return codePage == NAME_CODE_PAGE_ISO8859_5 ? NameEncoding::iso88595ToUtf8(bytes)
                                                : encoding.toUtf8(bytes);
}

} // namespace kvx
