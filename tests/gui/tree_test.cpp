#include <gtest/gtest.h>

#include "app/kvxtree.h"
#include "db/channeldatabase.h"
#include "platform/nameencoding.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

constexpr uint32_t kComboFlags = FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA;

class TreeTest : public ::testing::Test {
protected:
    NameEncoding encoding{"WINDOWS-1252"};
    CKVXTree tree{encoding};
};

} // namespace

TEST_F(TreeTest, NewComboDatabaseShows65NetworksWithTheTerrestrialOneInBold)
{
    ChannelDatabase db = test::makeEmptyModel(2, kComboFlags);
    db.networks[TERRESTRIAL_SLOT].name = "Terrestrial";
    tree.Build(&db);
    ASSERT_EQ(tree.topLevelItemCount(), 65);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(tree.topLevelItem(i)->text(0), "(No name)");
        EXPECT_FALSE(tree.topLevelItem(i)->font(0).bold());
        EXPECT_FALSE(tree.IsTerrestrialNetworkItem(tree.topLevelItem(i)));
    }
    QTreeWidgetItem* terrestrial = tree.topLevelItem(64);
    EXPECT_EQ(terrestrial->text(0), "Terrestrial");
    EXPECT_TRUE(terrestrial->font(0).bold());
    EXPECT_TRUE(tree.IsTerrestrialNetworkItem(terrestrial));
    // Build selects the first network.
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));
}

TEST_F(TreeTest, ItemsAndRecordsPointAtEachOther)
{
    ChannelDatabase db = test::makeVariedDatabase(2, kComboFlags | FLAG_TP_NAMES);
    tree.Build(&db);
    for (NetInfo& net : db.networks) {
        QTreeWidgetItem* item = CKVXTree::itemOf(net.treeItem);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(CKVXTree::networkOf(item), &net);
        EXPECT_EQ(item->parent(), nullptr);
    }
    for (TpInfo& tp : db.transponders) {
        QTreeWidgetItem* item = CKVXTree::itemOf(tp.treeItem);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(CKVXTree::levelOf(item), TreeLevel::Transponder);
        EXPECT_EQ(CKVXTree::transponderOf(item), &tp);
        EXPECT_EQ(item->parent(), db.networks[tp.netIndex].treeItem);
    }
    for (ProgInfo& prog : db.programs) {
        QTreeWidgetItem* item = CKVXTree::itemOf(prog.treeItem);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(CKVXTree::programOf(item), &prog);
        EXPECT_EQ(item->parent(), db.transponders[prog.tpIndex].treeItem);
        // A record of one level is never taken for another's.
        EXPECT_EQ(CKVXTree::transponderOf(item), nullptr);
        EXPECT_EQ(CKVXTree::networkOf(item), nullptr);
    }
    // Children keep list order.
    QTreeWidgetItem* astra = tree.topLevelItem(0);
    ASSERT_EQ(astra->childCount(), 3);
    EXPECT_EQ(astra->child(0)->text(0), "TP0");
    EXPECT_EQ(astra->child(2)->text(0), "TP2");
    // The terrestrial transponder has no name and shows its label.
    EXPECT_EQ(tree.topLevelItem(64)->child(0)->text(0), "0.474 (7 Mhz)");
    EXPECT_EQ(tree.topLevelItem(64)->child(0)->child(0)->text(0), "Prog 4");
}

TEST_F(TreeTest, RecordsWithAnOwnerOutsideTheirListAreLeftOut)
{
    ChannelDatabase db = test::makeVariedDatabase(1, FLAG_PROG_CA);
    db.transponders[3].netIndex = 200;
    db.programs[0].tpIndex = 900;
    tree.Build(&db);
    EXPECT_EQ(tree.topLevelItem(1)->childCount(), 0);
    EXPECT_EQ(db.transponders[3].treeItem, nullptr);
    EXPECT_EQ(db.programs[0].treeItem, nullptr);
    EXPECT_EQ(db.programs[3].treeItem, nullptr); // a program of the left-out transponder
    EXPECT_NE(db.programs[1].treeItem, nullptr);
}

