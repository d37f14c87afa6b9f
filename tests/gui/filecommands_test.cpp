#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "db/fileops.h"
#include "framefixture.h"
#include "panels/editbar.h"
#include "support/damagedckvx.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

constexpr uint32_t kComboFlags = FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA;

bool isCompressedFile(const QByteArray& bytes)
{
    return bytes.size() > 20 && bytes.mid(16, 4) == "CKVX";
}

ChannelDatabase reopen(const QString& path)
{
    ChannelDatabase db;
    EXPECT_EQ(openDatabase(db, path.toStdString()), StatusOk);
    return db;
}

} // namespace

class FileCommandsTest : public FrameFixture {
protected:
    // The file manager's drag enters the view and drops there.
    void dropOnView(QMimeData& mime)
    {
        const QPoint pos = view().rect().center();
        QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(pos), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view(), &drop);
    }
};

TEST_F(FileCommandsTest, OpenShowsTheFileAndSelectsItsFirstNetwork)
{
    const QString path = writeKvx("mylist.kvx", makeVariedDatabase(2, kComboFlags));
    prompter.chooseFile(path);
    trigger(ID_FILE_OPEN);
    EXPECT_EQ(frame->windowTitle(), "mylist.kvx - KVXEdit : N(65) T(5) P(12) F(16)");
    EXPECT_EQ(tree().topLevelItemCount(), 65);
    EXPECT_EQ(tree().topLevelItem(0)->text(0), "Astra 1");
    EXPECT_EQ(view().currentItem(), tree().topLevelItem(0));
    EXPECT_EQ(db().fileName, path.toStdString());
    EXPECT_FALSE(db().compressed);
    ASSERT_EQ(prompter.fileDialogs.size(), 1);
    EXPECT_EQ(prompter.fileDialogs[0].filters,
              QStringList({"All Network Database File (*.KVX *.CKVX)", "All file (*)"}));
    EXPECT_EQ(prompter.fileDialogs[0].defaultSuffix, "KVX");
}

