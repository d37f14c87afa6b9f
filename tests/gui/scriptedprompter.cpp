#include "scriptedprompter.h"

#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kvx::test {

ScriptedPrompter::~ScriptedPrompter()
{
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted prompt answer(s) were never asked for";
}

void ScriptedPrompter::answerQuestion(PromptAnswer answer)
{
    steps_.push_back({Kind::Question, answer, {}, 0});
}

void ScriptedPrompter::acknowledgeMessage()
{
    steps_.push_back({Kind::Message, PromptAnswer::Ok, {}, 0});
}

void ScriptedPrompter::chooseFile(const QString& path)
{
    steps_.push_back({Kind::OpenFile, PromptAnswer::Ok, path, 0});
}

void ScriptedPrompter::cancelFileDialog()
{
    steps_.push_back({Kind::CancelFile, PromptAnswer::Ok, {}, 0});
}

void ScriptedPrompter::chooseSaveFile(const QString& path, int filterIndex)
{
    steps_.push_back({Kind::SaveFile, PromptAnswer::Ok, path, filterIndex});
}

std::optional<ScriptedPrompter::Step> ScriptedPrompter::take(std::initializer_list<Kind> kinds,
                                                             const QString& what)
{
    if (whilePrompting)
        whilePrompting();
    if (steps_.empty() && improvise) {
        const Kind kind = *kinds.begin();
        if (kind == Kind::Question)
            return Step{kind, improvise(), {}, 0};
        return Step{kind == Kind::Message ? kind : Kind::CancelFile, PromptAnswer::Ok, {}, 0};
    }
    if (steps_.empty()) {
        ADD_FAILURE() << "unexpected prompt, the script has run out: " << what.toStdString();
        return std::nullopt;
    }
    const Step step = steps_.front();
    for (Kind kind : kinds) {
        if (step.kind == kind) {
            steps_.pop_front();
            return step;
        }
    }
    ADD_FAILURE() << "prompt of another kind than scripted: " << what.toStdString();
    return std::nullopt;
}

PromptAnswer ScriptedPrompter::askYesNoCancel(const QString& text)
{
    shown << text;
    icons << PromptIcon::Question;
    const auto step = take({Kind::Question}, text);
    return step ? step->answer : PromptAnswer::Cancel;
}

PromptAnswer ScriptedPrompter::askYesNo(const QString& text, PromptIcon icon)
{
    shown << text;
    icons << icon;
    const auto step = take({Kind::Question}, text);
    return step ? step->answer : PromptAnswer::No;
}

PromptAnswer ScriptedPrompter::askRetryCancel(const QString& text, PromptIcon icon)
{
    shown << text;
    icons << icon;
    const auto step = take({Kind::Question}, text);
    return step ? step->answer : PromptAnswer::Cancel;
}

void ScriptedPrompter::showMessage(const QString& text, PromptIcon icon)
{
    shown << text;
    icons << icon;
    take({Kind::Message}, text);
}

std::optional<QString> ScriptedPrompter::chooseOpenFile(const FileDialogSpec& request)
{
    fileDialogs << request;
    const auto step = take({Kind::OpenFile, Kind::CancelFile}, QStringLiteral("open dialog"));
    if (!step || step->kind == Kind::CancelFile)
        return std::nullopt;
    return step->path;
}

std::optional<SaveFileChoice> ScriptedPrompter::chooseSaveFile(const FileDialogSpec& request)
{
    fileDialogs << request;
    const auto step = take({Kind::SaveFile, Kind::CancelFile}, QStringLiteral("save dialog"));
    if (!step || step->kind == Kind::CancelFile)
        return std::nullopt;
    return SaveFileChoice{step->path, step->filterIndex};
}

ScriptedDialogs::~ScriptedDialogs()
{
    EXPECT_TRUE(models_.empty()) << "a scripted model choice was never asked for";
    EXPECT_TRUE(dates_.empty()) << "a scripted date dialog answer was never asked for";
    EXPECT_TRUE(channelLists_.empty()) << "a scripted channel list was never opened";
    EXPECT_TRUE(channelListPlays_.empty()) << "a scripted channel list play was never used";
    EXPECT_TRUE(lyngSatAnswers_.empty()) << "a scripted LyngSat dialog answer was never asked for";
    EXPECT_TRUE(lyngSatPlays_.empty()) << "a scripted LyngSat dialog play was never used";
    EXPECT_TRUE(reviewAnswers_.empty()) << "a scripted review answer was never asked for";
    EXPECT_TRUE(reviewPlays_.empty()) << "a scripted review play was never used";
    EXPECT_TRUE(referencePlays_.empty()) << "a scripted reference review play was never used";
    EXPECT_TRUE(prints_.empty()) << "a scripted print dialog answer was never asked for";
    EXPECT_TRUE(previews_.empty()) << "a scripted print preview was never shown";
    EXPECT_FALSE(printCancel_) << "a scripted print cancel was never clicked";
}

std::optional<PrintChoice> ScriptedDialogs::askPrint(QWidget*, QPrinter& printer, bool selectionAvailable)
{
    selectionOffered << selectionAvailable;
    if (prints_.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return std::nullopt;
    }
    const PrintAnswer answer = prints_.front();
    prints_.pop_front();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer.pdfPath);
    return answer.choice;
}

