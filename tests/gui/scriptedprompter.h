#pragma once

#include <deque>
#include <functional>

#include "app/dialogfactory.h"
#include "panels/dlgchlist.h"
#include "ui/prompter.h"

namespace kvx::test {

// Plays back the answers a test scripted and records what the program showed. A prompt the script
// does not expect fails the test; so does a script left unused.
class ScriptedPrompter final : public Prompter {
public:
    ~ScriptedPrompter() override;

    void answerQuestion(PromptAnswer answer);
    void acknowledgeMessage();
    void chooseFile(const QString& path); // open dialog
    void cancelFileDialog();              // open or save dialog
    void chooseSaveFile(const QString& path, int filterIndex);
    bool scriptDone() const { return steps_.empty(); }

    PromptAnswer askYesNoCancel(const QString& text) override;
    PromptAnswer askYesNo(const QString& text, PromptIcon icon) override;
    PromptAnswer askRetryCancel(const QString& text, PromptIcon icon) override;
    void showMessage(const QString& text, PromptIcon icon) override;
    std::optional<QString> chooseOpenFile(const FileDialogSpec& request) override;
    std::optional<SaveFileChoice> chooseSaveFile(const FileDialogSpec& request) override;

    // Called at the start of every prompt, to look at the window while it is open.
    std::function<void()> whilePrompting;
    // When set, prompts the script does not cover are answered instead of failing: questions by its
    // answer, messages acknowledged, file dialogs cancelled.
    std::function<PromptAnswer()> improvise;
    // Every question and message text shown, in order, with its icon.
    QStringList shown;
    QList<PromptIcon> icons;
    QList<FileDialogSpec> fileDialogs;

private:
    enum class Kind { Question, Message, OpenFile, SaveFile, CancelFile };
    struct Step {
        Kind kind;
        PromptAnswer answer = PromptAnswer::Ok;
        QString path;
        int filterIndex = 0;
    };
    // The next step when it is of one of the kinds, else none (and a failure).
    std::optional<Step> take(std::initializer_list<Kind> kinds, const QString& what);

    std::deque<Step> steps_;
};

// Answers the model, date, channel list and LyngSat dialogs from a script and counts the about boxes.
class ScriptedDialogs final : public DialogFactory {
public:
    // Plays the channel list: may change the database and says whether it did.
    using ChannelListStep = std::function<bool(ChannelDatabase&)>;

    ~ScriptedDialogs() override;
    void answerModel(std::optional<ReceiverModel> model) { models_.push_back(model); }
    void answerChannelList(ChannelListStep step) { channelLists_.push_back(std::move(step)); }
    // Answers on the real dialog, as the program opens it: the play acts on it as shown and ends it with
    // OK or Cancel. Its prompts go to `prompter`.
    void answerChannelListWith(std::function<void(CDlgChList&)> play, Prompter& prompter)
    {
        channelListPlays_.push_back({std::move(play), &prompter});
    }
    void answerLyngSat(std::optional<LyngSatRequest> request) { lyngSatAnswers_.push_back(request); }
    // Answers on the real dialog: the play acts on it as shown and ends it with Update or Cancel.
    void answerLyngSatWith(std::function<void(CDlgLyngSat&)> play)
    {
        lyngSatPlays_.push_back(std::move(play));
    }

    // The print dialog's answer: the choice with the printer set to write a PDF file at `pdfPath`, as
    // "Print to File (PDF)" does, or none for Cancel.
    void answerPrint(std::optional<PrintChoice> choice, const QString& pdfPath = {})
    {
        prints_.push_back({choice, pdfPath});
    }
    // The preview is printed from its window into a PDF file.
    void answerPreview(const QString& pdfPath) { previews_.push_back(pdfPath); }
    // Printing's progress shows in a real progress dialog, at once; after `steps` steps of the stage
    // with this text, its Cancel button is clicked.
    void cancelPrintAfter(const QString& stage, int steps) { printCancel_ = {stage, steps}; }

