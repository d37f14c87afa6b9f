#pragma once

#include <QWidget>

#include "db/antinfo.h"
#include "db/netinfo.h"
#include "panels/shownvalues.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvx {

class NameEncoding;
class Prompter;

// The edit bar's network page: one network slot together with the antenna configuration it uses.
// It works on its own copies of the two records; the view compares and applies them.
class NetworkPage : public QWidget {
    Q_OBJECT
public:
    explicit NetworkPage(const NameEncoding& encoding, QWidget* parent = nullptr);

    // Copies the records and fills the controls. The terrestrial slot shows only its name, read-only.
    void ShowNetwork(const AntInfo& ant, const NetInfo& net);
    // Reads the controls back into the working copies (nothing in terrestrial mode).
    // Returns 0, or 1 when the typed name cannot be stored and the user is back in the field.
    int ReadNetworkPage();
    // Tells the user about names the encoding cannot hold; without one they are stored as is.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }
    // Whether the file keeps skew angles; without them the angle fields stay disabled and say why.
    void setSkewAnglesStored(bool stored);

    const AntInfo& workAnt() const { return workAnt_; }
    const NetInfo& workNet() const { return workNet_; }
    bool terrestrialMode() const { return terrestrialMode_; }

signals:
    void okClicked();

private:
    void buildControls();
    void connectActions();
    void showTerrestrial(bool terrestrial);
    void applyEnablingRules();
    void rememberControls();
    void fillPositionerId();
    void fillSkewAngles();
    void readLnb();
    void readSwitches();

    void onLnbTypeChanged(int position);
    void onSwitchLevelChanged(int position);
    void onPositionerLevelChanged(int position);
    void onSkewControllerToggled(bool checked);

    const NameEncoding& encoding_;
    Prompter* prompter_ = nullptr;
    AntInfo workAnt_;
    NetInfo workNet_;
    bool terrestrialMode_ = false;
    bool skewAnglesStored_ = true;
    ShownValues shown_;

    QLineEdit* name_;
    QLineEdit* degree_;
    QComboBox* lnbType_;
    QComboBox* lnbFreq_;
    QComboBox* lnbFreqH_;
    QComboBox* lnbPower_;
    QCheckBox* switch22k_;
    QCheckBox* switch12v_;
    QComboBox* switchLevel_;
    QComboBox* switch10_;
    QComboBox* switch11_;
    QComboBox* positionerLevel_;
    QLineEdit* positionerId_;
    QCheckBox* skewController_;
    QLineEdit* skewAngleV_;
    QLineEdit* skewAngleH_;
    QLabel* skewAngleVLabel_ = nullptr;
    QLabel* skewAngleHLabel_ = nullptr;
    QFrame* separator_;
    QPushButton* ok_;
    QList<QWidget*> antennaRows_; // every label and control but Name's
};

} // namespace kvx
