#pragma once

#include <optional>

#include <QDialog>
#include <QString>

#include "import/lyngsatoptions.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kvx {

// What the user asked for: the page below the site address and the update options.
struct LyngSatRequest {
    QString pageName;
    LyngSatOptions options;
};

// What the LyngSat dialog shows of the network to update.
struct LyngSatDialogValues {
    QString satelliteName;   // decoded for display
    QString satelliteDegree; // "%d.%d"
    LyngSatBand band = LyngSatBand::Ku;
    QString siteAddress; // shown followed by "/"
    // The network's last request, shown in place of the defaults and `band`; none before the first.
    std::optional<LyngSatRequest> last;
};

// Asks for the satellite's page on the LyngSat site and the update options. The dialog starts from the
// network's last request, or from the defaults; "Update" (or Enter) accepts, Cancel, Esc and the close
// box cancel.
class CDlgLyngSat : public QDialog {
    Q_OBJECT
public:
    explicit CDlgLyngSat(const LyngSatDialogValues& values, QWidget* parent = nullptr);

    // The page name and options as the controls held them when the dialog was accepted.
    const LyngSatRequest& request() const { return request_; }

    void accept() override;

private:
    QCheckBox* addCheckBox(const char* name, const QString& text, bool on);

    QComboBox* band_;
    QCheckBox* includeHd_;
    QCheckBox* includeDvbS2_;
    QCheckBox* includeFeeds_;
    QCheckBox* removeOutdated_;
    QCheckBox* sortByFrequency_;
    QLineEdit* pageName_;
    LyngSatRequest request_;
};

} // namespace kvx
