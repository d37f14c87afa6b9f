#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "panels/aboutdlg.h"
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