void ScriptedDialogs::showPrintPreview(QWidget*, QPrinter& printer,
                                       const std::function<bool(QPrinter&)>& paint)
{
    if (previews_.empty()) {
        ADD_FAILURE() << "unexpected print preview";
        return;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(previews_.front());
    previews_.pop_front();
    if (!paint(printer))
        ++previewsClosed;
}

// The program's progress dialog, shown at once, with the stages recorded and the scripted Cancel
// clicked on it.
class ScriptedPrintProgress final : public PrintProgress {
public:
    ScriptedPrintProgress(ScriptedDialogs& owner, QWidget* parent)
            : owner_(owner)
            , real_(parent, 0)
    {}

    void begin(const QString& text, int steps) override
    {
        text_ = text;
        steps_ = steps;
        done_ = 0;
        owner_.printStages << stageText();
        real_.begin(text, steps);
    }

    bool advance() override
    {
        const auto& cancel = owner_.printCancel_;
        if (cancel && cancel->first == text_ && cancel->second == done_) {
            QProgressDialog* dialog = real_.dialog();
            owner_.progressShownAtCancel =
                QStringLiteral("%1 %2").arg(dialog->isVisible()).arg(dialog->labelText());
            QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
            owner_.printCancel_.reset();
        }
        ++done_;
        owner_.printStages.last() = stageText();
        return real_.advance();
    }

private:
    QString stageText() const { return QStringLiteral("%1: %2/%3").arg(text_).arg(done_).arg(steps_); }

    ScriptedDialogs& owner_;
    PrintProgressDialog real_;
    QString text_;
    int steps_ = 0;
    int done_ = 0;
};

std::unique_ptr<PrintProgress> ScriptedDialogs::printProgress(QWidget* parent)
{
    return std::make_unique<ScriptedPrintProgress>(*this, parent);
}

std::optional<ReceiverModel> ScriptedDialogs::selectModel(QWidget*)
{
    if (models_.empty()) {
        ADD_FAILURE() << "unexpected model dialog";
        return std::nullopt;
    }
    const auto model = models_.front();
    models_.pop_front();
    return model;
}

void ScriptedDialogs::showAbout(QWidget*)
{
    ++aboutShown;
}

std::optional<DateDialogValues> ScriptedDialogs::modificationDate(QWidget*, const DateDialogValues& values)
{
    datesShown << values;
    if (dates_.empty()) {
        ADD_FAILURE() << "unexpected date dialog";
        return std::nullopt;
    }
    const auto answer = dates_.front();
    dates_.pop_front();
    return answer;
}

bool ScriptedDialogs::runChannelList(QWidget* parent, ChannelDatabase& db, const NameEncoding& encoding)
{
    if (!channelListPlays_.empty()) {
        const ChannelListPlay play = std::move(channelListPlays_.front());
        channelListPlays_.pop_front();
        CDlgChList dialog(db, encoding, *play.prompter, parent);
        dialog.show();
        play.play(dialog);
        EXPECT_FALSE(dialog.isVisible()) << "the channel list play ended with the dialog open";
        return dialog.result() == QDialog::Accepted && dialog.databaseChanged();
    }
    if (channelLists_.empty()) {
        ADD_FAILURE() << "unexpected channel list";
        return false;
    }
    const ChannelListStep step = std::move(channelLists_.front());
    channelLists_.pop_front();
    return step(db);
}

std::optional<LyngSatRequest> ScriptedDialogs::askLyngSatUpdate(QWidget* parent,
                                                                const LyngSatDialogValues& values)
{
    lyngSatDialogs << values;
    if (whileLyngSatDialogOpen)
        whileLyngSatDialogOpen();
    if (!lyngSatPlays_.empty()) {
        const auto play = std::move(lyngSatPlays_.front());
        lyngSatPlays_.pop_front();
        CDlgLyngSat dialog(values, parent);
        dialog.show();
        play(dialog);
        if (dialog.result() != QDialog::Accepted)
            return std::nullopt;
        return dialog.request();
    }
    if (lyngSatAnswers_.empty()) {
        ADD_FAILURE() << "unexpected LyngSat dialog";
        return std::nullopt;
    }
    const auto answer = lyngSatAnswers_.front();
    lyngSatAnswers_.pop_front();
    return answer;
}

std::optional<ChangeSelection> ScriptedDialogs::reviewChanges(QWidget* parent, const ImportReview& review)
{
    reviewsShown << review;
    CDlgReview dialog(review, parent);
    if (!reviewPlays_.empty()) {
        const auto play = std::move(reviewPlays_.front());
        reviewPlays_.pop_front();
        dialog.show();
        play(dialog);
        if (dialog.result() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selection();
    }
    bool apply = true;
    if (!reviewAnswers_.empty()) {
        apply = reviewAnswers_.front();
        reviewAnswers_.pop_front();
    }
    return apply ? std::optional(dialog.selection()) : std::nullopt;
}

std::optional<TransponderListRequest>
ScriptedDialogs::askTransponderList(QWidget* parent, const TransponderListDialogValues& values)
{
    if (transponderListPlays_.empty()) {
        ADD_FAILURE() << "unexpected transponder list dialog";
        return std::nullopt;
    }
    const auto play = std::move(transponderListPlays_.front());
    transponderListPlays_.pop_front();
    CDlgTransponderList dialog(values, parent);
    dialog.show();
    play(dialog);
    EXPECT_FALSE(dialog.isVisible()) << "the transponder list play ended with the dialog open";
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

std::optional<ReferenceSelection> ScriptedDialogs::reviewReference(QWidget* parent,
                                                                   const ReferenceReviewRequest& request)
{
    ++referenceReviewsShown;
    if (referencePlays_.empty()) {
        ADD_FAILURE() << "unexpected reference review";
        return std::nullopt;
    }
    const auto play = std::move(referencePlays_.front());
    referencePlays_.pop_front();
    CDlgReference dialog(request, parent);
    dialog.show();
    play(dialog);
    EXPECT_FALSE(dialog.isVisible()) << "the reference review play ended with the dialog open";
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selection();
}

} // namespace kvx::test
