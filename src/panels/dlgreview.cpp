#include "panels/dlgreview.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "panels/reviewdialogparts.h"

namespace kvx {

namespace {

const auto kGeometryKey = QStringLiteral("Review/geometry");

// The rows the dialog shows at its first opening, on a screen that has room for them.
constexpr int kVisibleRows = 25;

constexpr int kKindColumn = 0;
constexpr int kRowRole = Qt::UserRole;

QString kindText(ReviewRow::Kind kind)
{
    switch (kind) {
    case ReviewRow::Kind::Network: return CDlgReview::tr("Network");
    case ReviewRow::Kind::Removed: return CDlgReview::tr("Removed");
    case ReviewRow::Kind::Updated: return CDlgReview::tr("Updated");
    case ReviewRow::Kind::Added: return CDlgReview::tr("Added");
    case ReviewRow::Kind::Sorted: break;
    }
    return CDlgReview::tr("Sorted");
}

QString labelOf(const ReviewRow& row)
{
    return row.kindLabel.isEmpty() ? kindText(row.kind) : row.kindLabel;
}

// The filter's entries after "All changes": the kinds of a bulk command, or the rows' own labels in
// the order they first come.
QStringList filterEntries(const QList<ReviewRow>& rows)
{
    QStringList labels;
    for (const ReviewRow& row : rows)
        if (!row.kindLabel.isEmpty() && !labels.contains(row.kindLabel))
            labels << row.kindLabel;
    if (!labels.isEmpty())
        return labels;
    return {kindText(ReviewRow::Kind::Removed), kindText(ReviewRow::Kind::Updated),
            kindText(ReviewRow::Kind::Added), kindText(ReviewRow::Kind::Network)};
}

// Each column as wide as its widest text: measured by the font, which is much quicker than asking every
// item for its size hint.
void fitColumns(QTreeWidget* table, const QList<QTreeWidgetItem*>& items)
{
    const QFontMetrics metrics = table->fontMetrics();
    const int tickBox = table->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    for (int column = 0; column < table->columnCount(); ++column) {
        int width = metrics.horizontalAdvance(table->headerItem()->text(column));
        for (const QTreeWidgetItem* item : items)
            width = std::max(width, metrics.horizontalAdvance(item->text(column)));
        table->setColumnWidth(column, width + 16 + (column == kKindColumn ? tickBox : 0));
    }
}

} // namespace

QStringList CDlgReview::columnTitles()
{
    return {tr("Frequency"), tr("Polarity"), tr("Symbol rate"), tr("System"), tr("FEC"), tr("Programs")};
}

CDlgReview::CDlgReview(const ImportReview& review, QWidget* parent)
        : QDialog(parent)
        , review_(review)
{
    setObjectName(QStringLiteral("reviewDialog"));
    setWindowTitle(review.title);
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("counts"));
    filter_ = new QComboBox(this);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->addItem(tr("All changes"));
    for (const QString& label : filterEntries(review.rows))
        filter_->addItem(label, label);
    auto* filterLabel = new QLabel(tr("&Show:"), this);
    filterLabel->setBuddy(filter_);
    table_ = buildTable();
    table_->installEventFilter(this);
    tooLarge_ = new QLabel(tr("With these changes the database would be too large for a KVX file; leave some "
                              "of them out to apply the rest."),
                           this);
    tooLarge_->setObjectName(QStringLiteral("tooLarge"));
    tooLarge_->setWordWrap(true);
    tooLarge_->setStyleSheet(QStringLiteral("color: #b00000"));
    fitCheck_.setSingleShot(true);
    fitCheck_.setInterval(0);
    connect(&fitCheck_, &QTimer::timeout, this, &CDlgReview::checkFit);

    QDialogButtonBox* buttons = makeApplyCancelButtons(*this, apply_);
    connect(table_, &QTreeWidget::itemChanged, this, &CDlgReview::updateCounts);
    connect(filter_, &QComboBox::currentIndexChanged, this, &CDlgReview::applyFilter);

