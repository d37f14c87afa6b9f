#include "app/mainframe.h"

#include <span>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/appsettings.h"
#include "app/childview.h"
#include "app/commandrules.h"
#include "app/dialogfactory.h"
#include "app/lockkeys.h"
#include "app/translations.h"
#include "panels/dlgaudio.h"
#include "panels/editbar.h"
#include "panels/helpwindow.h"
#include "platform/nameencoding.h"
#include "res/commandtexts.h"
#include "ui/appnames.h"
#include "ui/prompter.h"
#include "ui/xpmicon.h"

namespace kvx {

CMainFrame::CMainFrame(const AppServices& services, QWidget* parent)
        : QMainWindow(parent)
        , services_(services)
        , view_(new CChildView(services, this))
        , editBar_(nullptr)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(xpmIcon(QStringLiteral(":/icons/kvxedit.xpm")));
    setCentralWidget(view_);

    createActions();
    createToolBar();
    createStatusBar();

    editBar_ = new CEditBar(view_->nameEncoding(), this);
    setDockOptions(QMainWindow::AnimatedDocks);
    addDockWidget(Qt::RightDockWidgetArea, editBar_);
    view_->setEditBar(editBar_);
    connect(editBar_, &CEditBar::okPressed, view_, &CChildView::ApplyPageEdits);
    editBar_->setPrompter(services_.prompter);
    editBar_->setAudioEditor([this](const PidList& list) { return runAudioDialog(list); });

    createMenus();
    connectCommands();
    restoreSettings();

    connect(editBar_, &CEditBar::stateChanged, this, &CMainFrame::updateCommandStates);
    connect(editBar_, &QDockWidget::visibilityChanged, this, &CMainFrame::updateCommandStates);
    connect(view_, &CChildView::documentStateChanged, this, &CMainFrame::updateCommandStates);

    view_->UpdateTitle();
    updateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The children still signal while they go; this object can no longer answer.
    editBar_->disconnect(this);
    toolBar_->disconnect(this);
    view_->disconnect(this);
}

QAction* CMainFrame::action(CommandId id) const
{
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::createStatusBar()
{
    // Pane 1 says "Ready" while no prompt is shown; prompts cover it as temporary messages.
    readyPane_ = new QLabel(tr("Ready"));
    readyPane_->setObjectName(QStringLiteral("readyPane"));
    statusBar()->addWidget(readyPane_, 1);
    for (const QString& name : {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
        auto* pane = new QLabel;
        pane->setObjectName(name + QStringLiteral("Pane"));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(name) + 12);
        statusBar()->addPermanentWidget(pane);
        lockPanes_.append(pane);
    }
    // The keyboard tells its lock state only through its LEDs; they are looked at twice a second.
    if (lockKeysReadable()) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] { showLockKeys(readLockKeys()); });
        timer->start(500);
        showLockKeys(readLockKeys());
    }
}

void CMainFrame::showLockKeys(const LockKeyState& state)
{
    lockPanes_[0]->setText(state.capsLock ? QStringLiteral("CAP") : QString());
    lockPanes_[1]->setText(state.numLock ? QStringLiteral("NUM") : QString());
    lockPanes_[2]->setText(state.scrollLock ? QStringLiteral("SCRL") : QString());
}

