#include "import/satcodximport.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

#include "db/applychanges.h"
#include "db/editops.h"
#include "import/neartransponder.h"
#include "import/progresssink.h"
#include "import/satcodxline.h"
#include "import/textlinereader.h"
#include "import/transponderlimit.h"

namespace kvx {

namespace {

uint64_t transponderKey(uint16_t frequency, int polarity, uint16_t symbolRate)
{
    return (static_cast<uint64_t>(frequency) << 24) | (static_cast<uint64_t>(polarity) << 16) | symbolRate;
}

// The import's decisions as the lines come: the network's values and the transponders it holds.
class SatcodxPlanner {
public:
    SatcodxPlanner(const ChannelDatabase& db, uint8_t slot)
            : slot_(slot)
            , before_{db.networks[slot].name, db.networks[slot].degree}
            , network_(before_)
            , room_(MAX_TRANSPONDER_COUNT - std::min(MAX_TRANSPONDER_COUNT, db.transponders.size()))
            , near_(db, slot)
    {
        const uint16_t end = endOfNetworkTransponders(db, slot);
        for (uint16_t i = firstTransponderOfNetwork(db, slot); i < end; ++i) {
            const TpInfo& tp = db.transponders[i];
            held_.insert(transponderKey(tp.frequency, tp.polarity(), tp.symbolRate));
        }
    }

    void apply(const SatcodxLine& line, int lineNumber)
    {
        if (line.kind == SatcodxLineKind::Skipped)
            return;
        network_.name = line.satelliteName;
        if (line.kind == SatcodxLineKind::NameOnly)
            return;
        ++plan_.result.transponderLines;
        network_.degree = line.degree;
        if (!held_.insert(transponderKey(line.frequency, line.polarisation, line.symbolRate)).second)
            return;
        if (room_ == 0) {
            plan_.result.listFull = true;
            return;
        }
        --room_;
        Change change;
        change.kind = ChangeKind::Add;
        change.network = slot_;
        change.after = TpInfo::create(slot_, line.frequency, line.polarisation);
        change.after.symbolRate = line.symbolRate;
        change.row = lineNumber;
        change.possibleDuplicate = near_.nearest(line.frequency, line.polarisation);
        plan_.changes.append(std::move(change));
        ++plan_.result.added;
    }

    SatcodxPlan finish()
    {
        if (!(network_ == before_)) {
            Change change;
            change.kind = ChangeKind::Network;
            change.network = slot_;
            change.networkBefore = before_;
            change.networkAfter = network_;
            plan_.changes.append(std::move(change));
        }
        return std::move(plan_);
    }

private:
    uint8_t slot_;
    NetworkValues before_;
    NetworkValues network_;
    std::size_t room_;
    NearTransponders near_;
    std::unordered_set<uint64_t> held_;
    SatcodxPlan plan_;
};

} // namespace

SatcodxPlan planSatcodxImport(const ChannelDatabase& db, uint8_t slot, std::string_view text,
                              ProgressSink& progress)
{
    if (slot >= db.networks.size()) {
        SatcodxPlan refused;
        refused.result.status = StatusBadFormat;
        return refused;
    }
    progress.setText(std::string(kSatcodxProgressText));
    progress.setRange(static_cast<int>(std::min<std::size_t>(TextLineReader::countLines(text), INT_MAX)));

    SatcodxPlanner planner(db, slot);
    TextLineReader reader(text, kSatcodxReadLimit);
    std::string_view line;
    int lineNumber = 0;
    while (reader.next(line)) {
        progress.step();
        planner.apply(parseSatcodxLine(line), ++lineNumber);
    }
    return planner.finish();
}

SatcodxImportResult importSatcodx(ChannelDatabase& db, NetInfo& network, std::string_view text,
                                  ProgressSink& progress)
{
    const uint8_t slot = slotOfNetwork(db, &network);
    if (slot == NO_SLOT) {
        SatcodxImportResult refused;
        refused.status = StatusBadFormat;
        return refused;
    }
    SatcodxPlan plan = planSatcodxImport(db, slot, text, progress);
    if (plan.result.status == StatusOk)
        plan.result.status = applyChanges(db, plan.changes, plan.changes.allSelected());
    return plan.result;
}

} // namespace kvx
