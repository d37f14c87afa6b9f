// The File menu's list of recently opened files, kept in the settings between runs.

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/appsettings.h"
#include "app/childview.h"
#include "app/mainframe.h"
#include "ui/prompter.h"

namespace kvx {

void CMainFrame::createRecentFileEntries()
{
    // The entries sit between the last group of commands and Exit, with a separator of their own.
    QAction* exit = action(ID_APP_EXIT);
    recentSeparator_ = fileMenu_->insertSeparator(exit);
    for (int k = 0; k < kRecentFileCount; ++k) {
        auto* entry = new QAction(this);
        entry->setObjectName(QStringLiteral("recentFile%1").arg(k + 1));
        connect(entry, &QAction::triggered, this, [this, k] { openRecentFile(k); });
        fileMenu_->insertAction(recentSeparator_, entry);
        recentActions_.append(entry);
    }
    recentFiles_ = appsettings::recentFiles().mid(0, kRecentFileCount);
    showRecentFiles();
}

QList<QAction*> CMainFrame::recentFileActions() const
{
    QList<QAction*> shown;
    for (QAction* entry : recentActions_)
        if (entry->isVisible())
            shown.append(entry);
    return shown;
}

void CMainFrame::showRecentFiles()
{
    for (int k = 0; k < kRecentFileCount; ++k) {
        QAction* entry = recentActions_[k];
        const bool used = k < recentFiles_.size();
        entry->setVisible(used);
        if (!used)
            continue;
        // An '&' in the path is shown as itself, not taken for a mnemonic.
        QString shown = QDir::toNativeSeparators(recentFiles_[k]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(k + 1).arg(shown));
        entry->setStatusTip(tr("Opens this file"));
    }
    recentSeparator_->setVisible(!recentFiles_.isEmpty());
}

void CMainFrame::rememberFile(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recentFiles_.removeAll(absolute);
    recentFiles_.prepend(absolute);
    recentFiles_ = recentFiles_.mid(0, kRecentFileCount);
    appsettings::setRecentFiles(recentFiles_);
    showRecentFiles();
}

void CMainFrame::openRecentFile(int index)
{
    if (index < 0 || index >= recentFiles_.size())
        return;
    const QString path = recentFiles_[index];
    if (!QFileInfo(path).isFile()) {
        // The list is taken from the settings of another run, so a file may have gone since.
        recentFiles_.removeAt(index);
        appsettings::setRecentFiles(recentFiles_);
        showRecentFiles();
        services_.prompter.showMessage(
            tr("%1 no longer exists. It was removed from the list of recent files.").arg(path),
            PromptIcon::Warning);
        return;
    }
    view_->OpenFile(path);
}

} // namespace kvx
