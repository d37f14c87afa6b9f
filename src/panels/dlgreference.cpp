#include "panels/dlgreference.h"

#include <algorithm>

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "db/databasediff.h"
#include "panels/reviewdialogparts.h"
#include "platform/nameencoding.h"
#include "ui/referencetexts.h"

namespace kvx {

// A read-only table of texts, refilled as a whole: the moved channels of a large list are many
// thousand rows, which a model gives the view far quicker than items would.
class TextRowsModel final : public QAbstractTableModel {
public:
    TextRowsModel(QStringList titles, QObject* parent)
            : QAbstractTableModel(parent)
            , titles_(std::move(titles))
    {}

    void setRows(QList<QStringList> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const QList<QStringList>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(titles_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_.size() ||
            index.column() >= rows_[index.row()].size())
            return {};
        return rows_[index.row()][index.column()];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= titles_.size())
            return {};
        return titles_[section];
    }

private:
    QStringList titles_;
    QList<QStringList> rows_;
};

namespace {

const auto kGeometryKey = QStringLiteral("ReferenceReview/geometry");

constexpr int kMatchRole = Qt::UserRole;

// Columns are sized by this many rows at most: measuring every row of a long list takes longer than
// the rest of the dialog.
constexpr int kMeasuredRows = 500;

QString arrow(const QString& before, const QString& after)
{
    return before == after ? after : before + QStringLiteral(" → ") + after;
}

QString typeText(bool radio)
{
    return radio ? CDlgReference::tr("Radio") : CDlgReference::tr("TV");
}

QString programName(const std::string& bytes, uint8_t codePage, const NameEncoding& encoding)
{
    return QString::fromStdString(nameText(bytes, codePage, encoding));
}

QString groupName(const std::string& bytes, const NameEncoding& encoding)
{
    return QString::fromStdString(encoding.toUtf8(bytes));
}

QString entriesText(const FavouriteGroupChange& group)
{
    return CDlgReference::tr("TV %1, radio %2")
        .arg(arrow(QString::number(group.tvBefore), QString::number(group.tvAfter)),
             arrow(QString::number(group.radioBefore), QString::number(group.radioAfter)));
}

QString groupChangesText(const FavouriteGroupChange& group)
{
    QStringList parts;
    if (group.added > 0)
        parts << CDlgReference::tr("%1 added").arg(group.added);
    if (group.removed > 0)
        parts << CDlgReference::tr("%1 removed").arg(group.removed);
    if (group.reordered)
        parts << CDlgReference::tr("reordered");
    return parts.join(QStringLiteral(", "));
}

QString countsText(const ReferenceCounts& counts)
{
    QString text = CDlgReference::tr("Sure matches: %1; name matches: %2; unmatched here: %3; unmatched in "
                                     "the reference: %4; copied: %5")
                       .arg(counts.byServiceId)
                       .arg(counts.byName)
                       .arg(counts.unmatched)
                       .arg(counts.referenceUnmatched)
                       .arg(counts.copied);
    if (counts.transpondersCopied > 0)
        text += CDlgReference::tr("; new transponders: %1").arg(counts.transpondersCopied);
    return text;
}

QString problemsNote(std::size_t count)
{
    return count == 1 ? CDlgReference::tr("1 row of the reference could not be read and is left out "
                                          "(see Rows Left Out).")
                      : CDlgReference::tr("%n rows of the reference could not be read and are left out "
                                          "(see Rows Left Out).",
                                          nullptr, static_cast<int>(count));
}

void fitColumns(QTreeView* view, const QAbstractItemModel& model)
{
    const QFontMetrics metrics = view->fontMetrics();
    const int rows = std::min(model.rowCount(), kMeasuredRows);
    for (int column = 0; column < model.columnCount(); ++column) {
        int width = metrics.horizontalAdvance(model.headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < rows; ++row)
            width = std::max(width, metrics.horizontalAdvance(model.index(row, column).data().toString()));
        view->setColumnWidth(column, width + 24);
    }
}

} // namespace

