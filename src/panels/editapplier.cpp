#include "panels/editapplier.h"

#include <QCoreApplication>

#include "db/tables.h"

namespace kvx {

namespace {

// The CA bits the program's tree label shows.
constexpr uint32_t kLabelCaBits = 0xC000FFFFu;

} // namespace

EditApplier::EditApplier(const NameEncoding& encoding, ApplyHost& host)
        : encoding_(encoding)
        , host_(host)
{}

bool EditApplier::confirm(const char* question, bool ask, ApplyOutcome& outcome)
{
    if (!ask)
        return true;
    switch (host_.askApply(QCoreApplication::translate("EditApplier", question).toStdString())) {
    case ApplyAnswer::Yes: return true;
    case ApplyAnswer::No: outcome.result = 0; return false;
    case ApplyAnswer::Cancel: outcome.result = 1; return false;
    }
    return false;
}

ApplyOutcome EditApplier::applyNetwork(AntInfo& storedAnt, NetInfo& storedNet, const AntInfo& workAnt,
                                       const NetInfo& workNet, bool ask)
{
    ApplyOutcome outcome;
    const bool antChanged = workAnt.differs(storedAnt);
    const bool comparePositioner = workAnt.positionerLevel() & 1;
    const bool compareSkew = workAnt.diseqc & 0x80;
    const bool netChanged = workNet.differs(storedNet, comparePositioner, compareSkew);
    if (!antChanged && !netChanged)
        return outcome;
    // One answer covers both records, so No discards antenna edits as well.
    if (!confirm(netChanged ? kNetworkQuestion : kAntennaQuestion, ask, outcome))
        return outcome;
    if (antChanged) {
        storedAnt = workAnt;
        outcome.modified = true;
    }
    if (!netChanged)
        return outcome;
    outcome.refreshNetworkLabel = workNet.name != storedNet.name;
    storedNet.copyFrom(workNet);
    outcome.modified = true;
    return outcome;
}

ApplyOutcome EditApplier::applyTransponder(TpInfo& stored, const TpInfo& work, bool terrestrialMode, bool ask)
{
    ApplyOutcome outcome;
    if (work.frequency == 0 || (work.symbolRate == 0 && !terrestrialMode)) {
        host_.reportInvalid(QCoreApplication::translate("EditApplier", kInvalidTransponder).toStdString());
        outcome.result = 1;
        return outcome;
    }
    if (!work.differs(stored))
        return outcome;
    if (!confirm(kTransponderQuestion, ask, outcome))
        return outcome;
    outcome.refreshTransponderLabel = work.name != stored.name || work.frequency != stored.frequency ||
                                      work.symbolRate != stored.symbolRate ||
                                      work.polarity() != stored.polarity();
    stored.copyFrom(work);
    outcome.modified = true;
    return outcome;
}

ApplyOutcome EditApplier::applyProgram(ProgInfo& stored, const ProgInfo& work, bool ask)
{
    ApplyOutcome outcome;
    if (!stored.differs(work, encoding_))
        return outcome;
    if (!confirm(kProgramQuestion, ask, outcome))
        return outcome;
    outcome.refreshProgramLabel =
        work.name != stored.name || ((work.caSystems ^ stored.caSystems) & kLabelCaBits) != 0;
    if ((work.attributes ^ stored.attributes) & ATTR_RADIO)
        host_.changeProgramType(stored);
    stored.copyFrom(work);
    outcome.modified = true;
    return outcome;
}

} // namespace kvx
