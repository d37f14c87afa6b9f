#include <gtest/gtest.h>

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidget>

#include "db/tables.h"
#include "panels/dlgaudio.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

class DlgAudioTest : public testing::Test {
protected:
    DlgAudioTest()
    {
        dialog.setErrorReporter([this](const QString& text) { errors << text; });
    }

    void load(std::initializer_list<AudioInfo> entries)
    {
        PidList list;
        for (const AudioInfo& entry : entries)
            list.append(entry);
        dialog.setPidList(list);
    }

    QStringList row(int index) const
    {
        QTreeWidgetItem* item = control<QTreeWidget>(&dialog, "entries")->topLevelItem(index);
        if (!item)
            return {};
        return {item->text(0), item->text(1), item->text(2)};
    }

    int rowCount() const { return control<QTreeWidget>(&dialog, "entries")->topLevelItemCount(); }

    CDlgAudio dialog;
    QStringList errors;
};

TEST_F(DlgAudioTest, ShowsEntriesAndMakesTheFirstCurrent)
{
    load({{0, 0x4102}, {NO_LANGUAGE, 0x103}, {30, NO_PID}});
    EXPECT_EQ(row(0), QStringList({"0x0102", "ENG", "AC3"}));
    EXPECT_EQ(row(1), QStringList({"0x0103", "", ""}));
    EXPECT_EQ(row(2), QStringList({"", "", ""}));
    EXPECT_EQ(dialog.currentIndex(), 0);
    EXPECT_EQ(text(&dialog, "pid"), "0x0102");
    EXPECT_EQ(text(&dialog, "language"), "ENG");
    EXPECT_TRUE(checked(&dialog, "ac3"));
    EXPECT_EQ(choices(&dialog, "language").size(), 24);
    EXPECT_EQ(choices(&dialog, "language").first(), "");

    auto* entries = control<QTreeWidget>(&dialog, "entries");
    entries->setCurrentItem(entries->topLevelItem(1)); // a click on the row
    EXPECT_EQ(dialog.currentIndex(), 1);
    EXPECT_EQ(text(&dialog, "language"), "");                   // 255 selects the empty item
    control<QTreeWidget>(&dialog, "entries")->clearSelection(); // a click beside the rows
    EXPECT_EQ(dialog.currentIndex(), 1);
    EXPECT_TRUE(control<QTreeWidget>(&dialog, "entries")->topLevelItem(1)->isSelected());
}

TEST_F(DlgAudioTest, AddInsertsInFrontOfTheCurrentEntry)
{
    load({{0, 0x100}, {1, 0x101}, {2, 0x102}});
    dialog.selectEntry(2);
    type(&dialog, "pid", "511");
    pick(&dialog, "language", "TUR");
    click(&dialog, "add");
    EXPECT_EQ(dialog.currentIndex(), 2);
    EXPECT_EQ(dialog.pidList().size(), 4u);
    EXPECT_EQ(dialog.pidList().entry(2), (AudioInfo{22, 0x1FF}));
    EXPECT_EQ(dialog.pidList().entry(3), (AudioInfo{2, 0x102}));
    EXPECT_EQ(row(2), QStringList({"0x01ff", "TUR", ""}));
    EXPECT_EQ(row(3), QStringList({"0x0102", "SWE", ""}));

    CDlgAudio empty;
    empty.setPidList({});
    EXPECT_EQ(empty.currentIndex(), -1);
    type(&empty, "pid", "0x2001"); // 13 bits
    click(&empty, "add");
    EXPECT_EQ(empty.currentIndex(), 0);
    EXPECT_EQ(empty.pidList().entry(0), (AudioInfo{NO_LANGUAGE, 1}));
}

TEST_F(DlgAudioTest, InvalidPidChangesNothing)
{
    load({{0, 0x100}});
    for (const char* typed : {"", "abc", "8192", "0x0"}) {
        type(&dialog, "pid", typed);
        click(&dialog, "add");
        click(&dialog, "modify");
    }
    EXPECT_EQ(errors.size(), 8);
    EXPECT_EQ(errors.first(), "Invalid PID");
    EXPECT_EQ(dialog.pidList().size(), 1u);
    EXPECT_EQ(dialog.pidList().entry(0), (AudioInfo{0, 0x100}));
}

TEST_F(DlgAudioTest, ModifyRewritesTheCurrentEntry)
{
    load({{0, 0x100}, {1, 0x101}});
    dialog.selectEntry(1);
    type(&dialog, "pid", "0x1ff");
    click(&dialog, "ac3");
    pick(&dialog, "language", "");
    click(&dialog, "modify");
    EXPECT_EQ(dialog.pidList().entry(1), (AudioInfo{NO_LANGUAGE, 0x41FF}));
    EXPECT_EQ(row(1), QStringList({"0x01ff", "", "AC3"}));
    EXPECT_EQ(dialog.pidList().entry(0), (AudioInfo{0, 0x100}));
}

TEST_F(DlgAudioTest, DeleteMovesToTheNewLastEntryAndEmptiesTheFields)
{
    load({{0, 0x100}, {1, 0x101}, {2, 0x102}});
    dialog.selectEntry(2);
    click(&dialog, "delete");
    EXPECT_EQ(dialog.currentIndex(), 1);
    EXPECT_EQ(text(&dialog, "pid"), "0x0101");
    EXPECT_EQ(rowCount(), 2);
    click(&dialog, "delete");
    click(&dialog, "delete");
    EXPECT_EQ(dialog.currentIndex(), -1);
    EXPECT_EQ(text(&dialog, "pid"), "");
    EXPECT_TRUE(dialog.pidList().empty());
    click(&dialog, "delete"); // nothing current: nothing happens
    click(&dialog, "modify");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(DlgAudioTest, AFullListRefusesAnotherTrack)
{
    PidList full;
    for (int k = 0; k < 255; ++k)
        full.append(NO_LANGUAGE, static_cast<uint16_t>(0x100 + k));
    dialog.setPidList(full);
    type(&dialog, "pid", "0x50");
    click(&dialog, "add");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first(), CDlgAudio::kListFullMessage);
    EXPECT_EQ(dialog.pidList(), full);
    EXPECT_EQ(rowCount(), 255);
}

TEST_F(DlgAudioTest, TheColumnsFitAndTheLanguageBoxIsAsWideAsThePidField)
{
    load({{0, 0x4102}, {30, 0x103}});
    dialog.show();
    auto* entries = control<QTreeWidget>(&dialog, "entries");
    EXPECT_FALSE(entries->horizontalScrollBar()->isVisible());
    EXPECT_LE(entries->header()->length(), entries->viewport()->width());
    EXPECT_NEAR(control<QWidget>(&dialog, "language")->width(), control<QWidget>(&dialog, "pid")->width(), 2);
}

} // namespace
