#include <QCoreApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "panels/dlgdate.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// A dialog opened with the given values that records the refusals it shows.
class DateDialog {
public:
    explicit DateDialog(const DateDialogValues& values)
    {
        dialog.setErrorReporter([this](const QString& caption, const QString& text) {
            captions << caption;
            messages << text;
        });
        dialog.setValues(values);
    }

    QDate pickerDate() const { return control<QDateEdit>(&dialog, "date")->date(); }

    CDlgDate dialog;
    QStringList captions;
    QStringList messages;
};

} // namespace

TEST(DateDialog, ShowsTheStampItIsGiven)
{
    DateDialog date({CDlgDate::RADIO_DATE, {2009, 4, 14}, QString()});
    EXPECT_EQ(date.dialog.windowTitle(), "Recent modification date");
    EXPECT_TRUE(checked(&date.dialog, "dateRadio"));
    EXPECT_FALSE(checked(&date.dialog, "versionRadio"));
    EXPECT_EQ(date.pickerDate(), QDate(2009, 4, 14));
    EXPECT_EQ(text(&date.dialog, "version"), "");

    DateDialog version({CDlgDate::RADIO_VERSION, {2024, 5, 6}, "B002"});
    EXPECT_TRUE(checked(&version.dialog, "versionRadio"));
    EXPECT_FALSE(checked(&version.dialog, "dateRadio"));
    EXPECT_EQ(text(&version.dialog, "version"), "B002");
    EXPECT_EQ(version.pickerDate(), QDate(2024, 5, 6));
}

TEST(DateDialog, FocusOnAFieldChoosesItsForm)
{
    DateDialog date({CDlgDate::RADIO_DATE, {2009, 4, 14}, QString()});
    date.dialog.show();
    QFocusEvent intoVersion(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(control<QLineEdit>(&date.dialog, "version"), &intoVersion);
    EXPECT_TRUE(checked(&date.dialog, "versionRadio"));
    EXPECT_FALSE(checked(&date.dialog, "dateRadio"));
    QFocusEvent intoDate(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(control<QDateEdit>(&date.dialog, "date"), &intoDate);
    EXPECT_TRUE(checked(&date.dialog, "dateRadio"));
    EXPECT_FALSE(checked(&date.dialog, "versionRadio"));
}

TEST(DateDialog, AcceptsALetterAndANumberUpTo254)
{
    for (const char* typed : {"b2", "Z254", "A0"}) {
        DateDialog date({CDlgDate::RADIO_DATE, {2009, 4, 14}, QString()});
        click(&date.dialog, "versionRadio");
        type(&date.dialog, "version", typed);
        date.dialog.accept();
        EXPECT_EQ(date.dialog.result(), QDialog::Accepted) << typed;
        EXPECT_TRUE(date.messages.isEmpty()) << typed;
        EXPECT_EQ(date.dialog.values().radio, CDlgDate::RADIO_VERSION);
        EXPECT_EQ(date.dialog.values().versionText, typed);
    }
}

TEST(DateDialog, RefusesOtherVersionTextsAndStaysOpen)
{
    for (const char* typed : {"2B", "B", "B255", "", "-3",
                              "\xC3\xA9"
                              "2"}) {
        DateDialog date({CDlgDate::RADIO_VERSION, {2009, 4, 14}, "B002"});
        date.dialog.show();
        type(&date.dialog, "version", QString::fromUtf8(typed));
        date.dialog.accept();
        EXPECT_TRUE(date.dialog.isVisible()) << typed;
        EXPECT_NE(date.dialog.result(), QDialog::Accepted) << typed;
        EXPECT_EQ(date.captions, QStringList{"Invalid version input"}) << typed;
        EXPECT_EQ(date.messages, QStringList{"[Area code][Version in decimal] EX> B002"}) << typed;
        // The values handed in stay what the caller gets until a text is accepted.
        EXPECT_EQ(date.dialog.values().versionText, "B002");
    }
}

TEST(DateDialog, DateFormIsNotCheckedAndTakesThePickersDate)
{
    DateDialog date({CDlgDate::RADIO_VERSION, {2009, 4, 14}, "nonsense"});
    click(&date.dialog, "dateRadio");
    control<QDateEdit>(&date.dialog, "date")->setDate(QDate(2031, 12, 24));
    date.dialog.accept();
    EXPECT_EQ(date.dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(date.messages.isEmpty());
    EXPECT_EQ(date.dialog.values().radio, CDlgDate::RADIO_DATE);
    EXPECT_EQ(date.dialog.values().date, (LocalDate{2031, 12, 24}));
}

TEST(DateDialog, PickerKeepsToTheYearsThatReadBackAsDates)
{
    DateDialog date({CDlgDate::RADIO_DATE, {2009, 4, 14}, QString()});
    auto* picker = control<QDateEdit>(&date.dialog, "date");
    picker->setDate(QDate(1999, 12, 31));
    EXPECT_EQ(picker->date(), QDate(2000, 1, 1));
    picker->setDate(QDate(2100, 1, 1));
    EXPECT_EQ(picker->date(), QDate(2099, 12, 31));
}

TEST(DateDialog, TheLongestDatesAreShownWhole)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    for (const LocalDate day : {LocalDate{2020, 12, 9}, LocalDate{2028, 9, 27}, LocalDate{2099, 12, 31}}) {
        DateDialog date({CDlgDate::RADIO_DATE, day, QString()});
        date.dialog.show();
        const auto* field = control<QDateEdit>(&date.dialog, "date")->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        SCOPED_TRACE(field->text().toStdString());
        // The field's text box keeps 2 pixels free at either side of the text.
        EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()), field->contentsRect().width() - 4);
    }
    QLocale::setDefault(before);
}
