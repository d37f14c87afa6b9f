#pragma once

#include <string>

#include <QtGlobal>

#include "db/antinfo.h"
#include "db/netinfo.h"
#include "db/proginfo.h"
#include "db/tpinfo.h"

namespace kvx {

class NameEncoding;

enum class ApplyAnswer { Yes, No, Cancel };

// What applying edits needs from its surroundings: the questions, the invalid-transponder message and
// the move of a program between the TV and radio channel lists.
class ApplyHost {
public:
    virtual ~ApplyHost() = default;
    // A Yes/No/Cancel question with the question icon.
    virtual ApplyAnswer askApply(const std::string& question) = 0;
    // A message with an OK button and the error icon.
    virtual void reportInvalid(const std::string& message) = 0;
    // Called before a stored program's radio bit flips (the record still has its old type).
    virtual void changeProgramType(const ProgInfo& stored) = 0;
};

// The outcome of applying one page: whether the caller may go on, whether the database changed
// (so the document is marked modified) and which tree label shows stale text now.
struct ApplyOutcome {
    int result = 0; // 0 go on, 1 stop
    bool modified = false;
    bool refreshNetworkLabel = false;
    bool refreshTransponderLabel = false;
    bool refreshProgramLabel = false;
};

// Compares a page's working copies with the stored records, asks whether to apply when asked to, and
// writes the copies back. It knows nothing of widgets or the tree, so the view and tests drive it alike.
class EditApplier {
public:
    // In English; the host is given them translated (context "EditApplier").
    static constexpr const char* kNetworkQuestion =
        QT_TRANSLATE_NOOP("EditApplier", "Some of network parameters are changed.\nDo you want to apply?");
    static constexpr const char* kAntennaQuestion = QT_TRANSLATE_NOOP(
        "EditApplier", "Some of antenna configurations are changed.\nDo you want to apply?");
    static constexpr const char* kTransponderQuestion = QT_TRANSLATE_NOOP(
        "EditApplier", "Some of transponder parameters are changed.\nDo you want to apply?");
    static constexpr const char* kProgramQuestion =
        QT_TRANSLATE_NOOP("EditApplier", "Some of program parameters are changed.\nDo you want to apply?");
    static constexpr const char* kInvalidTransponder = QT_TRANSLATE_NOOP(
        "EditApplier", "Invalid frequency or symbol rate\nCorrect the errors or delete the transponder");

    EditApplier(const NameEncoding& encoding, ApplyHost& host);

    ApplyOutcome applyNetwork(AntInfo& storedAnt, NetInfo& storedNet, const AntInfo& workAnt,
                              const NetInfo& workNet, bool ask);
    ApplyOutcome applyTransponder(TpInfo& stored, const TpInfo& work, bool terrestrialMode, bool ask);
    ApplyOutcome applyProgram(ProgInfo& stored, const ProgInfo& work, bool ask);

private:
    // Asks when `ask` is set; fills the outcome and returns false when the edits are not to be applied.
    bool confirm(const char* question, bool ask, ApplyOutcome& outcome);

    const NameEncoding& encoding_;
    ApplyHost& host_;
};

} // namespace kvx
