#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QDialog>

#include "db/channellistwork.h"
#include "panels/dlgfavname.h"
#include "platform/nameencoding.h"

class QAction;
class QComboBox;
class QInputDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;

namespace kvx {

class ChannelListModel;
class CChListView;
class Prompter;

// Commands of the list's right-click menu: "Add to" and "Remove from" favourite group 0 to 15.
constexpr int ID_CHLIST_ADD_TO_FAVORITE = 32871;
constexpr int ID_CHLIST_REMOVE_FROM_FAVORITE = 32887;

// The "Channel List" dialog: the channel order and the favourite groups of a database, edited on
// working copies that reach the database only through OK.
class CDlgChList : public QDialog {
    Q_OBJECT
public:
    // Asks for new favourite names; none when the user cancelled.
    using Renamer = std::function<std::optional<CDlgFavName::Names>(const CDlgFavName::Names&)>;
    // Runs the right-click menu at a screen position; the entry chosen triggers its command.
    using MenuRunner = std::function<void(QMenu&, QPoint)>;
    // Runs the number dialog of Move to Number...; whether it ended with OK.
    using InputRunner = std::function<bool(QInputDialog&)>;

    CDlgChList(ChannelDatabase& db, const NameEncoding& encoding, Prompter& prompter,
               QWidget* parent = nullptr);
    ~CDlgChList() override;

    // CHLIST_ORDER, CHLIST_FAVORITES and CHLIST_NAMES as the edits set them.
    unsigned modifiedFlags() const { return work_->modifiedFlags(); }
    // After OK: whether the database now differs from before.
    bool databaseChanged() const { return databaseChanged_; }
    // Replaces the favourite names dialog (tests answer it themselves).
    void setRenamer(Renamer renamer) { renamer_ = std::move(renamer); }
    // Replaces the popup of the right-click menu (tests choose an entry without opening it).
    void setMenuRunner(MenuRunner runner) { menuRunner_ = std::move(runner); }
    // Replaces the modal run of the number dialog (tests show it and type into it themselves).
    void setInputRunner(InputRunner runner) { inputRunner_ = std::move(runner); }

    const ChannelListWork& work() const { return *work_; }
    ChannelListModel* model() const { return model_; }
    CChListView* list() const { return list_; }

    void OnGroupChosen(int position);
    void OnTabChanged(int tab);
    void OnColumnClicked(int column);
    // A drag of the row ended on the drop row: the row moves there, and with it the other selected
    // rows when it is one of them, gathered in their order around it.
    void OnRowDropped(int source, int drop);
    // Ctrl+Up and Ctrl+Down: the selected rows move one place.
    void OnStep(int step);
    // Asks for the number the first selected channel is to have and moves the selected rows there as
    // one block, in their order.
    void OnMoveToNumber();
    // Sorts the selected rows among themselves when more than one is selected, else every row shown.
    void OnSort(ChannelSort order);
    // Delete: in a favourite group, the selected channels leave it; elsewhere nothing happens.
    void OnDelete();
    // The right-click menu for a row; its commands act on the selected rows when the row is one of
    // them, else on the row alone.
    std::unique_ptr<QMenu> CreateFavoriteMenu(int row);
    void OnAddTo(int group);
    void OnRemoveFrom(int group);
    void OnRename();
    void OnSearch();
    void OnHowToUse();

    // OK: the working copies are written into the database.
    void accept() override;
    // Closing either way keeps the dialog's size and maximised state for the next time.
    void done(int result) override;

    static const char* const kHowToUseText;

private:
    void buildControls();
    void onContextMenu(QPoint pos);
    QString groupText(ChannelGroup group) const;
    void syncGroupList();
    void updateCount();
    void updateTitle();
    // After rows left the list: the row that took the first one's place is selected.
    void selectAfterRemoval(const std::vector<int>& removed);

    ChannelDatabase& db_;
    NameEncoding encoding_;
    Prompter& prompter_;
    std::unique_ptr<ChannelListWork> work_;
    ChannelListModel* model_ = nullptr;
    Renamer renamer_;
    MenuRunner menuRunner_;
    InputRunner inputRunner_;
    std::vector<int> menuRows_;
    bool databaseChanged_ = false;

    QComboBox* groupList_ = nullptr;
    QPushButton* rename_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QPushButton* search_ = nullptr;
    QTabBar* tabs_ = nullptr;
    CChListView* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* sort_ = nullptr;
    QPushButton* moveTo_ = nullptr;
    QAction* moveToAction_ = nullptr;
};

} // namespace kvx