void CMainFrame::createActions()
{
    for (const auto& layout : {fileMenuLayout(), editMenuLayout(), viewMenuLayout(), satelliteMenuLayout(),
                               transponderMenuLayout(), programMenuLayout(), helpMenuLayout(),
                               toolBarLayout(), keyCommandLayout()}) {
        for (CommandId id : layout) {
            const CommandText* text = commandText(id);
            if (text == nullptr || actions_.count(id) != 0)
                continue;
            auto* action = new QAction(QCoreApplication::translate("Commands", text->text), this);
            const QStringList prompt =
                (*text->prompt != '\0' ? QCoreApplication::translate("Commands", text->prompt) : QString())
                    .split(QLatin1Char('\n'));
            action->setStatusTip(prompt.first());
            action->setToolTip(prompt.size() > 1 ? prompt.at(1) : prompt.first());
            if (*text->shortcut != '\0')
                action->setShortcut(QKeySequence(QString::fromUtf8(text->shortcut)));
            if (*text->icon != '\0')
                action->setIcon(xpmIcon(QString::fromUtf8(text->icon)));
            action->setData(static_cast<int>(id));
            actions_[id] = action;
        }
    }
    // Redo also answers the key other desktops use for it.
    actions_[ID_EDIT_REDO]->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    addStandardKeys();
    createAccelerators();
}

namespace {

// Adds the desktop's keys for a standard command, and the usual one where the desktop names none.
void addKeys(QAction* action, QKeySequence::StandardKey key, const char* usual)
{
    QList<QKeySequence> keys = action->shortcuts();
    QList<QKeySequence> wanted = QKeySequence::keyBindings(key);
    wanted << QKeySequence(QString::fromUtf8(usual));
    for (const QKeySequence& sequence : wanted)
        if (!keys.contains(sequence))
            keys << sequence;
    action->setShortcuts(keys);
}

} // namespace

void CMainFrame::addStandardKeys()
{
    addKeys(actions_[ID_APP_EXIT], QKeySequence::Quit, "Ctrl+Q");
    addKeys(actions_[ID_FILE_CLOSE], QKeySequence::Close, "Ctrl+W");
    addKeys(actions_[ID_FILE_SAVE_AS], QKeySequence::SaveAs, "Ctrl+Shift+S");
    addKeys(actions_[ID_HELP_CONTENTS], QKeySequence::HelpContents, "F1");
}

void CMainFrame::createAccelerators()
{
    for (const Accelerator& accelerator : acceleratorTable()) {
        auto* key = new QAction(this);
        key->setShortcut(QKeySequence(QString::fromUtf8(accelerator.key)));
        addAction(key);
        connect(key, &QAction::triggered, this, [this, id = accelerator.id] { runCommand(id); });
    }
    // On the tree, Insert and Delete act as with Shift; elsewhere they stay the focused field's keys.
    for (const auto& [key, id] :
         {std::pair{Qt::Key_Insert, ID_INSERT_KEY}, std::pair{Qt::Key_Delete, ID_DELETE_KEY}}) {
        auto* action = new QAction(view_->tree());
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view_->tree()->addAction(action);
        connect(action, &QAction::triggered, this, [this, id = id] { runCommand(id); });
    }
}

void CMainFrame::runCommand(int id)
{
    // A disabled command ignores the trigger; a key without a command does nothing.
    if (QAction* a = action(static_cast<CommandId>(id)))
        a->trigger();
}

