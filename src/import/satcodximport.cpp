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

bool networkHoldsTransponder(const ChannelDatabase& db, uint8_t slot, const SatcodxLine& line)
{
    const uint16_t end = endOfNetworkTransponders(db, slot);
    for (uint16_t i = firstTransponderOfNetwork(db, slot); i < end; ++i) {
        const TpInfo& tp = db.transponders[i];
        if (tp.frequency == line.frequency && tp.polarity() == line.polarisation &&
            tp.symbolRate == line.symbolRate)
            return true;
    }
    return false;
}

// Applies one line to the network.
void applyLine(ChannelDatabase& db, NetInfo& network, uint8_t slot, const SatcodxLine& line,
               SatcodxImportResult& result)
{
    if (line.kind == SatcodxLineKind::Skipped)
        return;
    network.name = line.satelliteName;
    if (line.kind == SatcodxLineKind::NameOnly)
        return;
    network.degree = line.degree;
    if (networkHoldsTransponder(db, slot, line))
        return;
    if (transponderListFull(db)) {
        result.listFull = true;
        return;
    }
    auto tp = std::make_unique<TpInfo>(TpInfo::create(slot, line.frequency, line.polarisation));
    tp->symbolRate = line.symbolRate;
    insertTransponder(db, std::move(tp), endOfNetworkTransponders(db, slot));
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

    TextLineReader reader(text, kSatcodxReadLimit);
    std::string_view line;
    while (reader.next(line)) {
        progress.step();
        applyLine(db, network, slot, parseSatcodxLine(line), result);
    }
    return result;
}

} // namespace kvx
