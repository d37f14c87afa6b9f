#include "app/transponderlistimport.h"

#include <QFile>
#include <QObject>

#include "app/dialogfactory.h"
#include "app/importreview.h"
#include "db/applychanges.h"
#include "db/channeldatabase.h"
#include "db/fieldtext.h"
#include "db/filebytes.h"
#include "import/dvbv5table.h"
#include "import/satellitesxml.h"
#include "import/scantables.h"
#include "import/transponderlimit.h"
#include "platform/nameencoding.h"
#include "ui/coretexts.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

// Tables and satellites.xml files are a few hundred KiB at most; nothing near this size is one.
constexpr std::size_t kMaxListFileSize = 64 * 1024 * 1024;

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QString networkText(const ImportQuestions& questions, const NetInfo& network)
{
    const QString name = fromStd(questions.encoding.toUtf8(network.name));
    const QString position = fromStd(network.degreeText());
    return name.isEmpty() ? position : QStringLiteral("%1 (%2)").arg(name, position);
}

// The file's text, or none when it could not be read (the user has been told why).
std::optional<std::string> readList(Prompter& prompter, const QString& path, const QString& tooLargeText)
{
    std::vector<uint8_t> bytes;
    if (const Outcome read = readFileBytes(QFile::encodeName(path).toStdString(), bytes, kMaxListFileSize);
        read != StatusOk) {
        prompter.showMessage(read == StatusBadFormat ? tooLargeText : outcomeShown(read), PromptIcon::Stop);
        return std::nullopt;
    }
    return std::string(bytes.begin(), bytes.end());
}

// Plans the rows into the network, reviews the plan and applies what the user ticked.
int mergeRows(const ImportQuestions& questions, ChannelDatabase& db, const NetInfo& network,
              const std::vector<LyngSatRow>& rows, const LyngSatOptions& options, const QString& title)
{
    const std::ptrdiff_t slot = db.networks.indexOf(&network);
    if (slot < 0)
        return StatusBadFormat;
    int leftOut = 0;
    const LyngSatPlan plan = planTransponderRows(rows, db, static_cast<uint8_t>(slot), options, &leftOut);
    Prompter& prompter = questions.prompter;
    if (plan.result.rows == 0) {
        prompter.showMessage(leftOut > 0
                                 ? QObject::tr("The list holds no transponder of this kind of network.")
                                 : QObject::tr("The list holds no transponder."),
                             PromptIcon::Warning);
        return StatusCanceled;
    }
    // A full list that also makes the file too large is told by the review alone.
    if (plan.result.listFull &&
        checkChangesFit(db, plan.changes, plan.changes.defaultSelection()) == StatusOk)
        prompter.showMessage(QString::fromUtf8(kTransponderListFullMessage), PromptIcon::Warning);
    const std::optional<ChangeSelection> selection =
        reviewChanges(questions, db, plan.changes, title,
                      QObject::tr("The network already matches the list; nothing was changed"));
    if (!selection)
        return StatusCanceled;
    // The plan was made on this database, and nothing changed it while the review was open.
    return applyChanges(db, plan.changes, *selection);
}

} // namespace

int UpdateFromScanTable(const ImportQuestions& questions, ChannelDatabase& db, NetInfo& network,
                        const QString& folder, bool terrestrial)
{
    const std::string folderPath = folder.toStdString();
    std::vector<ScanTableEntry> tables;
    if (listScanTables(folderPath, terrestrial, tables,
                       terrestrial ? std::nullopt : std::optional<uint16_t>(network.degree)) != StatusOk) {
        // The core's message (missingScanTablesMessage), in the user's language.
        const QString missing = folder + (terrestrial ? QStringLiteral("/dvb-t") : QStringLiteral("/dvb-s"));
        questions.prompter.showMessage(
            QObject::tr("No scan tables were found in %1. The package dtv-scan-tables provides them.")
                .arg(missing),
            PromptIcon::Warning);
        return StatusNoFile;
    }
    TransponderListDialogValues values;
    values.title = QObject::tr("Update from Scan Table");
    values.networkText = networkText(questions, network);
    values.options = scanTableOptions();
    for (const ScanTableEntry& table : tables)
        values.choices.push_back(
            {fromStd(table.name), table.position ? fromStd(positionText(*table.position)) : QString()});
    const std::optional<TransponderListRequest> request =
        questions.dialogs.askTransponderList(questions.window, values);
    if (!request)
        return StatusCanceled;
    const ScanTableEntry& table = tables[static_cast<std::size_t>(request->choice)];
    const std::optional<std::string> text = readList(
        questions.prompter, fromStd(table.path), QObject::tr("The file is too large to be a scan table."));
    if (!text)
        return StatusNoFile;
    return mergeRows(questions, db, network, parseDvbV5Table(*text).rows, request->options, values.title);
}

int ImportSatellitesXml(const ImportQuestions& questions, ChannelDatabase& db, NetInfo& network)
{
    Prompter& prompter = questions.prompter;
    const std::optional<QString> path = prompter.chooseOpenFile(
        {{QObject::tr("satellites.xml (*.xml)"), QObject::tr("All file (*)")}, QStringLiteral("xml"), {}});
    if (!path)
        return StatusCanceled;
    const std::optional<std::string> text =
        readList(prompter, *path, QObject::tr("The file is too large to be a satellites.xml file."));
    if (!text)
        return StatusNoFile;
    std::vector<SatXmlSatellite> satellites;
    if (parseSatellitesXml(*text, satellites) != StatusOk) {
        prompter.showMessage(QObject::tr("The file holds no <sat> element."), PromptIcon::Stop);
        return StatusBadFormat;
    }
    // The satellites at the network's position first, each group in the file's order.
    std::vector<const SatXmlSatellite*> order;
    for (const bool here : {true, false})
        for (const SatXmlSatellite& sat : satellites)
            if ((tenthsEastOf(sat.position) == network.degree) == here)
                order.push_back(&sat);
    TransponderListDialogValues values;
    values.title = QObject::tr("Import satellites.xml");
    values.networkText = networkText(questions, network);
    values.options = scanTableOptions();
    for (const SatXmlSatellite* sat : order)
        values.choices.push_back({fromStd(sat->name), fromStd(positionText(tenthsEastOf(sat->position)))});
    const std::optional<TransponderListRequest> request =
        questions.dialogs.askTransponderList(questions.window, values);
    if (!request)
        return StatusCanceled;
    return mergeRows(questions, db, network, order[static_cast<std::size_t>(request->choice)]->rows,
                     request->options, values.title);
}

} // namespace kvx