TEST_F(FileCommandsTest, FailedOpenReportsAndKeepsTheOldDatabase)
{
    open(writeKvx("good.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    view().MarkModified("Edit");
    const QString title = frame->windowTitle();

    // A file that is no KVX image, one that does not exist, and one with a wrong checksum.
    writeFile(pathFor("bad.kvx"), QByteArray("this is not a channel list at all"));
    QByteArray damaged = readFile(pathFor("good.kvx"));
    damaged[40] = static_cast<char>(damaged[40] ^ 0x5A);
    writeFile(pathFor("damaged.kvx"), damaged);
    const QStringList paths = {pathFor("bad.kvx"), pathFor("missing.kvx"), pathFor("damaged.kvx")};
    for (const QString& path : paths) {
        // The open document is modified, so its changes are offered first.
        prompter.answerQuestion(PromptAnswer::No);
        prompter.chooseFile(path);
        prompter.acknowledgeMessage();
        trigger(ID_FILE_OPEN);
    }
    ASSERT_EQ(prompter.shown.size(), 6);
    EXPECT_EQ(prompter.shown[1], "bad.kvx: Invalid KVX format");
    EXPECT_EQ(prompter.shown[3], "missing.kvx: No file found");
    EXPECT_EQ(prompter.shown[5], "damaged.kvx: Bad checksum");
    EXPECT_EQ(prompter.icons[1], PromptIcon::Stop);
    EXPECT_EQ(frame->windowTitle(), title);
    EXPECT_EQ(db().fileName, pathFor("good.kvx").toStdString());
    EXPECT_EQ(db().programs.size(), 12u);
    EXPECT_EQ(tree().topLevelItem(0)->text(0), "Astra 1");
    EXPECT_TRUE(view().modified());
}

TEST_F(FileCommandsTest, DamagedCompressedDataOpensOnlyAfterYes)
{
    ChannelDatabase packedDb = makeVariedDatabase(2, kComboFlags);
    const DamagedCkvx damaged = damagedCkvxOf(packedDb);
    ASSERT_FALSE(damaged.file.empty());
    const QString path = pathFor("damaged.ckvx");
    writeFile(path, QByteArray(reinterpret_cast<const char*>(damaged.file.data()),
                               static_cast<qsizetype>(damaged.file.size())));
    open(writeKvx("good.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    const QString title = frame->windowTitle();
    const std::vector<uint8_t> before = imageOf(db());
    const QString question = "The file's compressed data is damaged (checksum mismatch). Open it anyway?";

    prompter.chooseFile(path);
    prompter.answerQuestion(PromptAnswer::No);
    trigger(ID_FILE_OPEN);
    EXPECT_EQ(prompter.shown, QStringList({question}));
    EXPECT_EQ(prompter.icons, QList<PromptIcon>({PromptIcon::Warning}));
    EXPECT_EQ(imageOf(db()), before);
    EXPECT_EQ(frame->windowTitle(), title);

    prompter.chooseFile(path);
    prompter.answerQuestion(PromptAnswer::Yes);
    trigger(ID_FILE_OPEN);
    EXPECT_EQ(prompter.shown, QStringList({question, question}));
    EXPECT_EQ(frame->windowTitle(), "damaged.ckvx - KVXEdit : N(65) T(5) P(12) F(16)");
    EXPECT_TRUE(db().compressed);
    db().keepStamp = true;
    EXPECT_EQ(imageOf(db()), damaged.image);
}

TEST_F(FileCommandsTest, CancelledOpenDialogIsSilent)
{
    prompter.cancelFileDialog();
    trigger(ID_FILE_OPEN);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(frame->windowTitle(), "KVXEdit");
}

TEST_F(FileCommandsTest, SaveNeedsAnOpenDatabase)
{
    frame->show();
    QApplication::setActiveWindow(frame.get());
    const QString saved = pathFor("saved.kvx");
    // No save dialog is scripted while nothing is open: one would fail the test.
    const auto expectNoSave = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_FALSE(frame->action(ID_FILE_SAVE)->isEnabled());
        EXPECT_FALSE(frame->action(ID_FILE_SAVE_AS)->isEnabled());
        QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(QFile::exists(saved));
    };
    expectNoSave("at start");
    writeFile(pathFor("bad.kvx"), QByteArray("this is not a channel list at all"));
    prompter.chooseFile(pathFor("bad.kvx"));
    prompter.acknowledgeMessage();
    trigger(ID_FILE_OPEN);
    expectNoSave("after a failed open");

    dialogs.answerModel(ReceiverModel::SatelliteOnly);
    trigger(ID_FILE_NEW);
    EXPECT_TRUE(frame->action(ID_FILE_SAVE_AS)->isEnabled());
    prompter.chooseSaveFile(saved, 0);
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(saved));
    QFile::remove(saved);
    trigger(ID_FILE_CLOSE);
    expectNoSave("after Close");
}

TEST_F(FileCommandsTest, SaveAsWithTheCompressedFilterWritesCkvxAndSaveKeepsTheForm)
{
    open(writeKvx("plain.kvx", makeVariedDatabase(2, kComboFlags)));
    const QString packed = pathFor("packed.ckvx");
    prompter.chooseSaveFile(packed, 1);
    trigger(ID_FILE_SAVE_AS);
    ASSERT_EQ(prompter.fileDialogs.size(), 1);
    EXPECT_EQ(prompter.fileDialogs[0].filters,
              QStringList({"Network Database File (*.KVX)", "Compressed Network Database File (*.CKVX)",
                           "All file (*)"}));
    EXPECT_EQ(prompter.fileDialogs[0].initialPath, pathFor("plain.kvx"));
    EXPECT_TRUE(isCompressedFile(readFile(packed)));
    EXPECT_TRUE(db().compressed);
    EXPECT_EQ(frame->windowTitle(), "packed.ckvx - KVXEdit : N(65) T(5) P(12) F(16)");

    // Save without a dialog keeps the compressed form.
    db().networks[0].name = "Renamed";
    editBar().ShowNetwork(db().antennas[0], db().networks[0]); // the bar shows what is stored
    view().MarkModified("Edit");
    trigger(ID_FILE_SAVE);
    EXPECT_FALSE(view().modified());
    EXPECT_EQ(frame->windowTitle(), "packed.ckvx - KVXEdit : N(65) T(5) P(12) F(16)");
    EXPECT_TRUE(isCompressedFile(readFile(packed)));
    EXPECT_EQ(reopen(packed).networks[0].name, "Renamed");

    // Opening the compressed file expands it.
    prompter.chooseFile(packed);
    trigger(ID_FILE_OPEN);
    EXPECT_TRUE(db().compressed);
    EXPECT_EQ(tree().topLevelItem(0)->text(0), "Renamed");

    // Save As with the plain filter (or "All file") writes the plain form again.
    for (int filter : {0, 2}) {
        const QString plain = pathFor(QStringLiteral("again%1.kvx").arg(filter));
        prompter.chooseSaveFile(plain, filter);
        trigger(ID_FILE_SAVE_AS);
        const QByteArray bytes = readFile(plain);
        EXPECT_TRUE(bytes.startsWith("KVX")) << filter;
        EXPECT_FALSE(isCompressedFile(bytes)) << filter;
        EXPECT_FALSE(db().compressed);
    }
}

TEST_F(FileCommandsTest, SavingANewDatabaseAsksForTheName)
{
    dialogs.answerModel(ReceiverModel::SatelliteOnly);
    trigger(ID_FILE_NEW);
    // Cancelling the dialog saves nothing and says nothing.
    prompter.cancelFileDialog();
    trigger(ID_FILE_SAVE);
    EXPECT_EQ(frame->windowTitle(), "No Name - KVXEdit : N(64) T(0) P(0) F(16)");

    const QString path = pathFor("first.kvx");
    prompter.chooseSaveFile(path, 0);
    trigger(ID_FILE_SAVE);
    EXPECT_EQ(frame->windowTitle(), "first.kvx - KVXEdit : N(64) T(0) P(0) F(16)");
    const ChannelDatabase saved = reopen(path);
    EXPECT_EQ(saved.networks.size(), 64u);
    EXPECT_EQ(saved.favourites.size(), 16u);
    // A new database's first save stamps today's date.
    EXPECT_NE(saved.stamp, (std::array<uint8_t, 3>{}));
}

TEST_F(FileCommandsTest, FailedSaveReportsAndKeepsTheModifiedFlag)
{
    open(writeKvx("list.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    view().MarkModified("Edit");
    prompter.chooseSaveFile(pathFor("no/such/folder/list.kvx"), 0);
    prompter.acknowledgeMessage();
    trigger(ID_FILE_SAVE_AS);
    EXPECT_EQ(prompter.shown.value(0), "Creating file failed: No such file or directory");
    EXPECT_TRUE(view().modified());
    EXPECT_EQ(db().fileName, pathFor("list.kvx").toStdString());
}

TEST_F(FileCommandsTest, CloseRequestAsksToSaveWithTheFullPath)
{
    const QString path = writeKvx("a.kvx", makeVariedDatabase(1, FLAG_PROG_CA));
    open(path);
    frame->show();
    db().networks[0].name = "Changed";
    editBar().ShowNetwork(db().antennas[0], db().networks[0]); // the bar shows what is stored
    view().MarkModified("Edit");

    prompter.answerQuestion(PromptAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(prompter.shown.value(0), QStringLiteral("Save changes to %1?").arg(path));
    EXPECT_EQ(prompter.icons.value(0), PromptIcon::Question);

    prompter.answerQuestion(PromptAnswer::Yes);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(reopen(path).networks[0].name, "Changed");
}

TEST_F(FileCommandsTest, NoClosesWithoutSaving)
{
    const QString path = writeKvx("a.kvx", makeVariedDatabase(1, FLAG_PROG_CA));
    open(path);
    frame->show();
    db().networks[0].name = "Changed";
    editBar().ShowNetwork(db().antennas[0], db().networks[0]); // the bar shows what is stored
    view().MarkModified("Edit");
    prompter.answerQuestion(PromptAnswer::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(reopen(path).networks[0].name, "Astra 1");
}

TEST_F(FileCommandsTest, AnUnmodifiedDocumentClosesWithoutAQuestion)
{
    open(writeKvx("a.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    frame->show();
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(FileCommandsTest, ASaveThatFailsAfterYesKeepsTheWindowOpen)
{
    // A document never saved: Yes leads to the save dialog, which the user cancels.
    dialogs.answerModel(ReceiverModel::SatelliteOnly);
    trigger(ID_FILE_NEW);
    frame->show();
    view().MarkModified("Edit");
    prompter.answerQuestion(PromptAnswer::Yes);
    prompter.cancelFileDialog();
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompter.shown.value(0), "Save changes to No Name?");
    EXPECT_TRUE(view().modified());
}

TEST_F(FileCommandsTest, SaveChangesPromptBeforeNewAndClose)
{
    open(writeKvx("a.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    view().MarkModified("Edit");
    prompter.answerQuestion(PromptAnswer::Cancel);
    trigger(ID_FILE_NEW); // no model dialog: Cancel stops before it
    EXPECT_EQ(db().programs.size(), 12u);

    prompter.answerQuestion(PromptAnswer::Cancel);
    trigger(ID_FILE_CLOSE);
    EXPECT_EQ(tree().topLevelItemCount(), 64);

    prompter.answerQuestion(PromptAnswer::No);
    trigger(ID_FILE_CLOSE);
    EXPECT_EQ(tree().topLevelItemCount(), 0);
    EXPECT_TRUE(db().networks.empty());
    EXPECT_EQ(view().page(), PAGE_EMPTY);
    EXPECT_FALSE(view().modified());
    EXPECT_EQ(frame->windowTitle(), "KVXEdit");

    // With nothing open, Close is offered no more and does nothing.
    EXPECT_FALSE(frame->action(ID_FILE_CLOSE)->isEnabled());
    trigger(ID_FILE_CLOSE);
    EXPECT_EQ(prompter.shown.size(), 3);
}

TEST_F(FileCommandsTest, DropOpensTheFirstFileOnly)
{
    const QString first = writeKvx("first.kvx", makeVariedDatabase(1, FLAG_PROG_CA));
    const QString second = writeKvx("second.kvx", makeVariedDatabase(2, kComboFlags));
    QMimeData mime;
    mime.setUrls(
        {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second), QUrl::fromLocalFile(pathFor("x"))});
    dropOnView(mime);
    EXPECT_EQ(frame->windowTitle(), "first.kvx - KVXEdit : N(64) T(4) P(12) F(16)");
    EXPECT_EQ(tree().topLevelItemCount(), 64);
}

TEST_F(FileCommandsTest, DroppingAFileThatIsNoDatabaseKeepsTheOpenOne)
{
    open(writeKvx("first.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    writeFile(pathFor("notes.txt"), QByteArray(100, 'x'));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(pathFor("notes.txt"))});
    prompter.acknowledgeMessage();
    dropOnView(mime);
    EXPECT_EQ(prompter.shown.value(0), "notes.txt: Invalid KVX format");
    EXPECT_EQ(frame->windowTitle(), "first.kvx - KVXEdit : N(64) T(4) P(12) F(16)");
}
