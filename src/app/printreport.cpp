#include "app/printreport.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

#include "app/printprogress.h"
#include "db/channeldatabase.h"
#include "db/stamp.h"
#include "export/channelorder.h"
#include "platform/nameencoding.h"
#include "ui/coretexts.h"
#include "ui/itemlabels.h"

namespace kvx {

namespace {

QString escaped(const std::string& utf8)
{
    return QString::fromStdString(utf8).toHtmlEscaped();
}

QString latin(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString lnbText(const AntInfo& ant)
{
    const int kind = ant.lnbKind();
    if (kind >= static_cast<int>(kLnbKindNames.size()))
        return QObject::tr("unknown");
    const QString name = coreText("Tables", std::string(kLnbKindNames[static_cast<std::size_t>(kind)]));
    if (kind == 0)
        return QStringLiteral("%1, %2 MHz").arg(name).arg(ant.lnbFrequency(0));
    return QStringLiteral("%1, %2 / %3 MHz").arg(name).arg(ant.lnbFrequency(0)).arg(ant.lnbFrequency(1));
}

QString transponderText(const TpInfo& tp)
{
    if (tp.isTerrestrial())
        return QObject::tr("%1 MHz &middot; %2 MHz bandwidth &middot; DVB-T")
            .arg(tp.frequency)
            .arg(8 - std::min<int>(tp.symbolRate, 3));
    QString system = tp.isDvbS2() ? QStringLiteral("DVB-S2") : QStringLiteral("DVB-S");
    if (tp.tpFlags & TP_8PSK)
        system += QStringLiteral(" 8PSK");
    const auto fec = static_cast<std::size_t>(tp.fec());
    return QStringLiteral("%1 MHz &middot; %2 &middot; %3 kS/s &middot; %4 &middot; FEC %5")
        .arg(tp.frequency)
        .arg(latin(kPolarityNames[static_cast<std::size_t>(tp.polarity())]))
        .arg(tp.symbolRate)
        .arg(system)
        .arg(fec < kFecNames.size() ? latin(kFecNames[fec]) : QStringLiteral("?"));
}

// Where the parts of every page go, in the printer's device pixels.
struct PageFrame {
    QFont font;
    QRectF area;
    qreal line = 0; // the height of a line of the header or footer
    qreal band = 0; // what the header and the footer each take, with a gap to the body
    QSizeF body;    // what the report's text fills
};

PageFrame pageFrameOf(QPrinter& printer)
{
    PageFrame frame;
    frame.font.setPointSizeF(9);
    frame.area = QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    frame.line = QFontMetricsF(frame.font, &printer).height();
    frame.band = 2 * frame.line;
    frame.body = QSizeF(frame.area.width(), frame.area.height() - 2 * frame.band);
    return frame;
}

// What the header and the footer of every page say.
struct PageTexts {
    QString title;
    QString stamp;
    int pageCount = 0;
};

// The first and last page of the printer's range, all pages without one.
std::pair<int, int> pagesToPrint(const QPrinter& printer, int pageCount)
{
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() <= 0)
        return {1, pageCount};
    const int first = std::max(1, printer.fromPage());
    return {first, std::min(pageCount, std::max(first, printer.toPage()))};
}

void drawPage(QPainter& painter, const PageFrame& frame, QTextDocument& document, const PageTexts& texts,
              int page)
{
    const qreal width = frame.area.width();
    const QRectF headerLine(0, 0, width, frame.line);
    painter.drawText(headerLine, Qt::AlignLeft | Qt::AlignVCenter, texts.title);
    painter.drawText(headerLine, Qt::AlignRight | Qt::AlignVCenter, texts.stamp);
    painter.drawLine(QPointF(0, frame.line * 1.25), QPointF(width, frame.line * 1.25));
    painter.drawText(QRectF(0, frame.area.height() - frame.line, width, frame.line), Qt::AlignCenter,
                     QObject::tr("Page %1 of %2").arg(page).arg(texts.pageCount));

    painter.save();
    const qreal top = (page - 1) * frame.body.height();
    painter.translate(0, frame.band - top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, top, frame.body.width(), frame.body.height());
    painter.setClipRect(context.clip);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

PrintReport::PrintReport(const ChannelDatabase& db, const NameEncoding& encoding, int network)
        : db_(db)
        , encoding_(encoding)
        , network_(network)
{}

PrintReport::~PrintReport() = default;

QString PrintReport::fileTitle() const
{
    return db_.fileName.empty() ? QObject::tr("No Name")
                                : QFileInfo(QString::fromStdString(db_.fileName)).fileName();
}

QString PrintReport::stampText() const
{
    if (const std::optional<LocalDate> date = stampDate(db_.stamp))
        return QObject::tr("Modified %1-%2-%3")
            .arg(date->year)
            .arg(date->month, 2, 10, QLatin1Char('0'))
            .arg(date->day, 2, 10, QLatin1Char('0'));
    if (const std::optional<std::string> version = stampVersionText(db_.stamp))
        return QObject::tr("Version %1").arg(QString::fromStdString(*version));
    return {};
}

QStringList PrintReport::sections() const
{
    // Each transponder's programs in program-list order, with their channel numbers.
    const std::vector<ChannelListEntry> order = channelListOrder(db_);
    std::vector<const ChannelListEntry*> byProgram(db_.programs.size());
    for (const ChannelListEntry& entry : order)
        byProgram[entry.programIndex] = &entry;
    ProgramsByTransponder programsOf(db_.transponders.size());
    for (const ChannelListEntry* entry : byProgram) {
        const uint16_t tp = db_.programs[entry->programIndex].tpIndex;
        if (tp < programsOf.size())
            programsOf[tp].push_back(entry);
    }
    QStringList sections;
    for (std::size_t slot = 0; slot < db_.networks.size(); ++slot)
        if (network_ < 0 || static_cast<int>(slot) == network_)
            if (QString section = networkSection(static_cast<int>(slot), programsOf); !section.isEmpty())
                sections << section;
    if (sections.isEmpty())
        sections << QStringLiteral("<p>%1</p>").arg(QObject::tr("The database holds no networks."));
    return sections;
}

QString PrintReport::networkSection(int slot, const ProgramsByTransponder& programsOf) const
{
    const NetInfo& net = db_.networks[static_cast<std::size_t>(slot)];
    std::vector<uint16_t> transponders;
    for (std::size_t t = 0; t < db_.transponders.size(); ++t)
        if (db_.transponders[t].netIndex == slot)
            transponders.push_back(static_cast<uint16_t>(t));
    // Unused slots are left out of the whole report, but a network printed on its own always shows.
    if (network_ < 0 && net.isEmpty() && transponders.empty())
        return {};

    const bool terrestrial = slot == TERRESTRIAL_SLOT;
    // The heading is the tree's label, so that an unnamed network does not run on under the one before.
    QString html = QStringLiteral("<h2>%1</h2><p>").arg(networkLabel(net, encoding_).toHtmlEscaped());
    if (terrestrial) {
        html += QObject::tr("Terrestrial network");
    } else {
        html += QObject::tr("Position %1").arg(QString::fromStdString(net.degreeText()));
        if (const AntInfo* ant = db_.antennas.at(static_cast<std::size_t>(slot)))
            html += QStringLiteral(" &middot; ") + QObject::tr("LNB %1").arg(lnbText(*ant));
    }
    html += QStringLiteral(" &middot; ") +
            (transponders.size() == 1
                 ? QObject::tr("1 transponder")
                 : QObject::tr("%n transponders", nullptr, static_cast<int>(transponders.size())));
    html += QStringLiteral("</p>");
    if (transponders.empty())
        return html;

    html += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
                           "<thead><tr><th align=\"right\">%1</th><th align=\"left\">%2</th>"
                           "<th align=\"right\">%3</th><th>%4</th><th>%5</th></tr></thead>")
                .arg(QObject::tr("No."), QObject::tr("Name"), QObject::tr("Service ID"), QObject::tr("Type"),
                     QObject::tr("Scrambled"));
    for (uint16_t t : transponders) {
        html += QStringLiteral("<tr><td colspan=\"5\" bgcolor=\"#e4e4e4\"><b>%1</b></td></tr>")
                    .arg(transponderText(db_.transponders[t]));
        for (const ChannelListEntry* entry : programsOf[t]) {
            const ProgInfo& prog = db_.programs[entry->programIndex];
            html += QStringLiteral("<tr><td align=\"right\">%1</td><td>%2</td><td align=\"right\">%3</td>"
                                   "<td align=\"center\">%4</td><td align=\"center\">%5</td></tr>")
                        .arg(entry->number)
                        .arg(escaped(programNameUtf8(prog, encoding_)))
                        .arg(prog.serviceId)
                        .arg(prog.isRadio() ? QObject::tr("Radio") : QObject::tr("TV"))
                        .arg((prog.attributes & ATTR_SCRAMBLED) ? QObject::tr("Yes") : QString());
        }
    }
    return html + QStringLiteral("</table>");
}

bool PrintReport::layOut(QPrinter& printer, PrintProgress& progress)
{
    const PageFrame frame = pageFrameOf(printer);
    if (document_ && laidOutFor_ == frame.body && document_->documentLayout()->paintDevice() == &printer)
        return true;
    document_.reset();
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&printer);
    document->setDefaultFont(frame.font);
    document->setPageSize(frame.body);
    // Section by section, each laid out before the next comes: a layout of the whole text at once
    // would hold the window for as long as it takes.
    const QStringList texts = sections();
    progress.begin(QObject::tr("Laying out the report"), static_cast<int>(texts.size()));
    QTextCursor end(document.get());
    for (const QString& section : texts) {
        end.movePosition(QTextCursor::End);
        end.insertHtml(section);
        document->pageCount();
        if (!progress.advance())
            return false;
    }
    document_ = std::move(document);
    laidOutFor_ = frame.body;
    return true;
}

PrintResult PrintReport::print(QPrinter& printer, PrintProgress& progress)
{
    if (!layOut(printer, progress))
        return PrintResult::Cancelled;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::PrinterFailed;
    const PageFrame frame = pageFrameOf(printer);
    painter.setFont(frame.font);
    const PageTexts texts{fileTitle(), stampText(), document_->pageCount()};
    const auto [first, last] = pagesToPrint(printer, texts.pageCount);
    progress.begin(QObject::tr("Drawing the pages"), last - first + 1);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        drawPage(painter, frame, *document_, texts, page);
        // The printer cannot take back what it was given: the job ends with the pages drawn.
        if (!progress.advance()) {
            painter.end();
            return PrintResult::CutShort;
        }
    }
    return painter.end() ? PrintResult::Printed : PrintResult::PrinterFailed;
}

} // namespace kvx
