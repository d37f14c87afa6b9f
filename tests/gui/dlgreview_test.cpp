#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "panels/dlgreview.h"
#include "reviewdriver.h"

using namespace kvx;
using test::clickTickBox;

namespace {

// Rows in the order the review shows them; change indices in the order of the set.
ImportReview sampleReview()
{
    ImportReview review;
    review.title = "Update from LyngSat";
    review.changeCount = 5;
    review.rows = {
        {ReviewRow::Kind::Removed, {"12150", "H", "27500", "DVB-S", "AUTO", "2"}, {}, 2, 4, true, {}},
        {ReviewRow::Kind::Updated,
         {"12111 → 12112", "R → V", "27500", "DVB-S", "AUTO → 3/4", ""},
         {},
         0,
         0,
         true,
         {}},
        {ReviewRow::Kind::Added, {"12188", "H", "22000", "DVB-S", "5/6", ""}, {}, 0, 1, true, {}},
        {ReviewRow::Kind::Added,
         {"12188", "H", "22000", "DVB-S", "5/6", ""},
         "repeats row 3 of the page",
         0,
         3,
         false,
         {}},
        {ReviewRow::Kind::Sorted, {}, "The transponders are sorted by frequency", 0, 2, true, {}},
    };
    return review;
}

struct Dialog {
    Dialog()
            : dialog(sampleReview())
    {
        dialog.show();
        table = dialog.findChild<QTreeWidget*>("changes");
        counts = dialog.findChild<QLabel*>("counts");
        apply = dialog.findChild<QPushButton*>("apply");
    }
    QTreeWidgetItem* row(int k) const { return table->topLevelItem(k); }

    CDlgReview dialog;
    QTreeWidget* table = nullptr;
    QLabel* counts = nullptr;
    QPushButton* apply = nullptr;
};

} // namespace

TEST(ReviewDialog, ShowsOneTickableRowPerChangeWithRepeatsUnticked)
{
    Dialog d;
    EXPECT_EQ(d.dialog.windowTitle(), "Update from LyngSat");
    ASSERT_EQ(d.table->topLevelItemCount(), 5);
    EXPECT_EQ(d.row(0)->text(0), "Removed");
    EXPECT_EQ(d.row(1)->text(2), "R → V");
    EXPECT_EQ(d.row(0)->text(6), "2");
    EXPECT_EQ(d.row(3)->text(7), "repeats row 3 of the page");
    EXPECT_EQ(d.row(3)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(d.counts->text(), "1 added, 1 updated, 1 removed (with 2 programs); 1 change left out");
    EXPECT_EQ(d.dialog.selection(), (ChangeSelection{true, true, true, false, true}));
    // About 25 rows fit without scrolling on a 1280×800 screen.
    EXPECT_GE(d.table->viewport()->height(), 20 * d.table->visualItemRect(d.row(0)).height());
    EXPECT_LE(d.dialog.frameGeometry().height(), 800);
}

TEST(ReviewDialog, MouseAndKeyboardTickAndUntickAndTheCountsFollow)
{
    Dialog d;
    clickTickBox(d.table, d.row(0)); // the removal is left out
    clickTickBox(d.table, d.row(3)); // the repeat is taken
    EXPECT_EQ(d.counts->text(), "2 added, 1 updated, 0 removed; 1 change left out");

    // Space ticks and unticks the current row.
    const QRect repeat = d.table->visualRect(d.table->model()->index(3, 2));
    QTest::mouseClick(d.table->viewport(), Qt::LeftButton, {}, repeat.center());
    QTest::keyClick(d.table, Qt::Key_Down);
    ASSERT_EQ(d.table->currentItem(), d.row(4));
    QTest::keyClick(d.table, Qt::Key_Space);
    EXPECT_EQ(d.row(4)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(d.dialog.selection(), (ChangeSelection{true, true, false, true, false}));

    // Nothing ticked leaves nothing to apply.
    clickTickBox(d.table, d.row(1));
    clickTickBox(d.table, d.row(2));
    clickTickBox(d.table, d.row(3));
    EXPECT_FALSE(d.apply->isEnabled());
    clickTickBox(d.table, d.row(2));
    EXPECT_TRUE(d.apply->isEnabled());
    QTest::mouseClick(d.apply, Qt::LeftButton);
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(d.dialog.selection(), (ChangeSelection{false, true, false, false, false}));
}

TEST(ReviewDialog, FilterShowsOneKindAndCancelRejects)
{
    Dialog d;
    auto* filter = d.dialog.findChild<QComboBox*>("filter");
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Down); // "Removed"
    QTest::keyClick(filter, Qt::Key_Down); // "Updated"
    ASSERT_EQ(filter->currentText(), "Updated");
    std::vector<bool> hidden;
    for (int k = 0; k < d.table->topLevelItemCount(); ++k)
        hidden.push_back(d.row(k)->isHidden());
    EXPECT_EQ(hidden, (std::vector<bool>{true, false, true, true, true}));
    // The hidden rows keep their ticks.
    EXPECT_EQ(d.dialog.selection(), (ChangeSelection{true, true, true, false, true}));
    QTest::mouseClick(d.dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
}

TEST(ReviewDialog, RemembersItsSize)
{
    QSize chosen;
    {
        Dialog d;
        d.dialog.resize(700, 333);
        chosen = d.dialog.size();
        d.dialog.reject();
    }
    Dialog again;
    EXPECT_EQ(again.dialog.size(), chosen);
    QSettings().remove("Review/geometry");
}
