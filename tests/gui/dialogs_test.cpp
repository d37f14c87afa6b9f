#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "panels/aboutdlg.h"
#include "panels/dlgnotices.h"
#include "panels/dlgselectmodel.h"

using namespace kvx;

TEST(SelectModelDialog, StartsOnSatelliteOnlyAndFollowsTheRadioButtons)
{
    CDlgSelectModel dialog;
    EXPECT_EQ(dialog.windowTitle(), "New");
    auto* satellite = dialog.findChild<QRadioButton*>("satelliteOnly");
    auto* combo = dialog.findChild<QRadioButton*>("combo");
    ASSERT_NE(satellite, nullptr);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(satellite->text(), "For &Satellite Only");
    EXPECT_EQ(combo->text(), "For Combo (Satellite + Terrestrial)");
    EXPECT_TRUE(satellite->isChecked());
    EXPECT_EQ(dialog.comboFlag(), 0);

    combo->click();
    EXPECT_TRUE(combo->isChecked());
    EXPECT_FALSE(satellite->isChecked());
    EXPECT_EQ(dialog.model(), ReceiverModel::Combo);

    satellite->click();
    EXPECT_EQ(dialog.comboFlag(), 0);
    EXPECT_EQ(dialog.model(), ReceiverModel::SatelliteOnly);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(SelectModelDialog, EscapeRejects)
{
    CDlgSelectModel dialog;
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(AboutDialog, ShowsNameAndVersion)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About KVXEdit");
    auto* text = dialog.findChild<QLabel*>("versionText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "KVXEdit Version 1.6.2");
}

TEST(NoticesDialog, ListsCountsCopiesAndCloses)
{
    const QStringList notices = {"Check!! Same TP exist!! 11495(H)\nsecond line", "Transponder list is full"};
    CDlgNotices dialog(notices);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>("count")->text(), "2 notices");
    auto* list = dialog.findChild<QListWidget*>("notices");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), notices[0]);

    QTest::mouseClick(dialog.findChild<QPushButton*>("copy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), notices.join("\n\n") + "\n");
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.findChild<QPushButton*>("close"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
