// The main window as a new user meets it: menu keys, Enter in the edit bar, fields the file cannot
// keep, and the satellite tree under the mouse.
#include <functional>
#include <map>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "app/translations.h"
#include "framefixture.h"
#include "support/sampledatabase.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

constexpr uint32_t kAllFields =
    FLAG_PROG_CA | FLAG_TP_NAMES | FLAG_NET_SKEW | FLAG_TP_EXTRA | FLAG_PROG_EXTRA;

class RoughEdgesTest : public FrameFixture {
protected:
    void openVaried(uint8_t version, uint32_t flags)
    {
        open(writeKvx("rough.kvx", makeVariedDatabase(version, flags)));
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    void sendMouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* viewport = tree().viewport();
        QMouseEvent event(type, QPointF(pos), QPointF(viewport->mapToGlobal(pos)), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
};

// The letter after the '&' of a menu text, or none.
QChar mnemonic(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
}

} // namespace

TEST_F(RoughEdgesTest, EveryMenuGivesEachLetterToOneEntryInEveryLanguage)
{
    // The source texts come back for the tests after this one, also when a check fails.
    const std::unique_ptr<void, void (*)(void*)> english(
        this, [](void*) { installTranslations(QStringLiteral("en")); });
    for (const char* language : {"en", "ru", "uk", "de"}) {
        SCOPED_TRACE(language);
        installTranslations(QString::fromLatin1(language));
        frame = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock});
        ASSERT_EQ(frame->menuBar()->actions().at(0)->text() == QStringLiteral("&File"), *language == 'e')
            << "the translation was not found";
        std::map<QChar, QString> bar;
        for (QAction* top : frame->menuBar()->actions()) {
            EXPECT_TRUE(bar.emplace(mnemonic(top->text()), top->text()).second) << top->text().toStdString();
            std::map<QChar, QString> seen;
            for (QAction* entry : top->menu()->actions()) {
                const QChar letter = mnemonic(entry->text());
                if (letter.isNull())
                    continue;
                const auto [first, fresh] = seen.emplace(letter, entry->text());
                EXPECT_TRUE(fresh) << entry->text().toStdString() << " and " << first->second.toStdString();
            }
        }
    }
}

