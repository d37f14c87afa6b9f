// What a desktop user expects of the editor: names never turned into "?", the page showing what was
// stored, accents drawn whole, and the standard keys.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "app/childview.h"
#include "app/kvxtree.h"
#include "app/mainframe.h"
#include "commandsfixture.h"
#include "db/tables.h"
#include "panels/editbar.h"
#include "platform/nameencoding.h"
#include "widgetdriver.h"

namespace kvx::test {

namespace {

constexpr uint16_t kEnglish = 0x09;

class DesktopHabitsTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        editBar().setSystemLanguage(kEnglish);
        // Keys reach the window's shortcuts only while it is the active window.
        QApplication::setActiveWindow(frame.get());
    }

    QWidget* page() { return editBar().widget(); }
    void pressOk() { QTest::mouseClick(page()->findChild<QPushButton*>("ok"), Qt::LeftButton); }
    void typeAndOk(const char* field, const QString& typed)
    {
        type(page(), field, typed);
        pressOk();
    }
    void keyOnTree(const QKeySequence& keys)
    {
        tree().setFocus();
        QTest::keySequence(&tree(), keys);
    }
};

} // namespace

TEST_F(DesktopHabitsTest, ANameTheEncodingCannotHoldIsOfferedCyrillicOrRefused)
{
    clickOn(findItem("Prog 0"));
    ProgInfo* prog = view().currentProg();
    const std::string stored = prog->name;

    // No returns to the field with nothing stored.
    prompter.answerQuestion(PromptAnswer::No);
    typeAndOk("name", QString::fromUtf8("Россия 1"));
    EXPECT_TRUE(prompter.shown.back().contains("WINDOWS-1252")) << prompter.shown.back().toStdString();
    EXPECT_EQ(prog->name, stored);
    EXPECT_EQ(control<QLineEdit>(page(), "name")->selectedText(), QString::fromUtf8("Россия 1"));

    prompter.answerQuestion(PromptAnswer::Yes);
    pressOk();
    EXPECT_EQ(prog->nameCodePage, NAME_CODE_PAGE_ISO8859_5);
    EXPECT_EQ(NameEncoding::iso88595ToUtf8(prog->name), "Россия 1");
    EXPECT_EQ(findItem(QString::fromUtf8("Россия 1")), view().currentItem());

    // Characters no marking can hold are named, on every page with a name.
    clickOn(findItem("Prog 1"));
    prompter.acknowledgeMessage();
    typeAndOk("name", QString::fromUtf8("News 中国"));
    EXPECT_TRUE(prompter.shown.back().contains(QString::fromUtf8("\"中\", \"国\"")))
        << prompter.shown.back().toStdString();
    EXPECT_EQ(view().currentProg()->name, "Prog 1");
    // Leaving the page is refused alike until the name can be stored.
    prompter.acknowledgeMessage();
    clickOn(findItem("Astra 1"));
    EXPECT_EQ(view().currentItem(), findItem("Prog 1"));
    type(page(), "name", "Prog 1");
    for (const char* record : {"Astra 1", "TP0"}) {
        clickOn(findItem(record));
        prompter.acknowledgeMessage();
        typeAndOk("name", QString::fromUtf8("Ж"));
        EXPECT_TRUE(prompter.shown.back().contains(QString::fromUtf8("\"Ж\""))) << record;
        EXPECT_TRUE(prompter.scriptDone());
        type(page(), "name", QString::fromUtf8(record));
    }
    EXPECT_EQ(db().networks[0].name, "Astra 1");
}

TEST_F(DesktopHabitsTest, OkFillsThePageWithWhatWasStoredAndPositionsReadEastOrWest)
{
    clickOn(findItem("Astra 1"));
    for (const auto& [typed, shown, tenths] :
         {std::tuple{"400.5", "40.5E", 405}, std::tuple{"-5.0", "5.0W", 3550},
          std::tuple{"35.5W", "35.5W", 3245}}) {
        typeAndOk("degree", typed);
        EXPECT_EQ(text(page(), "degree"), shown);
        EXPECT_EQ(db().networks[0].degree, tenths);
    }
}

TEST_F(DesktopHabitsTest, AccentsOnCapitalsAreDrawnInTreeRows)
{
    ChannelDatabase database = makeVariedDatabase(2, kFlags);
    database.networks[0].name = "AU";
    database.networks[1].name = "\xC3\xDA"; // "ÃÚ" in Windows-1252
    reopen(std::move(database));
    // The text is centred in its row: the accent's top must lie within the row.
    const QFontMetrics metrics(tree().font());
    const int rowHeight = tree().visualItemRect(findItem(QString::fromUtf8("ÃÚ"))).height();
    const int accentTop = (rowHeight - metrics.height()) / 2 + metrics.ascent() +
                          metrics.tightBoundingRect(QString::fromUtf8("ÃÚ")).top();
    EXPECT_GE(accentTop, 0) << "row " << rowHeight;
}

TEST_F(DesktopHabitsTest, StandardKeysReachTheirCommands)
{
    // F1: the user guide, with its keys.
    keyOnTree(QKeySequence(Qt::Key_F1));
    auto* help = frame->findChild<QWidget*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->findChild<QTextBrowser*>("guide")->toPlainText().contains("Ctrl+Shift+S"));
    help->close();
    QApplication::setActiveWindow(frame.get());

    // Plain Delete and Insert act on the tree as with Shift.
    clickOn(findItem("Prog 0"));
    prompter.answerQuestion(PromptAnswer::Yes);
    keyOnTree(QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(prompter.shown.back(), "Delete the program \"Prog 0\"?");
    EXPECT_EQ(findItem("Prog 0"), nullptr);
    prompter.cancelFileDialog();
    keyOnTree(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(prompter.fileDialogs.size(), 1);
    clickOn(findItem("TP0"));
    const int before = findItem("Astra 1")->childCount();
    keyOnTree(QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(findItem("Astra 1")->childCount(), before + 1);
    keyOnTree(QKeySequence(QStringLiteral("Ctrl+Z")));

    // Ctrl+W closes (not saving the deletion); Ctrl+Q quits.
    prompter.answerQuestion(PromptAnswer::No);
    keyOnTree(QKeySequence(QStringLiteral("Ctrl+W")));
    EXPECT_FALSE(view().hasDocument());
    QTest::keySequence(frame.get(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_FALSE(frame->isVisible());
}

} // namespace kvx::test
