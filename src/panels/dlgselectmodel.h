#pragma once

#include <QDialog>

#include "db/fileops.h"

class QRadioButton;

namespace kvx {

// Asks whether a new database is for a satellite-only or a combo (satellite + terrestrial) receiver.
class CDlgSelectModel : public QDialog {
    Q_OBJECT
public:
    explicit CDlgSelectModel(QWidget* parent = nullptr);

    // 0 = satellite only, 1 = combo.
    int comboFlag() const { return comboFlag_; }
    ReceiverModel model() const { return comboFlag_ ? ReceiverModel::Combo : ReceiverModel::SatelliteOnly; }

private:
    void onRadioClicked(int which);

    QRadioButton* satelliteOnly_;
    QRadioButton* combo_;
    int comboFlag_ = 0;
};

} // namespace kvx
