#include <QCoreApplication>
#include <QMouseEvent>

#include "framefixture.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

constexpr uint32_t kComboFlags = FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA | FLAG_TP_NAMES;

class DragMoveTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        ChannelDatabase database = makeVariedDatabase(2, kComboFlags);
        database.networks[2].name = "Thor";
        open(writeKvx("drag.kvx", std::move(database)));
        frame->show();
        tree().expandAll();
    }

    void drag(QTreeWidgetItem* from, QTreeWidgetItem* to)
    {
        view().BeginDrag(from, centerOf(from));
        view().DragOver(centerOf(to));
        view().EndDrag(centerOf(to));
    }

    Qt::CursorShape cursor() { return tree().viewport()->cursor().shape(); }

    std::vector<std::string> networkNames(int count)
    {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i)
            names.push_back(db().networks[i].name);
        return names;
    }
};

} // namespace

TEST_F(DragMoveTest, DroppingANetworkOnItsNeighbourSwapsThem)
{
    QTreeWidgetItem* astra = findItem("Astra 1");
    NetInfo* astraRecord = CKVXTree::networkOf(astra);
    drag(astra, findItem("Hotbird"));
    EXPECT_EQ(networkNames(3), (std::vector<std::string>{"Hotbird", "Astra 1", "Thor"}));
    EXPECT_EQ(db().networks[1].netIndex, 1);
    // The transponders follow their network.
    EXPECT_EQ(db().transponders[0].netIndex, 1);
    EXPECT_EQ(tree().topLevelItem(1)->childCount(), 3);
    EXPECT_EQ(CKVXTree::networkOf(tree().currentItem()), astraRecord);
    EXPECT_EQ(view().currentNet(), astraRecord);
    EXPECT_EQ(view().currentAnt(), &db().antennas[1]);
    EXPECT_TRUE(view().modified());
    EXPECT_EQ(frame->windowTitle(), "drag.kvx (Modified) - KVXEdit : N(65) T(5) P(12) F(16)");
    EXPECT_EQ(view().dragImage(), nullptr);
}

TEST_F(DragMoveTest, DroppingOnAFartherSiblingMovesPastTheOnesBetween)
{
    drag(findItem("Thor"), findItem("Astra 1"));
    EXPECT_EQ(networkNames(3), (std::vector<std::string>{"Thor", "Astra 1", "Hotbird"}));
    EXPECT_EQ(tree().currentItem()->text(0), "Thor");
}

TEST_F(DragMoveTest, TransponderMovesWithinItsNetwork)
{
    QTreeWidgetItem* tp0 = findItem("TP0");
    view().BeginDrag(tp0, centerOf(tp0));
    ASSERT_TRUE(view().isDragging());
    ASSERT_NE(view().dragImage(), nullptr);
    EXPECT_TRUE(view().dragImage()->isVisible());
    view().DragOver(centerOf(findItem("TP1")));
    EXPECT_EQ(cursor(), Qt::ArrowCursor);
    EXPECT_EQ(tree().dropHighlight(), findItem("TP1"));
    view().EndDrag(centerOf(findItem("TP1")));
    EXPECT_EQ(db().transponders[0].name, "TP1");
    EXPECT_EQ(db().transponders[1].name, "TP0");
    EXPECT_EQ(tree().currentItem()->text(0), "TP0");
    EXPECT_EQ(tree().topLevelItem(0)->child(1)->text(0), "TP0");
    EXPECT_EQ(tree().dropHighlight(), nullptr);
    EXPECT_TRUE(view().modified());
}

TEST_F(DragMoveTest, ProgramMovesByMouseWithinItsTransponder)
{
    // Programs 0 and 5 share transponder 0.
    QTreeWidgetItem* from = findItem("Prog 0");
    QTreeWidgetItem* to = findItem("Prog 5");
    ASSERT_EQ(from->parent(), to->parent());
    QWidget* viewport = tree().viewport();
    const QPoint start = centerOf(from);
    const QPoint end = centerOf(to);
    const auto send = [viewport](QEvent::Type type, QPoint pos, Qt::MouseButton button,
                                 Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(pos), QPointF(viewport->mapToGlobal(pos)), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(0, 20), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(view().isDragging());
    send(QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(view().isDragging());
    // Program 0 takes the list position of program 5; the ones between shift up.
    EXPECT_EQ(db().programs[4].name, "Prog 5");
    EXPECT_EQ(db().programs[5].name, "Prog 0");
    QTreeWidgetItem* tp0 = tree().topLevelItem(0)->child(0);
    ASSERT_EQ(tp0->childCount(), 3);
    EXPECT_EQ(tp0->child(0)->text(0), "Prog 5");
    EXPECT_EQ(tp0->child(1)->text(0), "Prog 0");
    EXPECT_EQ(tree().currentItem(), tp0->child(1));
    EXPECT_EQ(CKVXTree::programOf(tree().currentItem())->tpIndex, 0);
}

TEST_F(DragMoveTest, TheTerrestrialNetworkIsNeverDragged)
{
    QTreeWidgetItem* terrestrial = tree().topLevelItem(64);
    view().BeginDrag(terrestrial, centerOf(terrestrial));
    EXPECT_FALSE(view().isDragging());
    EXPECT_EQ(view().dragImage(), nullptr);
}

TEST_F(DragMoveTest, NothingIsDroppedOnTheTerrestrialNetwork)
{
    QTreeWidgetItem* thor = findItem("Thor");
    QTreeWidgetItem* terrestrial = tree().topLevelItem(64);
    view().BeginDrag(thor, centerOf(thor));
    view().DragOver(centerOf(terrestrial));
    EXPECT_EQ(cursor(), Qt::ForbiddenCursor);
    EXPECT_EQ(tree().dropHighlight(), terrestrial);
    view().EndDrag(centerOf(terrestrial));
    EXPECT_EQ(db().networks[64].name, "Terrestrial");
    EXPECT_EQ(db().networks[2].name, "Thor");
    EXPECT_FALSE(view().modified());
    // The network move refuses the terrestrial slot as a target too.
    view().MoveItem(findItem("Thor"), tree().topLevelItem(64));
    EXPECT_EQ(db().networks[2].name, "Thor");
}

TEST_F(DragMoveTest, AProgramOfAnotherTransponderIsNoTarget)
{
    QTreeWidgetItem* from = findItem("Prog 0");
    QTreeWidgetItem* other = findItem("Prog 1");
    ASSERT_NE(from->parent(), other->parent());
    view().BeginDrag(from, centerOf(from));
    view().DragOver(centerOf(other));
    EXPECT_EQ(cursor(), Qt::ForbiddenCursor);
    EXPECT_EQ(tree().dropHighlight(), nullptr);
    EXPECT_EQ(view().dropTarget(), other);
    view().EndDrag(centerOf(other));
    EXPECT_EQ(db().programs[0].name, "Prog 0");
    EXPECT_EQ(db().programs[1].name, "Prog 1");
    EXPECT_FALSE(view().modified());
}

TEST_F(DragMoveTest, DroppingOnItselfOrNowhereChangesNothing)
{
    QTreeWidgetItem* tp = findItem("TP2");
    view().BeginDrag(tp, centerOf(tp));
    view().EndDrag(centerOf(tp));
    view().BeginDrag(tp, centerOf(tp));
    view().DragOver(QPoint(5, -40));
    EXPECT_EQ(cursor(), Qt::ForbiddenCursor);
    view().EndDrag(QPoint(5, -40));
    EXPECT_EQ(db().transponders[2].name, "TP2");
    EXPECT_FALSE(view().modified());
}
