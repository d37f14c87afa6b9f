#pragma once

#include <memory>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/childview.h"
#include "app/mainframe.h"
#include "platform/clock.h"
#include "scriptedprompter.h"

namespace kvx::test {

// A main window with scripted prompts and dialogs, fresh settings and a scratch folder.
class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CChildView& view() { return *frame->view(); }
    CKVXTree& tree() { return *frame->view()->tree(); }
    CEditBar& editBar() { return *frame->editBar(); }
    ChannelDatabase& db() { return frame->view()->database(); }

    QString pathFor(const QString& name) const { return dir.filePath(name); }
    // Writes the database as a KVX file into the scratch folder and returns its path.
    QString writeKvx(const QString& name, ChannelDatabase database) const;
    static QByteArray readFile(const QString& path);
    static void writeFile(const QString& path, const QByteArray& bytes);
    // Opens the file the way a drop does, expecting success.
    void open(const QString& path);
    // The item of the tree that shows the label, searching every level.
    QTreeWidgetItem* findItem(const QString& label) const;
    QPoint centerOf(QTreeWidgetItem* item) const;
    // A left click on the item as the mouse gives it: press, then release.
    void clickOn(QTreeWidgetItem* item);
    void trigger(CommandId id);

    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    FixedClock clock{{2024, 5, 6}};
    QTemporaryDir dir;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace kvx::test
