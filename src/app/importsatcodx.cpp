#include "app/importsatcodx.h"

#include <vector>

#include <QCoreApplication>
#include <QFile>

#include "app/importreview.h"
#include "app/statusbarprogress.h"
#include "db/applychanges.h"
#include "db/channeldatabase.h"
#include "db/filebytes.h"
#include "import/progresssink.h"
#include "import/satcodximport.h"
#include "import/transponderlimit.h"
#include "ui/coretexts.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

// SATCODX files list a few thousand channels; nothing near this size is one.
constexpr std::size_t kMaxSatcodxFileSize = 64 * 1024 * 1024;

// The progress bar's range while the user chooses the file.
constexpr int kSelectRange = 100;

FileDialogSpec satcodxDialogSpec()
{
    return {{QCoreApplication::translate("CChildView", "SATCODX File (*.SDX)"),
             QCoreApplication::translate("CChildView", "All file (*)")},
            QStringLiteral("SDX"),
            {}};
}

QString readFailureText(const Outcome& outcome)
{
    if (outcome == StatusBadFormat) // the only refusal of a file that could be opened
        return QObject::tr("The file is too large to be a SATCODX file.");
    return outcomeShown(outcome);
}

} // namespace

int ImportSatcodx(const ImportQuestions& questions, ChannelDatabase& db, NetInfo& network)
{
    Prompter& prompter = questions.prompter;
    StatusBarProgress progress(questions.window,
                               QString::fromUtf8(kSatcodxSelectFileText.data(),
                                                 static_cast<qsizetype>(kSatcodxSelectFileText.size())),
                               kSelectRange);
    const std::optional<QString> path = prompter.chooseOpenFile(satcodxDialogSpec());
    if (!path)
        return StatusCanceled;
    std::vector<uint8_t> bytes;
    if (const Outcome read =
            readFileBytes(QFile::encodeName(*path).toStdString(), bytes, kMaxSatcodxFileSize);
        read != StatusOk) {
        prompter.showMessage(readFailureText(read), PromptIcon::Stop);
        return read.status();
    }
    const std::string text(bytes.begin(), bytes.end());
    const std::ptrdiff_t slot = db.networks.indexOf(&network);
    if (slot < 0)
        return StatusBadFormat;
    const SatcodxPlan plan = planSatcodxImport(db, static_cast<uint8_t>(slot), text, progress);
    if (plan.result.status != StatusOk)
        return plan.result.status;
    if (plan.result.transponderLines == 0) {
        prompter.showMessage(coreText("Import", std::string(kNoSatcodxTransponderMessage)),
                             PromptIcon::Warning);
        return StatusCanceled;
    }
    // A full list that also makes the file too large is told by the review alone.
    if (plan.result.listFull &&
        checkChangesFit(db, plan.changes, plan.changes.defaultSelection()) == StatusOk)
        prompter.showMessage(coreText("Import", kTransponderListFullMessage), PromptIcon::Warning);
    const std::optional<ChangeSelection> selection = reviewChanges(
        questions, db, plan.changes, QObject::tr("Import SATCODX"),
        QObject::tr("The network already holds every transponder of the file; nothing was changed"));
    if (!selection)
        return StatusCanceled;
    // The plan was made on this database, and nothing changed it while the review was open.
    return applyChanges(db, plan.changes, *selection);
}

} // namespace kvx
