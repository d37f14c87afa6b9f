#include "panels/dlgchlist.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include "panels/channellistmodel.h"
#include "panels/chlistview.h"
#include "ui/itemlabels.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

constexpr int kColumnWidths[] = {120, 136, 136, 136};
// Group names are cut to this many average characters in the group list; the tooltip holds the rest.
constexpr int kGroupTextChars = 32;
constexpr int kSearchTextChars = 20;
const auto kGeometryKey = QStringLiteral("ChannelList/geometry");

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

const char* const CDlgChList::kHowToUseText = QT_TRANSLATE_NOOP(
    "kvx::CDlgChList",
    "\nTo sort the channel list\n\n\t- Click the left mouse button on a column header of the list.\n"
    "\t- Or choose an order from Sort; with several channel items selected, only they are sorted.\n\n"
    "To select several channel items\n\n"
    "\t- Ctrl+click adds or takes away one; Shift+click selects up to one; Ctrl+A selects all.\n\n"
    "To move a channel item, or the selected ones as a block\n\n\t- Drag and drop a channel item.\n"
    "\t- Ctrl+Up and Ctrl+Down move them one place; Move to Number (Ctrl+M) moves them to a number.\n\n"
    "To remove channel items from the favorite group shown\n\n\t- Press Delete.\n\n"
    "To add a channel item to a favorite group\nTo remove a channel item from a favorite group\n\n"
    "\t- Click the right mouse button on the name of a channel item\n");

