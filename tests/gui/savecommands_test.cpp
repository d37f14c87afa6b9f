#include <QAction>

#include "commandsfixture.h"
#include "db/fileops.h"
#include "support/unreadablefile.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Saving with the window's commands on the sample database, as a user does.
class SaveCommandsTest : public CommandsFixture {
protected:
    QString documentPath() { return QString::fromStdString(db().fileName); }
};

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