    auto* top = new QHBoxLayout;
    top->addWidget(counts_, 1);
    top->addWidget(filterLabel);
    top->addWidget(filter_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(tooLarge_);
    layout->addWidget(buttons);
    checkFit();

    const int rowHeight = table_->fontMetrics().height() + 8;
    restoreReviewGeometry(*this, QSize(920, rowHeight * (kVisibleRows + 1) + 120), kGeometryKey);
    table_->setFocus();
}

QTreeWidget* CDlgReview::buildTable()
{
    auto* table = new QTreeWidget(this);
    table->setObjectName(QStringLiteral("changes"));
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const QStringList columns = review_.columns.isEmpty() ? columnTitles() : review_.columns;
    noteColumn_ = 1 + static_cast<int>(columns.size());
    table->setHeaderLabels(QStringList{tr("Change")} + columns + QStringList{tr("Note")});
    QList<QTreeWidgetItem*> items;
    items.reserve(review_.rows.size());
    for (int k = 0; k < review_.rows.size(); ++k) {
        const ReviewRow& row = review_.rows[k];
        auto* item = new QTreeWidgetItem(QStringList{labelOf(row)} + row.cells);
        item->setText(noteColumn_, row.note);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(kKindColumn, row.ticked ? Qt::Checked : Qt::Unchecked);
        item->setData(kKindColumn, kRowRole, k);
        items << item;
    }
    table->addTopLevelItems(items);
    fitColumns(table, items);
    if (!items.isEmpty())
        table->setCurrentItem(items.front());
    return table;
}

ChangeSelection CDlgReview::selection() const
{
    ChangeSelection selected(review_.changeCount, false);
    for (int k = 0; k < table_->topLevelItemCount(); ++k) {
        const QTreeWidgetItem* item = table_->topLevelItem(k);
        const ReviewRow& row = review_.rows[item->data(kKindColumn, kRowRole).toInt()];
        if (row.change < selected.size())
            selected[row.change] = item->checkState(kKindColumn) == Qt::Checked;
    }
    return selected;
}

QString reviewCountsText(const QList<ReviewRow>& rows, const QList<bool>& ticked)
{
    int added = 0, updated = 0, removed = 0, programs = 0, unticked = 0;
    for (int k = 0; k < rows.size() && k < ticked.size(); ++k) {
        if (!ticked[k]) {
            ++unticked;
            continue;
        }
        switch (rows[k].kind) {
        case ReviewRow::Kind::Added: ++added; break;
        case ReviewRow::Kind::Updated: ++updated; break;
        case ReviewRow::Kind::Removed:
            ++removed;
            programs += rows[k].programs;
            break;
        default: break;
        }
    }
    QString text = CDlgReview::tr("%1 added, %2 updated, %3 removed").arg(added).arg(updated).arg(removed);
    if (programs > 0)
        text += programs == 1 ? CDlgReview::tr(" (with 1 program)")
                              : CDlgReview::tr(" (with %n programs)", nullptr, static_cast<int>(programs));
    if (unticked > 0)
        text += unticked == 1 ? CDlgReview::tr("; 1 change left out")
                              : CDlgReview::tr("; %n changes left out", nullptr, static_cast<int>(unticked));
    return text;
}

ChangeSelection ImportReview::openingSelection() const
{
    ChangeSelection selected(changeCount, false);
    for (const ReviewRow& row : rows)
        if (row.change < selected.size())
            selected[row.change] = row.ticked;
    return selected;
}

QString ImportReview::countsText() const
{
    if (counts)
        return counts(openingSelection());
    QList<bool> ticked;
    for (const ReviewRow& row : rows)
        ticked << row.ticked;
    return reviewCountsText(rows, ticked);
}

QString CDlgReview::countsText() const
{
    if (review_.counts)
        return review_.counts(selection());
    // The table keeps the rows in the review's order.
    QList<bool> ticked;
    for (int k = 0; k < table_->topLevelItemCount(); ++k)
        ticked << (table_->topLevelItem(k)->checkState(kKindColumn) == Qt::Checked);
    return reviewCountsText(review_.rows, ticked);
}

void CDlgReview::updateCounts()
{
    counts_->setText(countsText());
    const ChangeSelection selected = selection();
    apply_->setEnabled(fits_ && std::find(selected.begin(), selected.end(), true) != selected.end());
    fitCheck_.start();
}

void CDlgReview::checkFit()
{
    fits_ = !review_.fits || review_.fits(selection());
    tooLarge_->setVisible(!fits_);
    fitCheck_.blockSignals(true); // updateCounts would start the check again
    updateCounts();
    fitCheck_.stop();
    fitCheck_.blockSignals(false);
}

void CDlgReview::applyFilter()
{
    const QString label = filter_->currentData().toString();
    for (int k = 0; k < table_->topLevelItemCount(); ++k) {
        QTreeWidgetItem* item = table_->topLevelItem(k);
        const ReviewRow& row = review_.rows[item->data(kKindColumn, kRowRole).toInt()];
        item->setHidden(!label.isEmpty() && labelOf(row) != label);
    }
}

bool CDlgReview::eventFilter(QObject* watched, QEvent* event)
{
    // Space ticks or unticks the selected rows together, whichever cell of them is current.
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggleSelectedRows();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgReview::toggleSelectedRows()
{
    QTreeWidgetItem* current = table_->currentItem();
    if (current == nullptr)
        return;
    const Qt::CheckState state =
        current->checkState(kKindColumn) == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    QList<QTreeWidgetItem*> rows = table_->selectedItems();
    if (!rows.contains(current))
        rows << current;
    {
        // One count for the whole block, not one per row.
        const QSignalBlocker quiet(table_);
        for (QTreeWidgetItem* row : rows)
            if (!row->isHidden())
                row->setCheckState(kKindColumn, state);
    }
    table_->viewport()->update();
    updateCounts();
}

void CDlgReview::done(int result)
{
    QSettings().setValue(kGeometryKey, saveGeometry());
    QDialog::done(result);
}

} // namespace kvx
