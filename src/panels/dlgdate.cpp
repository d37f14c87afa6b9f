#include "panels/dlgdate.h"

#include <algorithm>

#include <QButtonGroup>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "db/stamp.h"

namespace kvx {

namespace {

// The date form holds the years 2000 to 2127, but only 2000 to 2099 read back as dates.
const QDate kFirstStampDate(2000, 1, 1);
const QDate kLastStampDate(2099, 12, 31);

QDate toQDate(LocalDate date)
{
    return QDate(date.year, date.month, date.day);
}

LocalDate toLocalDate(QDate date)
{
    return {date.year(), date.month(), date.day()};
}

// A date field as wide as its longest date. The field measures only the first and the last date of its
// range, whose weekday and month names need not be the longest ("Wednesday, 27 September").
class WholeDateEdit : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

    QSize sizeHint() const override
    {
        QSize hint = QDateEdit::sizeHint();
        hint.rwidth() += extraWidth();
        return hint;
    }

    QSize minimumSizeHint() const override
    {
        return {sizeHint().width(), QDateEdit::minimumSizeHint().height()};
    }

private:
    int textWidth(QDate date) const
    {
        return fontMetrics().horizontalAdvance(locale().toString(date, displayFormat()));
    }

    // The width the longest date needs beyond what the field measured.
    int extraWidth() const
    {
        const QString key = displayFormat() + font().key() + locale().name();
        if (key != measuredFor_) {
            // Every weekday falls on days 22 to 28 of every month: one year holds every pairing of the
            // names with two-digit days.
            int widest = 0;
            for (QDate day(2028, 1, 1); day.year() == 2028; day = day.addDays(1))
                widest = std::max(widest, textWidth(day));
            const int measured = std::max(textWidth(minimumDate()), textWidth(maximumDate()));
            extra_ = std::max(0, widest - measured);
            measuredFor_ = key;
        }
        return extra_;
    }

    mutable QString measuredFor_;
    mutable int extra_ = 0;
};

} // namespace

CDlgDate::CDlgDate(QWidget* parent)
        : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgDate"));
    setWindowTitle(tr("Recent modification date"));
    reportError_ = [this](const QString& caption, const QString& text) {
        QMessageBox::critical(this, caption, text);
    };
    buildControls();
}

void CDlgDate::buildControls()
{
    dateRadio_ = new QRadioButton(tr("Date"), this);
    dateRadio_->setObjectName(QStringLiteral("dateRadio"));
    versionRadio_ = new QRadioButton(tr("Version"), this);
    versionRadio_->setObjectName(QStringLiteral("versionRadio"));
    auto* group = new QButtonGroup(this);
    group->addButton(dateRadio_, RADIO_DATE);
    group->addButton(versionRadio_, RADIO_VERSION);
    dateRadio_->setChecked(true);

    date_ = new WholeDateEdit(this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    date_->setDateRange(kFirstStampDate, kLastStampDate);
    date_->setCalendarPopup(true);
    version_ = new QLineEdit(this);
    version_->setObjectName(QStringLiteral("version"));
    // Clicking into a field chooses its form.
    date_->installEventFilter(this);
    version_->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgDate::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgDate::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(dateRadio_, 0, 0);
    fields->addWidget(date_, 0, 1);
    fields->addWidget(versionRadio_, 1, 0);
    fields->addWidget(version_, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void CDlgDate::setValues(const DateDialogValues& values)
{
    values_ = values;
    (values.radio == RADIO_VERSION ? versionRadio_ : dateRadio_)->setChecked(true);
    date_->setDate(toQDate(values.date));
    version_->setText(values.versionText);
}

int CDlgDate::chosenRadio() const
{
    return versionRadio_->isChecked() ? RADIO_VERSION : RADIO_DATE;
}

bool CDlgDate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == date_)
            dateRadio_->setChecked(true);
        else if (watched == version_)
            versionRadio_->setChecked(true);
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgDate::accept()
{
    const int radio = chosenRadio();
    if (radio == RADIO_VERSION && !isAcceptedVersionInput(version_->text().toStdString())) {
        reportError_(tr(kInvalidVersionCaption), tr(kInvalidVersionMessage));
        version_->setFocus();
        return;
    }
    values_ = {radio, toLocalDate(date_->date()), version_->text()};
    QDialog::accept();
}

} // namespace kvx
