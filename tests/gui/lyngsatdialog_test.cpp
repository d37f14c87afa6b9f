#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "panels/dlglyngsat.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

LyngSatDialogValues astra(LyngSatBand band)
{
    return {"Astra 19.2E", "19.2", band, "http://www.lyngsat.test", std::nullopt};
}

QString label(const QWidget* dialog, const char* name)
{
    return control<QLabel>(dialog, name)->text();
}

} // namespace

TEST(LyngSatDialog, ShowsTheNetworkAndStartsFromTheDefaults)
{
    CDlgLyngSat dialog(astra(LyngSatBand::Ku));
    EXPECT_EQ(dialog.windowTitle(), "Satellite Information");
    EXPECT_EQ(label(&dialog, "satelliteName"), "Satellite Name : Astra 19.2E");
    EXPECT_EQ(label(&dialog, "satelliteDegree"), "Satellite Degree : 19.2");
    EXPECT_EQ(label(&dialog, "siteAddress"), "http://www.lyngsat.test/");
    EXPECT_EQ(choices(&dialog, "band"), QStringList({"C-Band", "Ku-Band"}));
    EXPECT_FALSE(control<QComboBox>(&dialog, "band")->isEditable());
    EXPECT_EQ(text(&dialog, "band"), "Ku-Band");
    EXPECT_FALSE(checked(&dialog, "includeHd"));
    EXPECT_FALSE(checked(&dialog, "includeDvbS2"));
    EXPECT_FALSE(checked(&dialog, "includeFeeds"));
    EXPECT_TRUE(checked(&dialog, "removeOutdated"));
    EXPECT_TRUE(checked(&dialog, "sortByFrequency"));
    EXPECT_EQ(text(&dialog, "pageName"), "");
    auto* update = control<QPushButton>(&dialog, "update");
    EXPECT_EQ(update->text(), "Update");
    EXPECT_TRUE(update->isDefault());
    auto* cancel = control<QPushButton>(&dialog, "cancel");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 2);
    dialog.show();
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());

    CDlgLyngSat single(astra(LyngSatBand::C));
    EXPECT_EQ(text(&single, "band"), "C-Band");
}

TEST(LyngSatDialog, UpdateTakesThePageNameAndEveryOption)
{
    CDlgLyngSat dialog(astra(LyngSatBand::Ku));
    type(&dialog, "pageName", "europe/Astra-1KR.html");
    pick(&dialog, "band", "C-Band");
    click(&dialog, "includeHd");
    click(&dialog, "includeDvbS2");
    click(&dialog, "includeFeeds");
    click(&dialog, "removeOutdated");
    click(&dialog, "sortByFrequency");
    click(&dialog, "update");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const LyngSatRequest& request = dialog.request();
    EXPECT_EQ(request.pageName, "europe/Astra-1KR.html");
    EXPECT_EQ(request.options.band, LyngSatBand::C);
    EXPECT_TRUE(request.options.includeHd);
    EXPECT_TRUE(request.options.includeDvbS2);
    EXPECT_TRUE(request.options.includeFeeds);
    EXPECT_FALSE(request.options.removeOutdated);
    EXPECT_FALSE(request.options.sortByFrequency);

    // Enter in the page name presses Update.
    CDlgLyngSat again(astra(LyngSatBand::C));
    again.show(); // the default button answers Enter only when shown
    type(&again, "pageName", "Hispasat.html");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&again, &enter);
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(again.request().pageName, "Hispasat.html");
    EXPECT_EQ(again.request().options.band, LyngSatBand::C);
    EXPECT_TRUE(again.request().options.removeOutdated);
}

TEST(LyngSatDialog, EscapeCancelsAndTheNextDialogStartsAfresh)
{
    {
        CDlgLyngSat dialog(astra(LyngSatBand::Ku));
        type(&dialog, "pageName", "typed.html");
        click(&dialog, "includeHd");
        click(&dialog, "sortByFrequency");
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    CDlgLyngSat next(astra(LyngSatBand::Ku));
    EXPECT_EQ(text(&next, "pageName"), "");
    EXPECT_FALSE(checked(&next, "includeHd"));
    EXPECT_TRUE(checked(&next, "sortByFrequency"));
}