CDlgChList::CDlgChList(ChannelDatabase& db, const NameEncoding& encoding, Prompter& prompter, QWidget* parent)
        : QDialog(parent)
        , db_(db)
        , encoding_(encoding)
        , prompter_(prompter)
        , work_(std::make_unique<ChannelListWork>(db))
{
    setObjectName(QStringLiteral("ChannelList"));
    setWindowTitle(tr("Channel List"));
    // A long list wants the whole screen.
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    model_ = new ChannelListModel(*work_, encoding_, this);
    renamer_ = [this](const CDlgFavName::Names& names) -> std::optional<CDlgFavName::Names> {
        CDlgFavName dialog(this);
        dialog.setNames(names);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.names();
    };
    menuRunner_ = [](QMenu& menu, QPoint globalPos) { menu.exec(globalPos); };
    inputRunner_ = [](QInputDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    buildControls();
    syncGroupList();
    groupList_->setCurrentIndex(0);
    updateCount();
}

CDlgChList::~CDlgChList()
{
    // The view lets go of the model before the rows it shows go.
    list_->setModel(nullptr);
}

void CDlgChList::buildControls()
{
    groupList_ = new QComboBox(this);
    groupList_->setObjectName(QStringLiteral("group"));
    groupList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    groupList_->setMinimumContentsLength(16);
    rename_ = makeButton(this, QStringLiteral("rename"), tr("Rename"));
    searchText_ = new QLineEdit(this);
    searchText_->setObjectName(QStringLiteral("searchText"));
    searchText_->setMinimumWidth(searchText_->fontMetrics().averageCharWidth() * kSearchTextChars);
    search_ = makeButton(this, QStringLiteral("search"), tr("Search"));
    search_->setDefault(true); // Enter searches

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(tr("TV"));
    tabs_->addTab(tr("Radio"));
    tabs_->setExpanding(false);

    list_ = new CChListView(this);
    list_->setObjectName(QStringLiteral("channels"));
    list_->setModel(model_);
    for (int column = 0; column < 4; ++column)
        list_->setColumnWidth(column, kColumnWidths[column]);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setAlignment(Qt::AlignCenter);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    QPushButton* howToUse = makeButton(this, QStringLiteral("howToUse"), tr("How to use..."));
    sort_ = makeButton(this, QStringLiteral("sort"), tr("Sort"));
    auto* sortMenu = new QMenu(sort_);
    sortMenu->setObjectName(QStringLiteral("sortMenu"));
    const struct {
        const char* name;
        QString text;
        ChannelSort order;
    } sorts[] = {
        {"byName", tr("By Name"), ChannelSort::Name},
        {"byNetworkAndFrequency", tr("By Network and Frequency"), ChannelSort::NetworkFrequency},
        {"byServiceId", tr("By Service ID"), ChannelSort::ServiceId},
        {"scrambledLast", tr("Scrambled Last"), ChannelSort::ScrambledLast},
    };
    for (const auto& sort : sorts) {
        QAction* action = sortMenu->addAction(sort.text);
        action->setObjectName(QString::fromLatin1(sort.name));
        connect(action, &QAction::triggered, this, [this, order = sort.order] { OnSort(order); });
    }
    sort_->setMenu(sortMenu);
    sort_->setToolTip(tr("Sorts the selected channels, or all channels shown when at most one is selected"));
    moveToAction_ = new QAction(tr("Move to Number..."), this);
    moveToAction_->setObjectName(QStringLiteral("moveToNumberAction"));
    moveToAction_->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_M));
    addAction(moveToAction_);
    moveTo_ = makeButton(this, QStringLiteral("moveToNumber"), moveToAction_->text());
    moveTo_->setToolTip(tr("Moves the selected channels to a channel number (%1)")
                            .arg(moveToAction_->shortcut().toString(QKeySequence::NativeText)));
    QPushButton* ok = makeButton(this, QStringLiteral("ok"), tr("OK"));
    QPushButton* cancel = makeButton(this, QStringLiteral("cancel"), tr("Cancel"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Channel Group"), this));
    top->addWidget(groupList_);
    top->addWidget(rename_);
    top->addStretch(1);
    top->addWidget(searchText_);
    top->addWidget(search_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(howToUse);
    bottom->addWidget(sort_);
    bottom->addWidget(moveTo_);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_);
    layout->setSpacing(4);
    layout->addWidget(list_, 1);
    layout->addWidget(count_);
    layout->addWidget(separator);
    layout->addLayout(bottom);
    resize(575, 395);
    restoreGeometry(QSettings().value(kGeometryKey).toByteArray());

    connect(groupList_, &QComboBox::activated, this, &CDlgChList::OnGroupChosen);
    connect(tabs_, &QTabBar::currentChanged, this, &CDlgChList::OnTabChanged);
    connect(list_->header(), &QHeaderView::sectionClicked, this, &CDlgChList::OnColumnClicked);
    connect(list_, &CChListView::rowDropped, this, &CDlgChList::OnRowDropped);
    connect(list_, &CChListView::stepRequested, this, &CDlgChList::OnStep);
    connect(list_, &CChListView::deleteRequested, this, &CDlgChList::OnDelete);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CDlgChList::updateCount);
    connect(moveToAction_, &QAction::triggered, this, &CDlgChList::OnMoveToNumber);
    connect(moveTo_, &QPushButton::clicked, this, &CDlgChList::OnMoveToNumber);
    connect(list_, &QWidget::customContextMenuRequested, this, &CDlgChList::onContextMenu);
    connect(rename_, &QPushButton::clicked, this, &CDlgChList::OnRename);
    connect(search_, &QPushButton::clicked, this, &CDlgChList::OnSearch);
    connect(howToUse, &QPushButton::clicked, this, &CDlgChList::OnHowToUse);
    connect(ok, &QPushButton::clicked, this, &CDlgChList::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgChList::reject);
}

QString CDlgChList::groupText(ChannelGroup group) const
{
    switch (group.kind) {
    case GROUP_NETWORK:
        if (const NetInfo* net = db_.networks.at(group.index))
            return networkLabel(*net, encoding_);
        return {};
    case GROUP_FAVORITE: return model_->favoriteLabel(group.index);
    default: return tr("All Satellites");
    }
}

void CDlgChList::syncGroupList()
{
    // The chosen entry stays chosen wherever it moves; when it is gone, none is.
    const QVariant chosen = groupList_->currentIndex() >= 0 ? groupList_->currentData() : QVariant();
    const QSignalBlocker blocker(groupList_);
    groupList_->clear();
    const QFontMetrics metrics = groupList_->fontMetrics();
    const int widest = metrics.averageCharWidth() * kGroupTextChars;
    for (const ChannelGroup& group : work_->groups()) {
        const QString text = groupText(group);
        const QString shown = metrics.elidedText(text, Qt::ElideRight, widest);
        groupList_->addItem(shown, group.itemData());
        if (shown != text)
            groupList_->setItemData(groupList_->count() - 1, text, Qt::ToolTipRole);
    }
    groupList_->setCurrentIndex(chosen.isValid() ? groupList_->findData(chosen) : -1);
}

