#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include <QWidget>

#include "db/proginfo.h"
#include "panels/shownvalues.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kvx {

class NameEncoding;
class Prompter;

// The edit bar's program page: name, service ID, service type, PIDs with their marks, CA systems and
// attributes of one program. Further audio tracks are edited in the audio dialog.
class ProgramPage : public QWidget {
    Q_OBJECT
public:
    // Runs the audio dialog on a copy of the audio list: the edited list on OK, none on Cancel.
    using AudioEditor = std::function<std::optional<PidList>(const PidList&)>;
    // System language (primary identifier) -> name code-page marker given to names typed in it.
    using LangCodePages = std::map<uint8_t, uint8_t>;

    ProgramPage(const NameEncoding& encoding, uint16_t systemLanguage, QWidget* parent = nullptr);

    void ShowProgram(const ProgInfo& prog);
    // Reads the controls back into the working copy. A typed non-Latin name gets the system language's
    // code-page marker only when `ask` is 0 (the OK button). Returns 0, or 1 when the typed name cannot
    // be stored and the user is back in the field.
    int ReadProgramPage(int ask);

    const ProgInfo& workProg() const { return workProg_; }

    void setAudioEditor(AudioEditor editor) { audioEditor_ = std::move(editor); }
    // Asks or tells the user about names the encoding cannot hold; without one they are stored as is.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }
    void setLangCodePages(LangCodePages pages) { langCodePages_ = std::move(pages); }
    void setSystemLanguage(uint16_t language) { systemLanguage_ = language; }

    // The language-to-marker map every edit bar starts with: Russian names go to ISO 8859-5.
    static LangCodePages defaultLangCodePages();

signals:
    void okClicked();

private:
    struct CaBox {
        int bit;
        QCheckBox* box;
    };

    void buildControls();
    QWidget* buildCaGrid();
    QWidget* buildAttributes();
    void connectActions();
    void showName();
    void showAudioFields();
    void setCaBoxesEnabled(bool enabled);
    void rememberControls();
    bool caBoxesChanged() const;
    void detectNameCodePage();
    bool nameMayBeStored();
    void readName();
    static uint16_t readPidOrNone(const QLineEdit* field);
    void readVideo();
    void readAudio();
    void readTeletext();
    void readCaAndAttributes();

    void onServiceTypeClicked(bool radio);
    void onMoreAudio();
    void onAc3Clicked(bool checked);

    const NameEncoding& encoding_;
    uint16_t systemLanguage_;
    LangCodePages langCodePages_;
    AudioEditor audioEditor_;
    Prompter* prompter_ = nullptr;
    ProgInfo workProg_;
    ShownValues shown_;
    QString filledName_; // the name as the page was filled with it

    QLineEdit* name_;
    QLineEdit* serviceId_;
    QRadioButton* tv_;
    QRadioButton* radio_;
    QLineEdit* pmtPid_;
    QLineEdit* pcrPid_;
    QLineEdit* videoPid_;
    QLineEdit* audioPid_;
    QCheckBox* ac3_;
    QLineEdit* teletextPid_;
    QCheckBox* subtitles_;
    QCheckBox* scrambled_;
    std::array<CaBox, 15> caBoxes_{};
    QPushButton* moreAudio_;
    QCheckBox* lock_;
    QCheckBox* skip_;
    QCheckBox* keepServiceId_;
    QCheckBox* keepName_;
    QCheckBox* keepPids_;
    QPushButton* ok_;
};

} // namespace kvx
