#pragma once

#include <map>
#include <optional>

#include <QMainWindow>
#include <QPointer>

#include "app/appservices.h"
#include "db/pidlist.h"
#include "res/commandids.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;

namespace kvx {

class CHelpWindow;

struct LockKeyState;
class CChildView;
class CEditBar;

// The editor's main window: menu bar, toolbar, status bar, the edit bar docked at the right and the
// view with the satellite tree in the middle.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(const AppServices& services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CChildView* view() const { return view_; }
    CEditBar* editBar() const { return editBar_; }
    QToolBar* toolBar() const { return toolBar_; }
    QAction* action(CommandId id) const;
    // The entries of the View menu's name-encoding choice.
    QActionGroup* encodingActions() const { return encodingGroup_; }
    // The entries of View > Language, the system's first.
    QActionGroup* languageActions() const { return languageGroup_; }
    // The File menu and its recent-file entries ("&1 path", ...), the latest first.
    QMenu* fileMenu() const { return fileMenu_; }
    QList<QAction*> recentFileActions() const;
    // The most recent files kept in the File menu.
    static constexpr int kRecentFileCount = 4;

    // Applies the enabling rules and check marks to every command.
    void updateCommandStates();
    // Fills the CAP, NUM and SCRL panes.
    void showLockKeys(const LockKeyState& state);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The program page's audio dialog, run modally.
    std::optional<PidList> runAudioDialog(const PidList& list);
    void createStatusBar();
    void createActions();
    // The keys that run a command without being its shortcut; they stay live while it is disabled.
    void createAccelerators();
    // Quit, Close, Save As and Help also answer the desktop's standard keys.
    void addStandardKeys();
    // The user guide, in a window that stays open beside this one.
    void showHelp();
    // Runs the command as its menu item would, unless the command is disabled.
    void runCommand(int id);
    void connectCommands();
    void createMenus();
    void createToolBar();
    QMenu* createEncodingMenu();
    QMenu* createLanguageMenu();
    // The Program menu's submenus of favourite groups (favouritemenus.cpp).
    void createFavouriteMenus(QMenu* programMenu);
    QMenu* createFavouriteMenu(const QString& title, CommandId first);
    void onEncodingChosen(QAction* action);
    void checkEncoding(const QString& codePage);
    void restoreSettings();
    // The recent-file list (recentfiles.cpp): the file goes to the top; the menu shows the list.
    void createRecentFileEntries();
    void rememberFile(const QString& path);
    void showRecentFiles();
    void openRecentFile(int index);

    AppServices services_;
    CChildView* view_;
    CEditBar* editBar_;
    QToolBar* toolBar_ = nullptr;
    QLabel* readyPane_ = nullptr;
    QList<QLabel*> lockPanes_;
    QActionGroup* encodingGroup_ = nullptr;
    QActionGroup* languageGroup_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QList<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    QStringList recentFiles_;
    std::map<CommandId, QAction*> actions_;
    QPointer<CHelpWindow> helpWindow_;
};

} // namespace kvx
