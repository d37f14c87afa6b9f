#pragma once

#include <optional>

#include <QDialog>
#include <QList>
#include <QString>

#include "import/lyngsatoptions.h"

class QCheckBox;
class QTreeWidget;

namespace kvx {

// One list the dialog offers: an installed scan table, or a satellite of a satellites.xml file.
struct TransponderListChoice {
    QString name;
    QString position; // "13.0E", or empty when the list names none
};

// What the dialog shows: the network it fills and the lists, those at the network's position first.
struct TransponderListDialogValues {
    QString title;
    QString networkText; // "Astra (19.2E)"
    QList<TransponderListChoice> choices;
    int current = 0; // the choice selected when the dialog opens
    LyngSatOptions options;
};

// The list chosen and the options to merge it with.
struct TransponderListRequest {
    int choice = 0;
    LyngSatOptions options;
};

// Asks which transponder list fills the network and how: "Remove outdated TPs" and "Sort by frequency"
// as the LyngSat update offers them. "Update" (Enter, or a double click on a list) accepts.
class CDlgTransponderList : public QDialog {
    Q_OBJECT
public:
    explicit CDlgTransponderList(const TransponderListDialogValues& values, QWidget* parent = nullptr);

    const TransponderListRequest& request() const { return request_; }

    void accept() override;

private:
    QTreeWidget* lists_;
    QCheckBox* removeOutdated_;
    QCheckBox* sortByFrequency_;
    TransponderListRequest request_;
};

} // namespace kvx
