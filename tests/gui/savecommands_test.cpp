#include <QAction>
#include <QApplication>
#include <QTest>

#include "commandsfixture.h"
#include "db/fileops.h"
#include "support/unreadablefile.h"

using namespace kvx;
using namespace kvx::test;

namespace {

bool isCompressedFile(const QByteArray& bytes)
{
    return bytes.size() > 20 && bytes.mid(16, 4) == "CKVX";
}

QByteArray bytesOf(std::vector<uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// Saving with the window's commands on the sample database, as a user does.
class SaveCommandsTest : public CommandsFixture {
protected:
    QString documentPath() { return QString::fromStdString(db().fileName); }
    void pressCtrlS()
    {
        QApplication::setActiveWindow(frame.get());
        QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    }
    void deleteTransponder(const QString& label)
    {
        clickOn(findItem(label));
        trigger(ID_TP_DELETE);
    }
};

TEST_F(SaveCommandsTest, SavingOverAChangeOfAnotherProgramAsksFirst)
{
    deleteTransponder("TP1");
    ASSERT_TRUE(view().modified());
    // Another program saves the file meanwhile, keeping its size.
    ChannelDatabase theirs = makeVariedDatabase(2, kFlags);
    theirs.networks[0].name[0] = 'X';
    writeFile(documentPath(), bytesOf(imageOf(theirs)));
    const QByteArray onDisk = readFile(documentPath());
    ASSERT_EQ(onDisk.size(), readFile(pathFor("commands.kvx")).size());
    const QString question = "The file was changed by another program. Overwrite it?";

    prompter.answerQuestion(PromptAnswer::No);
    pressCtrlS();
    EXPECT_EQ(prompter.shown, QStringList({question}));
    EXPECT_EQ(prompter.icons.value(0), PromptIcon::Warning);
    EXPECT_EQ(readFile(documentPath()), onDisk);
    EXPECT_TRUE(view().modified());

    prompter.answerQuestion(PromptAnswer::Yes);
    pressCtrlS();
    EXPECT_EQ(prompter.shown.size(), 2);
    EXPECT_FALSE(view().modified());
    ChannelDatabase saved;
    ASSERT_EQ(openDatabase(saved, documentPath().toStdString()), StatusOk);
    EXPECT_EQ(saved.transponders.size(), theirs.transponders.size() - 1);
    EXPECT_EQ(saved.networks[0].name, db().networks[0].name);

    // The editor's own save is what it knows now: the next one asks nothing.
    deleteTransponder("TP2");
    pressCtrlS();
    EXPECT_EQ(prompter.shown.size(), 2);
    EXPECT_FALSE(view().modified());
}

TEST_F(SaveCommandsTest, SaveAsTheTypedSuffixDecidesTheForm)
{
    const struct {
        const char* typed;
        int filter;
        bool compressed;
    } cases[] = {{"L2.ckvx", 0, true}, {"L4.kvx", 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        prompter.chooseSaveFile(pathFor(c.typed), c.filter);
        trigger(ID_FILE_SAVE_AS);
        EXPECT_EQ(isCompressedFile(readFile(pathFor(c.typed))), c.compressed);
        EXPECT_EQ(documentPath(), pathFor(c.typed));
        EXPECT_EQ(db().compressed, c.compressed);
    }
}

TEST_F(SaveCommandsTest, FailuresNameTheirCause)
{
    ChannelDatabase packed = makeVariedDatabase(2, kFlags);
    ASSERT_EQ(saveDatabase(packed, pathFor("cut.ckvx").toStdString(), true, clock), StatusOk);
    const QByteArray whole = readFile(pathFor("cut.ckvx"));
    writeFile(pathFor("cut.ckvx"), whole.left(whole.size() * 2 / 3));
    writeFile(pathFor("secret.kvx"), readFile(documentPath()));

    prompter.chooseFile(pathFor("cut.ckvx"));
    prompter.acknowledgeMessage();
    trigger(ID_FILE_OPEN);
    {
        const UnreadableFile unreadable(pathFor("secret.kvx").toStdString());
        prompter.chooseFile(pathFor("secret.kvx"));
        prompter.acknowledgeMessage();
        trigger(ID_FILE_OPEN);
    }
    // A folder in the path that is a file.
    prompter.chooseSaveFile(documentPath() + "/list.kvx", 0);
    prompter.acknowledgeMessage();
    trigger(ID_FILE_SAVE_AS);
    EXPECT_EQ(prompter.shown,
              QStringList({"cut.ckvx: The file's compressed data is damaged or truncated",
                           "secret.kvx: Permission denied", "Creating file failed: Not a directory"}));
    EXPECT_EQ(documentPath(), pathFor("commands.kvx"));
}

} // namespace