TEST_F(RoughEdgesTest, AltVThenETogglesTheEditBar)
{
    openVaried(1, kAllFields);
    ASSERT_FALSE(editBar().isHidden());
    for (const bool hiddenAfter : {true, false}) {
        QTest::keyClick(frame.get(), Qt::Key_V, Qt::AltModifier);
        QWidget* viewMenu = QApplication::activePopupWidget();
        ASSERT_NE(viewMenu, nullptr);
        QTest::keyClick(viewMenu, Qt::Key_E);
        EXPECT_EQ(editBar().isHidden(), hiddenAfter);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}

TEST_F(RoughEdgesTest, EnterInAnEditBarFieldPressesOk)
{
    struct Case {
        const char* item;
        const char* field;
        const char* typed;
        Qt::Key key;
        std::function<std::string(ChannelDatabase&)> stored;
    };
    const Case cases[] = {
        {"Astra 1", "name", "Astra 2", Qt::Key_Return, [](ChannelDatabase& d) { return d.networks[0].name; }},
        {"TP0", "frequency", "11111", Qt::Key_Enter,
         [](ChannelDatabase& d) { return std::to_string(d.transponders[0].frequency); }},
        {"Prog 1", "name", "Prog One", Qt::Key_Return, [](ChannelDatabase& d) { return d.programs[1].name; }},
    };
    openVaried(1, kAllFields);
    tree().expandAll();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        clickOn(findItem(c.item));
        auto* field = control<QLineEdit>(&editBar(), c.field);
        ASSERT_NE(field, nullptr);
        field->setFocus();
        type(&editBar(), c.field, c.typed);
        QTest::keyClick(field, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(c.stored(db()), c.typed);
        EXPECT_TRUE(view().modified());
    }
}

TEST_F(RoughEdgesTest, FieldsTheLayoutCannotStoreAreDisabledAndSayWhy)
{
    for (const uint32_t flags : {FLAG_PROG_CA, FLAG_PROG_CA | FLAG_TP_NAMES | FLAG_NET_SKEW}) {
        SCOPED_TRACE(flags);
        const bool stored = flags & FLAG_TP_NAMES;
        openVaried(1, flags);
        clickOn(findItem("Hotbird")); // its antenna has a skew controller
        EXPECT_TRUE(enabled(&editBar(), "skewController"));
        for (const char* angle : {"skewAngleV", "skewAngleH"}) {
            EXPECT_EQ(enabled(&editBar(), angle), stored) << angle;
            EXPECT_EQ(control<QWidget>(&editBar(), angle)->toolTip().contains("no room for skew angles"),
                      !stored);
        }
        tree().expandAll();
        clickOn(tree().topLevelItem(0)->child(0));
        ASSERT_EQ(editBar().page(), PAGE_TRANSPONDER);
        EXPECT_EQ(enabled(&editBar(), "name"), stored);
        EXPECT_EQ(control<QWidget>(&editBar(), "name")->toolTip().contains("no room for transponder names"),
                  !stored);
        EXPECT_TRUE(enabled(&editBar(), "frequency"));
    }
}

TEST_F(RoughEdgesTest, AHeldButtonOnTheTerrestrialNetworkDoesNotSweepTheSelection)
{
    openVaried(2, kAllFields);
    QTreeWidgetItem* terrestrial = tree().topLevelItem(64);
    ASSERT_TRUE(tree().IsTerrestrialNetworkItem(terrestrial));
    QSignalSpy shown(&tree(), &QTreeWidget::currentItemChanged);
    sendMouse(QEvent::MouseButtonPress, centerOf(terrestrial), Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(tree().currentItem(), terrestrial);
    ASSERT_EQ(shown.count(), 1);
    // The pointer passes over the networks above without scrolling the tree.
    const QPoint start = centerOf(terrestrial);
    for (int rows = 1; rows <= 5; ++rows)
        sendMouse(QEvent::MouseMove, start - QPoint(0, rows * tree().visualItemRect(terrestrial).height()),
                  Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, start - QPoint(0, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(tree().currentItem(), terrestrial);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_TRUE(editBar().terrestrialMode());
    EXPECT_FALSE(view().modified());
}

TEST_F(RoughEdgesTest, TheTreeDrawsBranchLinesAtEveryLevel)
{
    openVaried(1, kAllFields);
    QTreeWidgetItem* hotbird = findItem("Hotbird");
    hotbird->setExpanded(true);
    hotbird->child(0)->setExpanded(true);
    QTreeWidgetItem* program = hotbird->child(0)->child(0);
    ASSERT_EQ(program->childCount(), 0);
    const QImage image = tree().viewport()->grab().toImage();
    const int indent = tree().indentation();
    // Ink on the segment from `from` to `to` (one row or one column), in the tree's background.
    const auto inked = [&](QPoint from, QPoint to) {
        const QRgb background = image.pixel(image.width() - 2, from.y());
        for (int x = from.x(); x <= to.x(); ++x)
            for (int y = from.y(); y <= to.y(); ++y)
                if (image.pixel(x, y) != background)
                    return true;
        return false;
    };
    // At the root, beside Hotbird's transponder, the line on to the next network.
    const QRect tp = tree().visualItemRect(hotbird->child(0));
    const int rootMid = tp.left() - 2 * indent + indent / 2;
    EXPECT_TRUE(inked({rootMid - 1, tp.top()}, {rootMid + 1, tp.bottom()}));
    // The program, a leaf, joined to its transponder by a line ending at its label.
    const QRect leaf = tree().visualItemRect(program);
    EXPECT_TRUE(
        inked({leaf.left() - indent / 2 + 2, leaf.center().y()}, {leaf.left() - 2, leaf.center().y()}));
}
