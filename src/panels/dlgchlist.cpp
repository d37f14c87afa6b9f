#include "panels/dlgchlist.h"

#include <algorithm>

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
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

const char* const CDlgChList::kHowToUseText =
    "\nTo sort the channel list\n\n\t- Click the left mouse button on a column header of the list.\n\n"
    "To move a channel item\n\n\t- Drag and drop a channel item.\n\n"
    "To add a channel item to a favorite group\nTo remove a channel item from a favorite group\n\n"
    "\t- Click the right mouse button on the name of a channel item\n";

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
    connect(list_, &CChListView::rowMoveRequested, this, &CDlgChList::OnRowDropped);
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
    count_->setText(tr("%1 channels").arg(work_->rows().size()));
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
    if (!model_->moveRow(source, drop))
        return;
    // The moved channel stays selected at its new place.
    list_->selectRow(drop);
    updateTitle();
}

std::unique_ptr<QMenu> CDlgChList::CreateFavoriteMenu(int row)
{
    rightClickRow_ = row;
    // The caller owns the menu; it has no parent that could delete it first.
    auto menu = std::make_unique<QMenu>();
    menu->setObjectName(QStringLiteral("favoriteMenu"));
    const int groups = work_->menuGroupCount();
    for (int g = 0; g < groups; ++g) {
        QAction* add = menu->addAction(tr("Add to %1").arg(model_->favoriteLabel(g)));
        add->setData(ID_CHLIST_ADD_TO_FAVORITE + g);
        add->setEnabled(!work_->inFavourite(row, g));
        connect(add, &QAction::triggered, this, [this, g] { OnAddTo(g); });
    }
    menu->addSeparator();
    for (int g = 0; g < groups; ++g) {
        QAction* remove = menu->addAction(tr("Remove from %1").arg(model_->favoriteLabel(g)));
        remove->setData(ID_CHLIST_REMOVE_FROM_FAVORITE + g);
        remove->setEnabled(work_->inFavourite(row, g));
        connect(remove, &QAction::triggered, this, [this, g] { OnRemoveFrom(g); });
    }
    return menu;
}

void CDlgChList::onContextMenu(QPoint pos)
{
    const QModelIndex index = list_->indexAt(pos);
    if (!index.isValid())
        return;
    // The menu's commands act on the row under the pointer, which is shown selected as they run.
    list_->selectRow(index.row());
    const std::unique_ptr<QMenu> menu = CreateFavoriteMenu(index.row());
    menuRunner_(*menu, list_->viewport()->mapToGlobal(pos));
}

void CDlgChList::OnAddTo(int group)
{
    if (!model_->addToFavorite(rightClickRow_, group))
        return;
    syncGroupList();
    updateTitle();
}

void CDlgChList::OnRemoveFrom(int group)
{
    if (!model_->removeFromFavorite(rightClickRow_, group))
        return;
    syncGroupList();
    updateCount();
    updateTitle();
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
    prompter_.showMessage(QString::fromLatin1(kHowToUseText), PromptIcon::None);
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
