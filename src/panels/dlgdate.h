#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "platform/clock.h"

class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace kvx {

// What the modification date dialog starts with and what it gives back on OK.
struct DateDialogValues {
    int radio = 0; // CDlgDate::RADIO_DATE or CDlgDate::RADIO_VERSION
    LocalDate date;
    QString versionText; // such as "B002"
};

// Shows the file's modification stamp and lets the user set a date or a version code.
class CDlgDate : public QDialog {
    Q_OBJECT
public:
    static constexpr int RADIO_DATE = 0;
    static constexpr int RADIO_VERSION = 1;
    // Shows a refused version text: caption and message.
    using ErrorReporter = std::function<void(const QString& caption, const QString& text)>;

    explicit CDlgDate(QWidget* parent = nullptr);

    void setValues(const DateDialogValues& values);
    // The controls' values as the dialog took them over on OK.
    const DateDialogValues& values() const { return values_; }
    void setErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    // Closes with OK unless "Version" is chosen with a text that is not a version code.
    void accept() override;

    static constexpr const char* kInvalidVersionCaption =
        QT_TRANSLATE_NOOP("kvx::CDlgDate", "Invalid version input");
    static constexpr const char* kInvalidVersionMessage =
        QT_TRANSLATE_NOOP("kvx::CDlgDate", "[Area code][Version in decimal] EX> B002");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    int chosenRadio() const;

    DateDialogValues values_;
    ErrorReporter reportError_;
    QRadioButton* dateRadio_;
    QRadioButton* versionRadio_;
    QDateEdit* date_;
    QLineEdit* version_;
};

} // namespace kvx
