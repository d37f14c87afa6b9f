#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>

#include "app/progressbar.h"
#include "app/statusbarprogress.h"
#include "framefixture.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// The progress bar in a shown main window, whose status bar has been laid out.
class ProgressBarTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        frame->resize(800, 600);
        frame->show();
        settle();
    }

    void settle()
    {
        frame->statusBar()->layout()->activate();
        QCoreApplication::processEvents();
    }

    QStatusBar* statusBar() const { return frame->statusBar(); }
    QLabel* pane() const { return statusBar()->findChild<QLabel*>("readyPane"); }
    CProgressBar* shownBar() const { return statusBar()->findChild<CProgressBar*>(); }
    // Where the bar starts: behind the message and four spaces, from the status bar's left edge.
    int leftFor(const QString& message) const
    {
        const QFontMetrics metrics = statusBar()->fontMetrics();
        return metrics.horizontalAdvance(message) + 4 * metrics.horizontalAdvance(QLatin1Char(' '));
    }
    int paneRight() const { return pane()->geometry().x() + pane()->geometry().width(); }
};

} // namespace

TEST_F(ProgressBarTest, FillsTheFirstPaneBehindItsMessage)
{
    CProgressBar bar(frame.get(), "Please wait", 100, 4);
    EXPECT_EQ(bar.parentWidget(), statusBar());
    EXPECT_FALSE(bar.isInert());
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(pane()->text(), "Please wait");
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 4);
    EXPECT_EQ(bar.geometry().left(), leftFor("Please wait"));
    EXPECT_EQ(bar.geometry().x() + bar.geometry().width(), paneRight());

    // A longer message pushes the bar to the right; its right end stays at the pane's.
    const QString longer = "Waiting for the server to respond to a request";
    bar.SetText(longer);
    EXPECT_EQ(pane()->text(), longer);
    EXPECT_EQ(bar.geometry().left(), leftFor(longer));
    EXPECT_GT(bar.geometry().left(), leftFor("Please wait"));
    EXPECT_EQ(bar.geometry().x() + bar.geometry().width(), paneRight());
}

TEST_F(ProgressBarTest, SizeIsAShareOfThePaneRightOfTheMessage)
{
    CProgressBar half(frame.get(), "Half", 50, 10);
    const int left = leftFor("Half");
    EXPECT_EQ(half.geometry().left(), left);
    EXPECT_EQ(half.geometry().width(), (paneRight() - left) * 50 / 100);
}

TEST_F(ProgressBarTest, MessageWiderThanThePaneLeavesABarOfNoWidth)
{
    CProgressBar bar(frame.get(), "short", 100, 4);
    bar.SetText(QString(400, QLatin1Char('W')));
    EXPECT_GT(leftFor(bar.message()), paneRight());
    EXPECT_EQ(bar.geometry().width(), 0);
    EXPECT_EQ(bar.geometry().left(), leftFor(bar.message()));
}

TEST_F(ProgressBarTest, ATenthOfThePaneHeightComesOffAtTopAndBottom)
{
    CProgressBar bar(frame.get(), "Importing", 100, 100);
    const QRect paneRect = pane()->geometry();
    pane()->setGeometry(paneRect.x(), 3, paneRect.width(), 20);
    EXPECT_EQ(bar.geometry().height(), 16);
    EXPECT_EQ(bar.geometry().top(), 5);
    pane()->setGeometry(paneRect.x(), 3, paneRect.width(), 9);
    EXPECT_EQ(bar.geometry().height(), 9);
    EXPECT_EQ(bar.geometry().top(), 3);
}

TEST_F(ProgressBarTest, FollowsTheStatusBarWhenTheWindowIsResized)
{
    CProgressBar bar(frame.get(), "Importing", 100, 100);
    const int before = bar.geometry().width();
    frame->resize(1000, 600);
    settle();
    EXPECT_EQ(bar.geometry().width(), before + 200);
    EXPECT_EQ(bar.geometry().x() + bar.geometry().width(), paneRight());
}

TEST_F(ProgressBarTest, ClearAndDestructionGiveThePaneBackItsIdleText)
{
    {
        CProgressBar bar(frame.get(), "Importing", 100, 100);
        bar.Clear();
        EXPECT_FALSE(bar.isVisible());
        EXPECT_EQ(pane()->text(), "Ready");
        // A hidden bar no longer writes its message.
        bar.SetText("Later");
        EXPECT_EQ(pane()->text(), "Ready");
    }
    {
        auto* bar = new CProgressBar(frame.get(), "Importing", 100, 100);
        EXPECT_EQ(shownBar(), bar);
        delete bar;
    }
    EXPECT_EQ(shownBar(), nullptr);
    EXPECT_EQ(pane()->text(), "Ready");
}

TEST_F(ProgressBarTest, SinkAdvancesByOneStepUpToItsRangeAndRemovesTheBar)
{
    {
        StatusBarProgress progress(frame.get(), "Please select", 100);
        CProgressBar* bar = progress.bar();
        ASSERT_EQ(shownBar(), bar);
        EXPECT_EQ(bar->maximum(), 100);
        progress.setText("Reading");
        progress.setRange(3);
        EXPECT_EQ(pane()->text(), "Reading");
        EXPECT_EQ(bar->maximum(), 3);
        std::vector<int> values;
        for (int i = 0; i < 5; ++i) {
            progress.step();
            values.push_back(bar->value());
        }
        EXPECT_EQ(values, std::vector<int>({1, 2, 3, 3, 3}));
    }
    EXPECT_EQ(shownBar(), nullptr);
    EXPECT_EQ(pane()->text(), "Ready");
}

TEST(ProgressBarWithoutStatusBar, StaysInertAndHidden)
{
    QWidget plain;
    CProgressBar loose(&plain, "Importing", 100, 100);
    EXPECT_TRUE(loose.isInert());
    EXPECT_TRUE(loose.isHidden());
    EXPECT_EQ(loose.parentWidget(), nullptr);
    loose.SetText("Still nothing");
    loose.Clear();

    // A main window without a status bar does not get one.
    QMainWindow bare;
    {
        StatusBarProgress progress(&bare, "Importing", 10);
        progress.step();
        progress.setText("More");
        EXPECT_TRUE(progress.bar()->isInert());
    }
    EXPECT_EQ(bare.findChild<QStatusBar*>(), nullptr);
}
