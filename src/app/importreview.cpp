#include "app/importreview.h"

#include <array>

#include "app/dialogfactory.h"
#include "db/applychanges.h"
#include "db/databasediff.h"
#include "db/fieldtext.h"
#include "platform/nameencoding.h"
#include "ui/coretexts.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

QString arrow(const QString& before, const QString& after)
{
    return before == after ? after : before + QStringLiteral(" → ") + after;
}

QStringList cellsOf(const TpInfo& tp)
{
    return {QString::number(tp.frequency), QString::fromStdString(polarityText(tp.polarity())),
            QString::number(tp.symbolRate), QString::fromStdString(systemText(tp)),
            QString::fromStdString(fecText(tp))};
}

QStringList updatedCells(const Change& change)
{
    const QStringList before = cellsOf(change.before);
    const QStringList after = cellsOf(change.after);
    QStringList cells;
    for (int column = 0; column < before.size(); ++column)
        cells << arrow(before[column], after[column]);
    return cells;
}

QString networkNote(const Change& change, const NameEncoding& encoding)
{
    QStringList parts;
    const auto name = [&encoding](const std::string& bytes) {
        return QString::fromStdString(encoding.toUtf8(bytes));
    };
    if (change.networkBefore.name != change.networkAfter.name)
        parts << CDlgReview::tr("Name: %1")
                     .arg(arrow(name(change.networkBefore.name), name(change.networkAfter.name)));
    if (change.networkBefore.degree != change.networkAfter.degree)
        parts << CDlgReview::tr("Position: %1")
                     .arg(arrow(QString::fromStdString(positionText(change.networkBefore.degree)),
                                QString::fromStdString(positionText(change.networkAfter.degree))));
    return parts.join(QStringLiteral("; "));
}

ReviewRow rowOf(const Change& change, std::size_t index, const NameEncoding& encoding)
{
    ReviewRow row;
    row.change = index;
    row.ticked = change.selectedByDefault();
    switch (change.kind) {
    case ChangeKind::Network:
        row.kind = ReviewRow::Kind::Network;
        row.note = networkNote(change, encoding);
        break;
    case ChangeKind::Remove:
        row.kind = ReviewRow::Kind::Removed;
        row.programs = static_cast<int>(change.programs.size());
        row.cells = cellsOf(change.before) << QString::number(row.programs);
        break;
    case ChangeKind::Update:
        row.kind = ReviewRow::Kind::Updated;
        row.cells = updatedCells(change) << QString();
        break;
    case ChangeKind::Add:
        row.kind = ReviewRow::Kind::Added;
        row.cells = cellsOf(change.after) << QString();
        if (change.repeatsRow > 0)
            row.note = CDlgReview::tr("repeats row %1 of the page").arg(change.repeatsRow);
        if (change.possibleDuplicate.position != NO_POSITION) {
            const QString near =
                CDlgReview::tr("possible duplicate of %1 %2")
                    .arg(change.possibleDuplicate.frequency)
                    .arg(QString::fromStdString(polarityText(change.possibleDuplicate.polarity)));
            row.note = row.note.isEmpty() ? near : row.note + QStringLiteral("; ") + near;
        }
        break;
    case ChangeKind::Sort:
        row.kind = ReviewRow::Kind::Sorted;
        row.note = CDlgReview::tr("The transponders are sorted by frequency");
        break;
    }
    return row;
}

} // namespace

ImportReview reviewOf(const ChangeSet& changes, const NameEncoding& encoding)
{
    ImportReview review;
    review.changeCount = changes.size();
    constexpr std::array<ChangeKind, 5> shownOrder = {ChangeKind::Network, ChangeKind::Remove,
                                                      ChangeKind::Update, ChangeKind::Add, ChangeKind::Sort};
    for (const ChangeKind kind : shownOrder)
        for (std::size_t k = 0; k < changes.size(); ++k)
            if (changes[k].kind == kind)
                review.rows.append(rowOf(changes[k], k, encoding));
    return review;
}

std::optional<ChangeSelection> reviewChanges(const ImportQuestions& questions, const ChannelDatabase& db,
                                             const ChangeSet& changes, const QString& title,
                                             const QString& noChangeText)
{
    if (changes.empty()) {
        questions.prompter.showMessage(noChangeText, PromptIcon::Information);
        return std::nullopt;
    }
    ImportReview review = reviewOf(changes, questions.encoding);
    review.title = title;
    review.fits = [&db, &changes](const ChangeSelection& selection) {
        return checkChangesFit(db, changes, selection) == StatusOk;
    };
    std::optional<ChangeSelection> selection = questions.dialogs.reviewChanges(questions.window, review);
    // A dialog that answers without the check (or a selection made before it ran) is checked once more.
    if (selection && !review.fits(*selection)) {
        questions.prompter.showMessage(statusText(StatusTooLarge), PromptIcon::Stop);
        return std::nullopt;
    }
    return selection;
}

} // namespace kvx
