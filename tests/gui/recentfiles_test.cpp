#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include "framefixture.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

class RecentFilesTest : public FrameFixture {
protected:
    QString sample(const QString& name) const { return writeKvx(name, makeVariedDatabase(1, FLAG_PROG_CA)); }

    QStringList entries() const
    {
        QStringList texts;
        for (QAction* entry : frame->recentFileActions())
            texts << entry->text();
        return texts;
    }
    QString entry(int number, const QString& name) const
    {
        return QStringLiteral("&%1 %2").arg(number).arg(pathFor(name));
    }
};

TEST_F(RecentFilesTest, TheLastFourFilesAreListedLatestFirstAndOutliveTheWindow)
{
    for (const char* name : {"a.kvx", "b.kvx", "c.kvx", "d.kvx", "e.kvx", "c.kvx"})
        open(sample(QString::fromUtf8(name)));
    const QStringList expected = {entry(1, "c.kvx"), entry(2, "e.kvx"), entry(3, "d.kvx"), entry(4, "b.kvx")};
    EXPECT_EQ(entries(), expected);

    // Saving under a new name lists that name.
    prompter.chooseSaveFile(pathFor("saved.kvx"), 0);
    trigger(ID_FILE_SAVE_AS);
    EXPECT_EQ(entries().first(), entry(1, "saved.kvx"));

    frame = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock});
    EXPECT_EQ(entries(),
              QStringList({entry(1, "saved.kvx"), entry(2, "c.kvx"), entry(3, "e.kvx"), entry(4, "d.kvx")}));
}

TEST_F(RecentFilesTest, AltFAndTheNumberOpenTheFile)
{
    const QString first = sample("first.kvx");
    open(first);
    open(sample("second.kvx"));
    frame->show();
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return frame->fileMenu()->isVisible(); }));
    QTest::keyClick(frame->fileMenu(), Qt::Key_2);
    EXPECT_EQ(db().fileName, first.toStdString());
    EXPECT_EQ(entries().first(), entry(1, "first.kvx"));
}

TEST_F(RecentFilesTest, AFileThatIsGoneIsDroppedWithAMessage)
{
    const QString gone = sample("gone.kvx");
    open(gone);
    open(sample("kept.kvx"));
    ASSERT_TRUE(QFile::remove(gone));
    prompter.acknowledgeMessage();
    frame->recentFileActions()[1]->trigger();
    EXPECT_EQ(prompter.shown,
              QStringList{gone + " no longer exists. It was removed from the list of recent files."});
    EXPECT_EQ(entries(), QStringList{entry(1, "kept.kvx")});
    EXPECT_EQ(db().fileName, pathFor("kept.kvx").toStdString());
    EXPECT_EQ(QSettings().value("RecentFiles/paths").toStringList(), QStringList{pathFor("kept.kvx")});
}

} // namespace
