#pragma once

#include <functional>

#include <QDialog>

#include "db/pidlist.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kvx {

// Edits the whole audio-track list of one program: PID, language and AC3 mark of every track.
// The caller fills the list before running the dialog and takes it back after OK.
class CDlgAudio : public QDialog {
    Q_OBJECT
public:
    using ErrorReporter = std::function<void(const QString&)>;

    explicit CDlgAudio(QWidget* parent = nullptr);

    // Fills the rows; the first entry becomes current.
    void setPidList(const PidList& list);
    const PidList& pidList() const { return list_; }
    int currentIndex() const { return current_; }
    // Where "Invalid PID" and the full-list refusal go (a message box unless replaced).
    void setErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    void OnAdd();
    void OnModify();
    void OnDelete();
    // Makes entry `index` current, as a click on its row does.
    void selectEntry(int index);

    static constexpr const char* kListFullMessage = QT_TRANSLATE_NOOP(
        "kvx::CDlgAudio", "The audio list is full: a program can have at most 255 audio tracks.");

private:
    void buildControls();
    void showFields(int index);
    void writeRow(int index);
    void selectCurrentRow();
    void onRowSelectionChanged();
    // The PID typed, low 13 bits; 0 when the text holds no number.
    uint16_t readPid() const;
    uint8_t readLanguage() const;
    bool readEntry(AudioInfo& entry);

    PidList list_;
    int current_ = -1;
    ErrorReporter reportError_;

    QTreeWidget* entries_;
    QPushButton* delete_;
    QLineEdit* pid_;
    QComboBox* language_;
    QCheckBox* ac3_;
    QPushButton* add_;
    QPushButton* modify_;
};

} // namespace kvx
