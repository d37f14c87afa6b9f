#include "app/importreview.h"

#include "app/dialogfactory.h"
#include "platform/nameencoding.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

QString arrow(const QString& before, const QString& after)
{
    return before == after ? after : before + QStringLiteral(" → ") + after;
}

QStringList cellsOf(const TpInfo& tp, int programs)
{
    return {QString::number(tp.frequency),       QString::fromStdString(polarityText(tp.polarity())),
            QString::number(tp.symbolRate),      QString::fromStdString(systemText(tp)),
            QString::fromStdString(fecText(tp)), QString::number(programs)};
}

QStringList updatedCells(const TransponderChange& change)
{
    const QStringList before = cellsOf(change.before, 0);
    const QStringList after = cellsOf(change.after, 0);
    QStringList cells;
    for (int column = 0; column + 1 < before.size(); ++column)
        cells << arrow(before[column], after[column]);
    return cells << QString();
}

QString valueText(const DiffValue& value, const NameEncoding& encoding)
{
    if (value.kind == DiffValue::Kind::Name)
        return QString::fromStdString(nameText(value.text, value.codePage, encoding));
    if (value.kind == DiffValue::Kind::Text)
        return QString::fromStdString(value.text);
    return QString::number(value.number);
}

QStringList networkChangesOf(const DatabaseDiff& diff, const NameEncoding& encoding)
{
    QStringList lines;
    for (const NetworkChange& network : diff.networks)
        for (const FieldChange& field : network.fields) {
            const QString label = field.field == "name"     ? CDlgReview::tr("Name")
                                  : field.field == "degree" ? CDlgReview::tr("Position (0.1°)")
                                                            : QString::fromStdString(field.field);
            lines << QStringLiteral("%1: %2").arg(
                label, arrow(valueText(field.before, encoding), valueText(field.after, encoding)));
        }
    if (diff.transpondersReordered)
        lines << CDlgReview::tr("The transponders take a new order");
    return lines;
}

} // namespace

ImportReview reviewOf(const DatabaseDiff& diff, const NameEncoding& encoding)
{
    ImportReview review;
    review.networkChanges = networkChangesOf(diff, encoding);
    for (const TransponderPresence& entry : diff.transpondersAdded)
        review.rows.append({ReviewRow::Kind::Added, cellsOf(entry.record, entry.programs)});
    for (const TransponderChange& change : diff.transpondersChanged)
        review.rows.append({ReviewRow::Kind::Updated, updatedCells(change)});
    for (const TransponderPresence& entry : diff.transpondersRemoved) {
        review.rows.append({ReviewRow::Kind::Removed, cellsOf(entry.record, entry.programs)});
        review.programsRemoved += entry.programs;
    }
    review.added = static_cast<int>(diff.transpondersAdded.size());
    review.updated = static_cast<int>(diff.transpondersChanged.size());
    review.removed = static_cast<int>(diff.transpondersRemoved.size());
    return review;
}

bool confirmImport(const ImportQuestions& questions, const ChannelDatabase& before,
                   const ChannelDatabase& after, const QString& title, const QString& noChangeText)
{
    const DatabaseDiff diff = compareDatabases(before, after);
    if (diff.empty()) {
        questions.prompter.showMessage(noChangeText, PromptIcon::Information);
        return false;
    }
    ImportReview review = reviewOf(diff, questions.encoding);
    review.title = title;
    return questions.dialogs.reviewImport(questions.window, review);
}

} // namespace kvx