void CMainFrame::connectCommands()
{
    const auto on = [this](CommandId id, auto handler) {
        if (QAction* a = action(id))
            connect(a, &QAction::triggered, this, handler);
    };
    on(ID_FILE_NEW, [this] { view_->OnFileNew(); });
    on(ID_FILE_OPEN, [this] { view_->OnFileOpen(); });
    on(ID_FILE_CLOSE, [this] { view_->OnFileClose(); });
    on(ID_FILE_SAVE, [this] { view_->OnFileSave(); });
    on(ID_FILE_SAVE_AS, [this] { view_->OnFileSaveAs(); });
    on(ID_EDIT_UNDO, [this] { view_->OnEditUndo(); });
    on(ID_EDIT_REDO, [this] { view_->OnEditRedo(); });
    on(ID_EDIT_CHECK_DATABASE, [this] { view_->OnCheckDatabase(); });
    on(ID_EDIT_APPLY_REFERENCE, [this] { view_->OnApplyReferenceList(); });
    on(ID_IMPORT_SATCODX, [this] { view_->OnImportSatcodx(); });
    on(ID_PROG_MARK_SCRAMBLED, [this] { view_->OnMarkScrambled(); });
    on(ID_PROG_CLEAR_SCRAMBLED, [this] { view_->OnClearScrambled(); });
    on(ID_UPDATE_LYNGSAT, [this] { view_->OnUpdateFromLyngSat(); });
    on(ID_UPDATE_SCAN_TABLE, [this] { view_->OnUpdateFromScanTable(); });
    on(ID_IMPORT_SATELLITES_XML, [this] { view_->OnImportSatellitesXml(); });
    on(ID_APP_EXIT, [this] { close(); });
    on(ID_APP_ABOUT, [this] { services_.dialogs.showAbout(this); });
    on(ID_HELP_CONTENTS, [this] { showHelp(); });
    for (const CChildView::CommandHandler& command : CChildView::structureCommands())
        if (QAction* a = action(command.id))
            connect(a, &QAction::triggered, view_, command.run);
    connect(view_, &CChildView::commandRequested, this, &CMainFrame::runCommand);
    connect(view_, &CChildView::fileUsed, this, &CMainFrame::rememberFile);
    on(ID_VIEW_CHLIST, [this] { view_->OnViewChannelList(); });
    on(ID_VIEW_EDITBAR, [this] { editBar_->setVisible(editBar_->isHidden()); });
    on(ID_VIEW_TOOLBAR, [this] {
        toolBar_->setVisible(toolBar_->isHidden());
        updateCommandStates();
    });
    on(ID_VIEW_STATUS_BAR, [this] {
        statusBar()->setVisible(statusBar()->isHidden());
        updateCommandStates();
    });
}

