#include "import/satcodximport.h"

#include <algorithm>
#include <climits>
#include <memory>

#include "db/editops.h"
#include "import/progresssink.h"
#include "import/satcodxline.h"
#include "import/textlinereader.h"
#include "import/transponderlimit.h"

namespace kvx {

namespace {

// The network's run of transponders while the import adds to it: new ones go at its end, so its
// start stays and its end moves on by one per addition.
struct NetworkRun {
    uint8_t slot;
    uint16_t first;
    uint16_t end;
};

bool runHoldsTransponder(const ChannelDatabase& db, const NetworkRun& run, const SatcodxLine& line)
{
    for (uint16_t i = run.first; i < run.end; ++i) {
        const TpInfo& tp = db.transponders[i];
        if (tp.frequency == line.frequency && tp.polarity() == line.polarisation &&
            tp.symbolRate == line.symbolRate)
            return true;
    }
    return false;
}

// Applies one line to the network.
void applyLine(ChannelDatabase& db, NetInfo& network, NetworkRun& run, const SatcodxLine& line,
               SatcodxImportResult& result)
{
    if (line.kind == SatcodxLineKind::Skipped)
        return;
    network.name = line.satelliteName;
    if (line.kind == SatcodxLineKind::NameOnly)
        return;
    ++result.transponderLines;
    network.degree = line.degree;
    if (runHoldsTransponder(db, run, line))
        return;
    if (transponderListFull(db)) {
        result.listFull = true;
        return;
    }
    auto tp = std::make_unique<TpInfo>(TpInfo::create(run.slot, line.frequency, line.polarisation));
    tp->symbolRate = line.symbolRate;
    insertTransponder(db, std::move(tp), run.end);
    ++run.end;
    ++result.added;
}

} // namespace

SatcodxImportResult importSatcodx(ChannelDatabase& db, NetInfo& network, std::string_view text,
                                  ProgressSink& progress)
{
    SatcodxImportResult result;
    const uint8_t slot = slotOfNetwork(db, &network);
    if (slot == NO_SLOT) {
        result.status = StatusBadFormat;
        return result;
    }
    progress.setText(std::string(kSatcodxProgressText));
    progress.setRange(static_cast<int>(std::min<std::size_t>(TextLineReader::countLines(text), INT_MAX)));

    NetworkRun run{slot, firstTransponderOfNetwork(db, slot), endOfNetworkTransponders(db, slot)};
    TextLineReader reader(text, kSatcodxReadLimit);
    std::string_view line;
    while (reader.next(line)) {
        progress.step();
        applyLine(db, network, run, parseSatcodxLine(line), result);
    }
    return result;
}

} // namespace kvx