void CDlgChList::updateCount()
{
    const std::size_t selected = list_->selectedRows().size();
    if (selected == 0)
        count_->setText(tr("%n channels", nullptr, static_cast<int>(work_->rows().size())));
    else
        count_->setText(
            tr("%n channels, %1 selected", nullptr, static_cast<int>(work_->rows().size())).arg(selected));
    moveToAction_->setEnabled(selected > 0);
    moveTo_->setEnabled(selected > 0);
}

void CDlgChList::updateTitle()
{
    if (work_->modifiedFlags() != 0)
        setWindowTitle(tr("Channel List (Modified)"));
}

void CDlgChList::OnGroupChosen(int position)
{
    if (position < 0 || position >= groupList_->count())
        return;
    const auto group =
        ChannelGroup::fromItemData(static_cast<uint16_t>(groupList_->itemData(position).toUInt()));
    model_->refill([&] { work_->selectGroup(group); });
    updateCount();
}

void CDlgChList::OnTabChanged(int tab)
{
    if (tab < 0)
        return;
    model_->refill([&] { work_->selectTab(tab); });
    updateCount();
}

void CDlgChList::OnColumnClicked(int column)
{
    model_->sortByColumn(column);
    updateTitle();
}

void CDlgChList::OnRowDropped(int source, int drop)
{
    std::vector<int> rows = list_->selectedRows();
    const auto dragged = std::find(rows.begin(), rows.end(), source);
    std::size_t offset = 0;
    if (dragged == rows.end())
        rows = {source};
    else
        offset = static_cast<std::size_t>(dragged - rows.begin());
    // The dragged row lands on the drop row's place, the rest of the block around it.
    const std::vector<int> moved = model_->moveRows(rows, drop - static_cast<int>(offset));
    if (moved.empty())
        return;
    // The moved channels stay selected at their new place, the dragged one current.
    list_->selectRows(moved, moved[offset]);
    updateTitle();
}

void CDlgChList::OnStep(int step)
{
    const std::vector<int> moved = model_->stepRows(list_->selectedRows(), step);
    if (moved.empty())
        return;
    list_->selectRows(moved);
    updateTitle();
}

void CDlgChList::OnMoveToNumber()
{
    const std::vector<int> rows = list_->selectedRows();
    if (rows.empty())
        return;
    const int count = model_->rowCount();
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("moveToNumberDialog"));
    dialog.setWindowTitle(tr("Move to Number"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, count);
    dialog.setIntValue(rows.front() + 1);
    dialog.setLabelText(rows.size() == 1
                            ? tr("Channel number (1 to %1):").arg(count)
                            : tr("Channel number of the first of the %1 selected channels (1 to %2):")
                                  .arg(rows.size())
                                  .arg(count));
    if (!inputRunner_(dialog))
        return;
    // A block that would run past the end ends at the last number.
    const std::vector<int> moved = model_->moveRows(rows, dialog.intValue() - 1);
    if (moved.empty())
        return;
    list_->selectRows(moved);
    updateTitle();
}

void CDlgChList::OnSort(ChannelSort order)
{
    std::vector<int> rows = list_->selectedRows();
    if (rows.size() < 2)
        rows.clear();
    if (!model_->sortRows(order, rows))
        return;
    if (const QModelIndex current = list_->currentIndex(); current.isValid())
        list_->scrollTo(current);
    updateTitle();
}

void CDlgChList::OnDelete()
{
    const ChannelGroup group = work_->currentGroup();
    if (group.kind != GROUP_FAVORITE)
        return;
    std::vector<int> removed;
    if (!model_->removeFromFavorite(list_->selectedRows(), group.index, &removed))
        return;
    syncGroupList();
    updateCount();
    updateTitle();
    selectAfterRemoval(removed);
}

void CDlgChList::selectAfterRemoval(const std::vector<int>& removed)
{
    const int count = model_->rowCount();
    if (removed.empty() || count == 0)
        return;
    list_->selectRow(std::min(removed.front(), count - 1));
}