CDlgReference::CDlgReference(const ReferenceReviewRequest& request, QWidget* parent)
        : QDialog(parent)
        , request_(request)
        , selection_(request.plan.defaultSelection())
{
    setObjectName(QStringLiteral("referenceDialog"));
    setWindowTitle(tr("Apply Reference List - %1").arg(request.referenceName));

    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("counts"));
    counts_->setWordWrap(true);
    auto* problems = new QLabel(problemsNote(request.problems.size()), this);
    problems->setObjectName(QStringLiteral("problemsNote"));
    problems->setStyleSheet(QStringLiteral("color: #b00000"));
    problems->setVisible(!request.problems.empty());

    favourites_ = new QCheckBox(tr("Favourite groups"), this);
    favourites_->setObjectName(QStringLiteral("favourites"));
    favourites_->setToolTip(tr("The favourite groups take the reference's names and entries"));
    names_ = new QCheckBox(tr("Program names"), this);
    names_->setObjectName(QStringLiteral("names"));
    names_->setToolTip(tr("The matched programs take the reference's names"));
    copyMissing_ = new QCheckBox(tr("Copy missing programs"), this);
    copyMissing_->setObjectName(QStringLiteral("copyMissing"));
    copyMissing_->setToolTip(tr("The reference's programs that match nothing here are added"));
    favourites_->setChecked(selection_.favourites);
    names_->setChecked(selection_.names);
    copyMissing_->setChecked(selection_.copyMissing);
    for (QCheckBox* option : {favourites_, names_, copyMissing_})
        connect(option, &QCheckBox::toggled, this, &CDlgReference::refresh);
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(tr("Also take:"), this));
    options->addWidget(favourites_);
    options->addWidget(names_);
    options->addWidget(copyMissing_);
    options->addStretch(1);

    sections_ = new QTabWidget(this);
    sections_->setObjectName(QStringLiteral("sections"));
    nameMatches_ = buildNameMatches();
    sections_->addTab(nameMatches_, tr("Name Matches (%1)").arg(nameMatches_->topLevelItemCount()));
    moves_ = new TextRowsModel({tr("Type"), tr("Before"), tr("After"), tr("Name")}, this);
    movesTab_ = sections_->addTab(addTable(moves_, "moves"), QString());
    groups_ = new TextRowsModel({tr("Group"), tr("Name"), tr("Entries"), tr("Changes")}, this);
    groupsTab_ = sections_->addTab(addTable(groups_, "favouriteChanges"), QString());
    renames_ = new TextRowsModel({tr("Type"), tr("Before"), tr("After")}, this);
    renamesTab_ = sections_->addTab(addTable(renames_, "renames"), QString());
    if (!request.problems.empty()) {
        auto* rows = new TextRowsModel({tr("Line"), tr("Reason")}, this);
        QList<QStringList> cells;
        for (const ReferenceRowProblem& problem : request.problems)
            cells << QStringList{QString::number(problem.line), problemText(problem)};
        rows->setRows(std::move(cells));
        QTreeView* view = addTable(rows, "problems");
        fitColumns(view, *rows);
        sections_->addTab(view, tr("Rows Left Out (%1)").arg(request.problems.size()));
    }
    connect(nameMatches_, &QTreeWidget::itemChanged, this, &CDlgReference::refresh);

    nothing_ = new QLabel(tr("With these choices the reference list changes nothing."), this);
    nothing_->setObjectName(QStringLiteral("nothing"));
    QDialogButtonBox* buttons = makeApplyCancelButtons(*this, apply_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(counts_);
    layout->addWidget(problems);
    layout->addLayout(options);
    layout->addWidget(sections_, 1);
    layout->addWidget(nothing_);
    layout->addWidget(buttons);

    refresh();
    for (QTreeView* view : {findChild<QTreeView*>(QStringLiteral("moves")),
                            findChild<QTreeView*>(QStringLiteral("favouriteChanges")),
                            findChild<QTreeView*>(QStringLiteral("renames"))})
        fitColumns(view, *view->model());

    restoreReviewGeometry(*this, QSize(860, 620), kGeometryKey);
}

CDlgReference::~CDlgReference() = default;

