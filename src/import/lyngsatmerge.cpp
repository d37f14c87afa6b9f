#include "import/lyngsatmerge.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "db/editops.h"
#include "import/noticesink.h"
#include "import/transponderlimit.h"

namespace kvx {

namespace {

// The unmatched set has room for this many positions beyond the list as it was at the start.
constexpr std::size_t kMarkHeadroom = 10000;

constexpr uint8_t kHorizontalBit = 0x01;
constexpr uint8_t kFecShift = 4;

bool isCandidate(const TpInfo& tp, const LyngSatRow& row)
{
    const int distance = static_cast<int>(tp.frequency) - static_cast<int>(row.frequency);
    return distance >= -2 && distance <= 2 && (tp.tpFlags & kHorizontalBit) == (row.horizontal ? 1 : 0);
}

} // namespace

std::string sameTransponderNotice(const LyngSatRow& row, uint16_t existingSymbolRate)
{
    char text[256];
    std::snprintf(text, sizeof text,
                  "Check!! Same TP exist!! %d(%s)\nIf the TP has programs, program will be added first "
                  "tp.\ntp1(SR = %d) tp2(SR = %d)",
                  row.frequency, row.horizontal ? "H" : "V", existingSymbolRate, row.symbolRate);
    return text;
}

std::string noTransponderFoundMessage()
{
    return "No transponders were found on the page";
}

void applyRowSystem(TpInfo& tp, const LyngSatRow& row)
{
    if (!row.dvbS2) {
        tp.tpFlags = static_cast<uint8_t>(tp.tpFlags & ~TP_DVBS2);
        tp.tpExtra[3] = static_cast<uint16_t>(tp.tpExtra[3] & ~TP_EXTRA_PILOT);
        return;
    }
    uint8_t flags = static_cast<uint8_t>((tp.tpFlags & (TP_POLARITY_MASK)) | TP_DVBS2);
    flags = static_cast<uint8_t>(flags | (row.fec << kFecShift));
    if (!row.qpsk)
        flags |= TP_8PSK;
    tp.tpFlags = flags;
    tp.tpExtra[3] = static_cast<uint16_t>(tp.tpExtra[3] | TP_EXTRA_PILOT);
}

LyngSatMerge::LyngSatMerge(ChannelDatabase& db, uint8_t slot, NoticeSink& notices)
        : db_(db)
        , slot_(slot)
        , notices_(notices)
        , unmatched_(db.transponders.size() + kMarkHeadroom)
        , first_(firstTransponderOfNetwork(db, slot))
        , endAtStart_(endOfNetworkTransponders(db, slot))
{
    // Only the network's run takes part: the walk below covers it, and insertions behind it keep
    // every marked position valid.
    for (uint16_t i = first_; i < endAtStart_; ++i)
        unmatched_.mark(i);
}

void LyngSatMerge::mergeRow(const LyngSatRow& row)
{
    ++result_.rows;
    const uint16_t end = endOfNetworkTransponders(db_, slot_);
    // One notice a row, for the first candidate an earlier row took: pages that repeat a transponder
    // many times would otherwise give a notice for every pair of copies.
    bool noticed = false;
    for (uint16_t i = firstTransponderOfNetwork(db_, slot_); i < end; ++i) {
        TpInfo& tp = db_.transponders[i];
        if (!isCandidate(tp, row))
            continue;
        if (unmatched_.test(i)) {
            update(tp, row);
            unmatched_.unmark(i);
            return;
        }
        if (!noticed)
            notices_.notice(sameTransponderNotice(row, tp.symbolRate));
        noticed = true;
    }
    add(row);
}

void LyngSatMerge::update(TpInfo& tp, const LyngSatRow& row)
{
    tp.frequency = row.frequency;
    tp.symbolRate = row.symbolRate;
    tp.tpFlags =
        static_cast<uint8_t>((tp.tpFlags & ~(TP_POLARITY_MASK | TP_DVBS2)) | (row.horizontal ? 1 : 0));
    applyRowSystem(tp, row);
    ++result_.updated;
}

void LyngSatMerge::add(const LyngSatRow& row)
{
    if (transponderListFull(db_)) {
        if (!result_.listFull)
            notices_.notice(kTransponderListFullMessage);
        result_.listFull = true;
        return;
    }
    auto tp = std::make_unique<TpInfo>(TpInfo::create(slot_, row.frequency, row.horizontal ? 1 : 0));
    tp->symbolRate = row.symbolRate;
    applyRowSystem(*tp, row);
    insertTransponder(db_, std::move(tp), endOfNetworkTransponders(db_, slot_));
    ++result_.added;
}

void LyngSatMerge::finish(const LyngSatOptions& options)
{
    // A page that gave no row (another layout, an error page) says nothing about which transponders
    // are outdated; removing them all would empty the network.
    if (options.removeOutdated && result_.rows > 0)
        removeUnmatched();
    if (options.sortByFrequency)
        sortTranspondersByFrequency(db_, slot_);
}

void LyngSatMerge::removeUnmatched()
{
    std::vector<const TpInfo*> outdated;
    for (uint16_t i = first_; i < endAtStart_; ++i)
        if (unmatched_.test(i))
            outdated.push_back(&db_.transponders[i]);
    deleteTransponders(db_, outdated);
    result_.removed = static_cast<int>(outdated.size());
}

} // namespace kvx