std::unique_ptr<QMenu> CDlgChList::CreateFavoriteMenu(int row)
{
    const std::vector<int> selected = list_->selectedRows();
    menuRows_ = std::binary_search(selected.begin(), selected.end(), row) ? selected : std::vector<int>{row};
    const int rows = static_cast<int>(menuRows_.size());
    // The caller owns the menu; it has no parent that could delete it first.
    auto menu = std::make_unique<QMenu>();
    menu->setObjectName(QStringLiteral("favoriteMenu"));
    const int groups = work_->menuGroupCount();
    std::vector<int> members(static_cast<std::size_t>(groups));
    for (int g = 0; g < groups; ++g)
        members[static_cast<std::size_t>(g)] = work_->countInFavourite(menuRows_, g);
    for (int g = 0; g < groups; ++g) {
        QAction* add = menu->addAction(tr("Add to %1").arg(model_->favoriteLabel(g)));
        add->setData(ID_CHLIST_ADD_TO_FAVORITE + g);
        add->setEnabled(members[static_cast<std::size_t>(g)] < rows);
        connect(add, &QAction::triggered, this, [this, g] { OnAddTo(g); });
    }
    menu->addSeparator();
    for (int g = 0; g < groups; ++g) {
        QAction* remove = menu->addAction(tr("Remove from %1").arg(model_->favoriteLabel(g)));
        remove->setData(ID_CHLIST_REMOVE_FROM_FAVORITE + g);
        remove->setEnabled(members[static_cast<std::size_t>(g)] > 0);
        connect(remove, &QAction::triggered, this, [this, g] { OnRemoveFrom(g); });
    }
    return menu;
}

void CDlgChList::onContextMenu(QPoint pos)
{
    const QModelIndex index = list_->indexAt(pos);
    if (!index.isValid())
        return;
    // The menu's commands act on the selection when the row under the pointer is part of it, else on
    // that row, which is shown selected as they run.
    if (!list_->selectionModel()->isRowSelected(index.row()))
        list_->selectRow(index.row());
    const std::unique_ptr<QMenu> menu = CreateFavoriteMenu(index.row());
    menuRunner_(*menu, list_->viewport()->mapToGlobal(pos));
}

void CDlgChList::OnAddTo(int group)
{
    if (!model_->addToFavorite(menuRows_, group))
        return;
    syncGroupList();
    updateTitle();
}

void CDlgChList::OnRemoveFrom(int group)
{
    std::vector<int> removed;
    if (!model_->removeFromFavorite(menuRows_, group, &removed))
        return;
    syncGroupList();
    updateCount();
    updateTitle();
    selectAfterRemoval(removed);
}

void CDlgChList::OnRename()
{
    // The dialog has a field for each of the first sixteen groups; the others start and stay empty.
    const int groups = std::min(static_cast<int>(work_->favourites().size()), CDlgFavName::kGroupCount);
    CDlgFavName::Names names;
    for (int g = 0; g < groups; ++g)
        names[static_cast<std::size_t>(g)] =
            QString::fromStdString(encoding_.toUtf8(work_->favourites()[static_cast<std::size_t>(g)].name));
    const std::optional<CDlgFavName::Names> edited = renamer_(names);
    if (!edited)
        return;
    std::vector<std::string> encoded;
    for (int g = 0; g < groups; ++g)
        encoded.push_back(encoding_.fromUtf8((*edited)[static_cast<std::size_t>(g)].toStdString()));
    if (!work_->renameFavourites(encoded))
        return;
    syncGroupList();
    model_->refreshFavoriteTexts();
    updateTitle();
}

void CDlgChList::OnSearch()
{
    const QString text = searchText_->text();
    searchText_->setFocus();
    searchText_->selectAll();
    const int row = work_->findNext(list_->selectedRow(), [&](const ProgInfo& prog) {
        return model_->nameText(prog).startsWith(text, Qt::CaseInsensitive);
    });
    if (row < 0) {
        prompter_.showMessage(tr("No match was found..."), PromptIcon::Warning);
        return;
    }
    list_->selectRow(row);
}

void CDlgChList::OnHowToUse()
{
    prompter_.showMessage(tr(kHowToUseText), PromptIcon::None);
}

void CDlgChList::accept()
{
    databaseChanged_ = work_->apply();
    QDialog::accept();
}

void CDlgChList::done(int result)
{
    QSettings().setValue(kGeometryKey, saveGeometry());
    QDialog::done(result);
}

} // namespace kvx