TEST_F(TreeTest, InsertBeforeASiblingAndDeleteSubtrees)
{
    ChannelDatabase db = test::makeVariedDatabase(1, FLAG_PROG_CA | FLAG_TP_NAMES);
    tree.Build(&db);
    QTreeWidgetItem* astra = tree.topLevelItem(0);
    QTreeWidgetItem* second = astra->child(1);

    TpInfo extra = TpInfo::create(0, 12000, 1);
    extra.name = "New";
    QTreeWidgetItem* inserted = tree.InsertTransponder(extra, second);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(astra->indexOfChild(inserted), 1);
    EXPECT_EQ(astra->indexOfChild(second), 2);
    EXPECT_EQ(extra.treeItem, inserted);

    ProgInfo prog = ProgInfo::create(0, 1);
    prog.name = "Appended";
    QTreeWidgetItem* appended = tree.InsertProgram(prog);
    ASSERT_NE(appended, nullptr);
    EXPECT_EQ(appended->parent(), astra->child(0));
    EXPECT_EQ(appended->parent()->indexOfChild(appended), appended->parent()->childCount() - 1);

    // A network loses its transponders' programs and keeps the transponders.
    tree.DeleteGrandchildren(astra);
    EXPECT_EQ(astra->childCount(), 4);
    for (int i = 0; i < astra->childCount(); ++i)
        EXPECT_EQ(astra->child(i)->childCount(), 0);
    EXPECT_EQ(db.programs[0].treeItem, nullptr);
    EXPECT_EQ(prog.treeItem, nullptr);

    tree.DeleteItemAndChildren(astra);
    EXPECT_EQ(db.networks[0].treeItem, nullptr);
    EXPECT_EQ(db.transponders[0].treeItem, nullptr);
    EXPECT_EQ(tree.topLevelItemCount(), 63);
}

TEST_F(TreeTest, ClearDetachesTheDatabaseAndForgetsEveryItem)
{
    ChannelDatabase db = test::makeVariedDatabase(2, kComboFlags);
    tree.Build(&db);
    tree.Clear();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.database(), nullptr);
    for (const TpInfo& tp : db.transponders)
        EXPECT_EQ(tp.treeItem, nullptr);
    for (const ProgInfo& prog : db.programs)
        EXPECT_EQ(prog.treeItem, nullptr);
    tree.Clear(); // nothing attached: nothing happens
}

TEST_F(TreeTest, LabelsFollowAChangeOfTheNameEncoding)
{
    ChannelDatabase db = test::makeVariedDatabase(1, FLAG_PROG_CA);
    db.networks[0].name = "\xC0\xE1";
    db.programs[0].name = "\xE9";
    db.programs[2].name = "\xBF\xD5\xE0\xD2\xEB\xD9"; // marked as ISO 8859-5
    tree.Build(&db);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), QString::fromUtf8("Àá"));
    const NameEncoding cyrillic("WINDOWS-1251");
    tree.setNameEncoding(cyrillic);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), QString::fromUtf8("Аб"));
    EXPECT_EQ(CKVXTree::itemOf(db.programs[0].treeItem)->text(0), QString::fromUtf8("й"));
    // The ISO 8859-5 name does not depend on the choice.
    EXPECT_EQ(CKVXTree::itemOf(db.programs[2].treeItem)->text(0), QString::fromUtf8("Первый"));
    tree.setNameEncoding(encoding);
}

namespace {

// Every label of the tree with its depth, in the tree's order.
QStringList outline(const QTreeWidgetItem* item, int depth = 0)
{
    QStringList lines{QString(depth, '.') + item->text(0)};
    for (int k = 0; k < item->childCount(); ++k)
        lines += outline(item->child(k), depth + 1);
    return lines;
}

QStringList outline(const CKVXTree& tree)
{
    QStringList lines;
    for (int n = 0; n < tree.topLevelItemCount(); ++n)
        lines += outline(tree.topLevelItem(n));
    return lines;
}

} // namespace

TEST_F(TreeTest, AboveTheEagerLimitABranchGetsItsItemsWhenFirstAskedFor)
{
    ChannelDatabase db = test::makeVariedDatabase(2, kComboFlags | FLAG_TP_NAMES);
    db.programs[3].tpIndex = 900; // left out, as by every build
    ChannelDatabase copy = db;
    CKVXTree eager{encoding};
    eager.Build(&copy);
    tree.setEagerLimit(0);
    tree.Build(&db);
    for (int n = 0; n < tree.topLevelItemCount(); ++n) {
        const QTreeWidgetItem* net = tree.topLevelItem(n);
        const QTreeWidgetItem* full = eager.topLevelItem(n);
        EXPECT_EQ(net->childCount(), 0);
        // The arrow shows what a click would open.
        EXPECT_EQ(net->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator, full->childCount() > 0);
        const CKVXTree::Descendants below = tree.descendantsOf(net);
        int programs = 0;
        for (int t = 0; t < full->childCount(); ++t)
            programs += full->child(t)->childCount();
        EXPECT_EQ(below.children, full->childCount());
        EXPECT_EQ(below.grandchildren, programs);
    }
    EXPECT_EQ(tree.itemFor(db.programs[3]), nullptr);
    for (const ProgInfo& prog : db.programs)
        EXPECT_EQ(tree.itemFor(prog), prog.treeItem);
    EXPECT_EQ(outline(tree), outline(eager));
    EXPECT_EQ(db.transponders[0].treeItem, tree.topLevelItem(0)->child(0));
}
