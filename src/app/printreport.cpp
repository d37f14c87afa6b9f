#include "app/printreport.h"

#include <algorithm>
#include <vector>

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include "db/channeldatabase.h"
#include "db/stamp.h"
#include "export/channelorder.h"
#include "platform/nameencoding.h"

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
    const QString name = latin(kLnbKindNames[static_cast<std::size_t>(kind)]);
    if (kind == 0)
        return QStringLiteral("%1, %2 MHz").arg(name).arg(ant.lnbFrequency(0));
    return QStringLiteral("%1, %2 / %3 MHz").arg(name).arg(ant.lnbFrequency(0)).arg(ant.lnbFrequency(1));
}

QString transponderText(const TpInfo& tp)
{
    if (tp.isTerrestrial())
        return QStringLiteral("%1 MHz &middot; %2 MHz bandwidth &middot; DVB-T")
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

} // namespace

PrintReport::PrintReport(const ChannelDatabase& db, const NameEncoding& encoding, int network)
        : db_(db)
        , encoding_(encoding)
        , network_(network)
{}

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

QString PrintReport::html() const
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
    QString html;
    for (std::size_t slot = 0; slot < db_.networks.size(); ++slot)
        if (network_ < 0 || static_cast<int>(slot) == network_)
            html += networkSection(static_cast<int>(slot), programsOf);
    if (html.isEmpty())
        html = QStringLiteral("<p>%1</p>").arg(QObject::tr("The database holds no networks."));
    return html;
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
    QString html = QStringLiteral("<h2>%1</h2><p>").arg(escaped(networkLabelUtf8(net, encoding_)));
    if (terrestrial) {
        html += QObject::tr("Terrestrial network");
    } else {
        html += QObject::tr("Position %1&deg;").arg(QString::fromStdString(net.degreeText()));
        if (const AntInfo* ant = db_.antennas.at(static_cast<std::size_t>(slot)))
            html += QStringLiteral(" &middot; ") + QObject::tr("LNB %1").arg(lnbText(*ant));
    }
    html += QStringLiteral(" &middot; ") + (transponders.size() == 1
                                                ? QObject::tr("1 transponder")
                                                : QObject::tr("%1 transponders").arg(transponders.size()));
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

bool PrintReport::print(QPrinter& printer) const
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    QFont font = document.defaultFont();
    font.setPointSizeF(9);
    document.setDefaultFont(font);
    document.setHtml(html());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    painter.setFont(font);
    const qreal line = QFontMetricsF(font, &printer).height();
    // The header's line and the footer take this much of each page, with a gap to the body.
    const qreal band = 2 * line;
    const QSizeF body(area.width(), area.height() - 2 * band);
    document.setPageSize(body);

    const int pageCount = document.pageCount();
    int first = 1;
    int last = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(pageCount, std::max(first, printer.toPage()));
    }
    const QString title = fileTitle();
    const QString stamp = stampText();
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        const QRectF headerLine(0, 0, area.width(), line);
        painter.drawText(headerLine, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(headerLine, Qt::AlignRight | Qt::AlignVCenter, stamp);
        painter.drawLine(QPointF(0, line * 1.25), QPointF(area.width(), line * 1.25));
        painter.drawText(QRectF(0, area.height() - line, area.width(), line), Qt::AlignCenter,
                         QObject::tr("Page %1 of %2").arg(page).arg(pageCount));

        painter.save();
        const qreal top = (page - 1) * body.height();
        painter.translate(0, band - top);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, top, body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace kvx
