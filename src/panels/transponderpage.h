#pragma once

#include <QWidget>

#include "db/tpinfo.h"
#include "panels/shownvalues.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvx {

class NameEncoding;
class Prompter;

// The edit bar's transponder page, in satellite mode or, for the terrestrial network, in terrestrial
// mode (bandwidth instead of symbol rate; name, polarity, transmission, FEC and pilot read-only).
class TransponderPage : public QWidget {
    Q_OBJECT
public:
    explicit TransponderPage(const NameEncoding& encoding, QWidget* parent = nullptr);

    void ShowTransponder(const TpInfo& tp);
    // Reads the controls back into the working copy.
    // Returns 0, or 1 when the typed name cannot be stored and the user is back in the field.
    int ReadTransponderPage();
    // Tells the user about names the encoding cannot hold; without one they are stored as is.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }
    // Whether the file keeps transponder names; without them the name field of a satellite transponder
    // stays disabled and says why.
    void setNameStored(bool stored) { nameStored_ = stored; }
    // Reloads the FEC list for DVB-S2 or DVB-S and carries the selected code over where it can.
    void RebuildFecList(bool dvbS2);

    const TpInfo& workTp() const { return workTp_; }
    bool terrestrialMode() const { return terrestrialMode_; }

signals:
    void okClicked();

private:
    void buildControls();
    void showTerrestrial();
    void showSatellite(const TpInfo& tp);
    void setSatelliteControlsEnabled(bool enabled);
    void setNameToolTip(const QString& text);
    void rememberControls();
    void selectFecCode(int code, bool dvbS2);
    void readSatellite();
    void onTransmissionChanged(int position);

    const NameEncoding& encoding_;
    Prompter* prompter_ = nullptr;
    TpInfo workTp_;
    bool terrestrialMode_ = false;
    bool nameStored_ = true;
    ShownValues shown_;

    QLabel* nameLabel_;
    QLineEdit* name_;
    QLineEdit* frequency_;
    QLabel* symbolRateLabel_;
    QLineEdit* symbolRate_;
    QComboBox* bandwidth_;
    QLabel* polarityLabel_;
    QComboBox* polarity_;
    QLabel* transmissionLabel_;
    QComboBox* transmission_;
    QLabel* fecLabel_;
    QComboBox* fec_;
    QCheckBox* pilot_;
    QLineEdit* freqDrift_;
    QLineEdit* gmtError_;
    QPushButton* ok_;
};

} // namespace kvx