void CMainFrame::showHelp()
{
    if (!helpWindow_)
        helpWindow_ = new CHelpWindow(this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void CMainFrame::createMenus()
{
    const auto fill = [this](QMenu* menu, std::span<const CommandId> layout) {
        for (CommandId id : layout) {
            if (id == ID_NONE)
                menu->addSeparator();
            else if (QAction* a = action(id))
                menu->addAction(a);
        }
    };
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fill(fileMenu_, fileMenuLayout());
    createRecentFileEntries();
    fill(menuBar()->addMenu(tr("&Edit")), editMenuLayout());
    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    fill(viewMenu, viewMenuLayout());
    viewMenu->addSeparator();
    viewMenu->addMenu(createEncodingMenu());
    viewMenu->addMenu(createLanguageMenu());
    fill(menuBar()->addMenu(tr("&Satellite")), satelliteMenuLayout());
    fill(menuBar()->addMenu(tr("&Transponder")), transponderMenuLayout());
    QMenu* programMenu = menuBar()->addMenu(tr("&Program"));
    fill(programMenu, programMenuLayout());
    createFavouriteMenus(programMenu);
    fill(menuBar()->addMenu(tr("&Help")), helpMenuLayout());
}

QMenu* CMainFrame::createEncodingMenu()
{
    auto* menu = new QMenu(tr("&Name Encoding"), this);
    menu->setObjectName(QStringLiteral("encodingMenu"));
    menu->setStatusTip(tr("Choose the code page of the names in the database"));
    encodingGroup_ = new QActionGroup(this);
    encodingGroup_->setExclusive(true);
    const QString current = QString::fromStdString(view_->nameEncoding().codePage());
    for (const std::string& page : NameEncoding::choices()) {
        QAction* entry = menu->addAction(QString::fromStdString(page));
        entry->setCheckable(true);
        entry->setChecked(entry->text() == current);
        encodingGroup_->addAction(entry);
    }
    connect(encodingGroup_, &QActionGroup::triggered, this, &CMainFrame::onEncodingChosen);
    return menu;
}

QMenu* CMainFrame::createLanguageMenu()
{
    auto* menu = new QMenu(tr("&Language"), this);
    menu->setObjectName(QStringLiteral("languageMenu"));
    menu->setStatusTip(tr("Choose the language of the menus and dialogs"));
    languageGroup_ = new QActionGroup(this);
    languageGroup_->setExclusive(true);
    const QString current = appsettings::language();
    for (const LanguageChoice& choice : languageChoices()) {
        const QString code = QString::fromLatin1(choice.code);
        // Each language names itself; only the system's entry speaks the current language.
        QAction* entry = menu->addAction(code.isEmpty() ? tr(choice.name) : QString::fromUtf8(choice.name));
        entry->setCheckable(true);
        entry->setChecked(code == current);
        entry->setData(code);
        languageGroup_->addAction(entry);
    }
    // The menus, pages and dialogs are made once with their texts: the choice counts from the next start.
    connect(languageGroup_, &QActionGroup::triggered, this, [this](QAction* entry) {
        const QString code = entry->data().toString();
        if (code == appsettings::language())
            return;
        appsettings::setLanguage(code);
        services_.prompter.showMessage(tr("The new language is used from the next start of KVXEdit."),
                                       PromptIcon::Information);
    });
    return menu;
}

void CMainFrame::onEncodingChosen(QAction* action)
{
    // The page is filled again in the new encoding: its edits are settled first, as for any change of
    // what is shown. Cancel keeps the old encoding and its check mark.
    if (view_->ApplyEdits(1) == 1) {
        checkEncoding(QString::fromStdString(view_->nameEncoding().codePage()));
        return;
    }
    appsettings::setNameEncoding(action->text());
    view_->setNameEncoding(action->text());
}

void CMainFrame::checkEncoding(const QString& codePage)
{
    for (QAction* entry : encodingGroup_->actions())
        entry->setChecked(entry->text() == codePage);
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(16, 15));
    for (CommandId id : toolBarLayout()) {
        if (id == ID_NONE)
            toolBar_->addSeparator();
        else if (QAction* a = action(id))
            toolBar_->addAction(a);
    }
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::restoreSettings()
{
    const QString encoding = appsettings::nameEncoding();
    view_->setNameEncoding(encoding);
    checkEncoding(encoding);
    bool statusBarVisible = true;
    if (appsettings::restoreWindowState(*this, statusBarVisible))
        statusBar()->setVisible(statusBarVisible);
    else
        resize(960, 680);
}

void CMainFrame::updateCommandStates()
{
    DocumentState state;
    state.page = view_->page();
    state.terrestrialMode = editBar_->terrestrialMode();
    state.channelListOpen = view_->channelListOpen();
    // Before the window is first shown, the bars count as visible unless hidden on purpose.
    state.editBarVisible = !editBar_->isHidden();
    state.toolBarVisible = !toolBar_->isHidden();
    state.statusBarVisible = !statusBar()->isHidden();
    state.documentOpen = view_->hasDocument();
    state.canUndo = view_->canUndo();
    state.canRedo = view_->canRedo();
    action(ID_EDIT_UNDO)->setText(view_->undoText());
    action(ID_EDIT_REDO)->setText(view_->redoText());
    for (const auto& [id, action] : actions_) {
        const CommandState command = commandState(id, state);
        action->setEnabled(command.enabled);
        action->setCheckable(command.checkable);
        if (command.checkable)
            action->setChecked(command.checked);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (view_->SaveModified() == 0) {
        event->ignore();
        return;
    }
    appsettings::saveWindowState(*this, !statusBar()->isHidden());
    event->accept();
}

std::optional<PidList> CMainFrame::runAudioDialog(const PidList& list)
{
    CDlgAudio dialog(this);
    // "Invalid PID" and the full-list refusal are message boxes like every other.
    dialog.setErrorReporter(
        [this](const QString& text) { services_.prompter.showMessage(text, PromptIcon::Stop); });
    dialog.setPidList(list);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.pidList();
}

} // namespace kvx
