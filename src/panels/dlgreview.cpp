#include "panels/dlgreview.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvx {

namespace {

QString kindText(ReviewRow::Kind kind)
{
    switch (kind) {
    case ReviewRow::Kind::Added: return CDlgReview::tr("Added");
    case ReviewRow::Kind::Updated: return CDlgReview::tr("Updated");
    case ReviewRow::Kind::Removed: break;
    }
    return CDlgReview::tr("Removed");
}

QTableWidget* tableOf(const QList<ReviewRow>& rows, QWidget* parent)
{
    const QStringList titles = QStringList{CDlgReview::tr("Change")} + CDlgReview::columnTitles();
    auto* table = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(titles.size()), parent);
    table->setObjectName(QStringLiteral("changes"));
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->setAlternatingRowColors(true);
    for (int row = 0; row < rows.size(); ++row) {
        const ReviewRow& entry = rows[row];
        table->setItem(row, 0, new QTableWidgetItem(kindText(entry.kind)));
        for (int column = 0; column < entry.cells.size(); ++column)
            table->setItem(row, column + 1, new QTableWidgetItem(entry.cells[column]));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

QString ImportReview::countsText() const
{
    QString text = CDlgReview::tr("%1 added, %2 updated, %3 removed").arg(added).arg(updated).arg(removed);
    if (programsRemoved > 0)
        text += programsRemoved == 1 ? CDlgReview::tr(" (with 1 program)")
                                     : CDlgReview::tr(" (with %1 programs)").arg(programsRemoved);
    return text;
}

QStringList CDlgReview::columnTitles()
{
    return {tr("Frequency"), tr("Polarity"), tr("Symbol rate"), tr("System"), tr("FEC"), tr("Programs")};
}

CDlgReview::CDlgReview(const ImportReview& review, QWidget* parent)
        : QDialog(parent)
{
    setObjectName(QStringLiteral("reviewDialog"));
    setWindowTitle(review.title);
    auto* counts = new QLabel(review.countsText(), this);
    counts->setObjectName(QStringLiteral("counts"));
    auto* network = new QLabel(review.networkChanges.join(QLatin1Char('\n')), this);
    network->setObjectName(QStringLiteral("networkChanges"));
    network->setVisible(!review.networkChanges.isEmpty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    QPushButton* apply = buttons->button(QDialogButtonBox::Apply);
    apply->setObjectName(QStringLiteral("apply"));
    apply->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(counts);
    layout->addWidget(network);
    layout->addWidget(tableOf(review.rows, this), 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

} // namespace kvx