QTreeWidget* CDlgReference::buildNameMatches()
{
    auto* table = new QTreeWidget(this);
    table->setObjectName(QStringLiteral("nameMatches"));
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setAlternatingRowColors(true);
    table->setHeaderLabels({tr("Program"), tr("Reference name"), tr("Type")});
    const ReferencePlan& plan = request_.plan;
    QList<QTreeWidgetItem*> items;
    for (std::size_t k = 0; k < plan.matches.size(); ++k) {
        const ReferenceMatch& match = plan.matches[k];
        if (match.kind != MatchKind::Name || match.program >= request_.db.programs.size())
            continue;
        const ProgInfo& prog = request_.db.programs[match.program];
        auto* item = new QTreeWidgetItem(
            QStringList{programName(prog.name, prog.nameCodePage, request_.encoding),
                        programName(match.referenceName, match.referenceCodePage, request_.encoding),
                        typeText(prog.isRadio())});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, selection_.matches[k] ? Qt::Checked : Qt::Unchecked);
        item->setData(0, kMatchRole, static_cast<qulonglong>(k));
        items << item;
    }
    table->addTopLevelItems(items);
    for (int column = 0; column < table->columnCount(); ++column)
        table->resizeColumnToContents(column);
    return table;
}

QTreeView* CDlgReference::addTable(TextRowsModel* model, const char* name)
{
    auto* view = new QTreeView(this);
    view->setObjectName(QString::fromLatin1(name));
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAlternatingRowColors(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setModel(model);
    return view;
}

void CDlgReference::readChoices()
{
    selection_.favourites = favourites_->isChecked();
    selection_.names = names_->isChecked();
    selection_.copyMissing = copyMissing_->isChecked();
    for (int k = 0; k < nameMatches_->topLevelItemCount(); ++k) {
        const QTreeWidgetItem* item = nameMatches_->topLevelItem(k);
        const auto match = static_cast<std::size_t>(item->data(0, kMatchRole).toULongLong());
        if (match < selection_.matches.size())
            selection_.matches[match] = item->checkState(0) == Qt::Checked;
    }
}

void CDlgReference::refresh()
{
    readChoices();
    review_ = reviewReferencePlan(request_.db, request_.plan, selection_);
    const ChannelDatabase& db = request_.db;
    const NameEncoding& encoding = request_.encoding;
    counts_->setText(countsText(review_.counts));

    QList<QStringList> moves;
    moves.reserve(static_cast<qsizetype>(review_.moves.size()));
    for (const ChannelMove& move : review_.moves) {
        const ProgInfo& prog = db.programs[move.program];
        moves << QStringList{typeText(move.radio), QString::number(move.from), QString::number(move.to),
                             programName(prog.name, prog.nameCodePage, encoding)};
    }
    moves_->setRows(std::move(moves));
    QList<QStringList> groups;
    for (const FavouriteGroupChange& group : review_.favourites)
        groups << QStringList{
            QString::number(group.group + 1),
            arrow(groupName(group.nameBefore, encoding), groupName(group.nameAfter, encoding)),
            entriesText(group), groupChangesText(group)};
    groups_->setRows(std::move(groups));
    QList<QStringList> renames;
    for (const ProgramRename& rename : review_.renames)
        renames << QStringList{typeText(db.programs[rename.program].isRadio()),
                               programName(rename.nameBefore, rename.codePageBefore, encoding),
                               programName(rename.nameAfter, rename.codePageAfter, encoding)};
    renames_->setRows(std::move(renames));

    sections_->setTabText(movesTab_, tr("Moved Channels (%1)").arg(review_.moves.size()));
    sections_->setTabText(groupsTab_, tr("Favourite Groups (%1)").arg(review_.favourites.size()));
    sections_->setTabText(renamesTab_, tr("Renames (%1)").arg(review_.renames.size()));
    const bool changes = review_.changesDatabase();
    apply_->setEnabled(changes);
    nothing_->setVisible(!changes);
}

void CDlgReference::done(int result)
{
    QSettings().setValue(kGeometryKey, saveGeometry());
    QDialog::done(result);
}

} // namespace kvx