    // The date dialog's answer: values for OK, none for Cancel.
    void answerDate(std::optional<DateDialogValues> values) { dates_.push_back(std::move(values)); }

    std::optional<ReceiverModel> selectModel(QWidget* parent) override;
    void showAbout(QWidget* parent) override;
    std::optional<DateDialogValues> modificationDate(QWidget* parent,
                                                     const DateDialogValues& values) override;
    bool runChannelList(QWidget* parent, ChannelDatabase& db, const NameEncoding& encoding) override;
    std::optional<LyngSatRequest> askLyngSatUpdate(QWidget* parent,
                                                   const LyngSatDialogValues& values) override;
    // Answers the scan table and satellites.xml dialog on the real dialog; the play ends it.
    std::optional<TransponderListRequest>
    askTransponderList(QWidget* parent, const TransponderListDialogValues& values) override;
    void answerTransponderListWith(std::function<void(CDlgTransponderList&)> play)
    {
        transponderListPlays_.push_back(std::move(play));
    }
    // Records the review and answers it on the real dialog: a scripted play acts on the shown dialog and
    // ends it with Apply or Cancel; else Apply with the rows as the dialog ticks them, unless a Cancel was
    // scripted.
    std::optional<ChangeSelection> reviewChanges(QWidget* parent, const ImportReview& review) override;
    void answerReview(bool apply) { reviewAnswers_.push_back(apply); }
    void answerReviewWith(std::function<void(CDlgReview&)> play) { reviewPlays_.push_back(std::move(play)); }
    // Answers the reference review on the real dialog: the play acts on it as shown and ends it with Apply
    // or Cancel.
    std::optional<ReferenceSelection> reviewReference(QWidget* parent,
                                                      const ReferenceReviewRequest& request) override;
    void answerReferenceWith(std::function<void(CDlgReference&)> play)
    {
        referencePlays_.push_back(std::move(play));
    }
    std::optional<PrintChoice> askPrint(QWidget* parent, QPrinter& printer, bool selectionAvailable) override;
    void showPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<bool(QPrinter&)>& paint) override;
    std::unique_ptr<PrintProgress> printProgress(QWidget* parent) override;

    int aboutShown = 0;
    // What the date dialog was opened with, each time.
    QList<DateDialogValues> datesShown;
    QList<LyngSatDialogValues> lyngSatDialogs; // what each LyngSat dialog was opened with
    std::function<void()> whileLyngSatDialogOpen;
    QList<ImportReview> reviewsShown;
    int referenceReviewsShown = 0;
    QList<bool> selectionOffered; // whether each print dialog offered "Selected network only"
    // Every stage of printing as "<text>: <steps done>/<steps>", and what was visible and in the dialog
    // at the scripted Cancel.
    QStringList printStages;
    QString progressShownAtCancel;
    int previewsClosed = 0; // previews whose paint was cancelled

private:
    std::deque<std::optional<ReceiverModel>> models_;
    std::deque<std::optional<DateDialogValues>> dates_;
    std::deque<ChannelListStep> channelLists_;
    struct ChannelListPlay {
        std::function<void(CDlgChList&)> play;
        Prompter* prompter = nullptr;
    };
    std::deque<ChannelListPlay> channelListPlays_;
    std::deque<std::optional<LyngSatRequest>> lyngSatAnswers_;
    std::deque<std::function<void(CDlgLyngSat&)>> lyngSatPlays_;
    std::deque<bool> reviewAnswers_;
    std::deque<std::function<void(CDlgReview&)>> reviewPlays_;
    std::deque<std::function<void(CDlgTransponderList&)>> transponderListPlays_;
    std::deque<std::function<void(CDlgReference&)>> referencePlays_;
    struct PrintAnswer {
        std::optional<PrintChoice> choice;
        QString pdfPath;
    };
    std::deque<PrintAnswer> prints_;
    std::deque<QString> previews_;
    std::optional<std::pair<QString, int>> printCancel_;
    friend class ScriptedPrintProgress;
};

} // namespace kvx::test
