#include "app/importsatcodx.h"

#include <vector>

#include <QFile>

#include "app/statusbarprogress.h"
#include "db/channeldatabase.h"
#include "db/filebytes.h"
#include "import/satcodximport.h"
#include "import/transponderlimit.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

// SATCODX files list a few thousand channels; nothing near this size is one.
constexpr std::size_t kMaxSatcodxFileSize = 64 * 1024 * 1024;

// The progress bar's range while the user chooses the file.
constexpr int kSelectRange = 100;

FileDialogSpec satcodxDialogSpec()
{
    return {
        {QStringLiteral("SATCODX File (*.SDX)"), QStringLiteral("All file (*)")}, QStringLiteral("SDX"), {}};
}

QString readFailureText(Status status)
{
    if (status == StatusBadFormat) // the only refusal of a file that could be opened
        return QObject::tr("The file is too large to be a SATCODX file.");
    return QString::fromStdString(statusMessage(status));
}

} // namespace

int ImportSatcodx(Prompter& prompter, QWidget* window, ChannelDatabase& db, NetInfo& network)
{
    StatusBarProgress progress(window,
                               QString::fromUtf8(kSatcodxSelectFileText.data(),
                                                 static_cast<qsizetype>(kSatcodxSelectFileText.size())),
                               kSelectRange);
    const std::optional<QString> path = prompter.chooseOpenFile(satcodxDialogSpec());
    if (!path)
        return StatusCanceled;
    std::vector<uint8_t> bytes;
    if (const Status status =
            readFileBytes(QFile::encodeName(*path).toStdString(), bytes, kMaxSatcodxFileSize);
        status != StatusOk) {
        prompter.showMessage(readFailureText(status), PromptIcon::Stop);
        return status;
    }
    const std::string text(bytes.begin(), bytes.end());
    const SatcodxImportResult result = importSatcodx(db, network, text, progress);
    if (result.listFull)
        prompter.showMessage(QString::fromUtf8(kTransponderListFullMessage), PromptIcon::Warning);
    return result.status;
}

} // namespace kvx
