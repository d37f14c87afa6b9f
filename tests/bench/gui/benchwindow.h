#pragma once

#include <functional>

#include <QString>

#include "app/dialogfactory.h"
#include "ui/prompter.h"

class QTemporaryDir;

namespace kvx {

struct ChannelDatabase;

namespace bench {

// Nothing in a benchmark asks the user anything but yes-or-no questions and which file to open; those
// get `yesNo` and `openFile` (none when empty), every other question ends as cancelled.
class SilentPrompter final : public Prompter {
public:
    explicit SilentPrompter(PromptAnswer yesNo = PromptAnswer::No)
            : yesNo_(yesNo)
    {}
    void setOpenFile(const QString& path) { openFile_ = path; }
    PromptAnswer askYesNoCancel(const QString&) override { return PromptAnswer::Cancel; }
    PromptAnswer askYesNo(const QString&, PromptIcon) override { return yesNo_; }
    PromptAnswer askRetryCancel(const QString&, PromptIcon) override { return PromptAnswer::Cancel; }
    void showMessage(const QString&, PromptIcon) override {}
    std::optional<QString> chooseOpenFile(const FileDialogSpec&) override
    {
        return openFile_.isEmpty() ? std::nullopt : std::optional<QString>(openFile_);
    }
    std::optional<SaveFileChoice> chooseSaveFile(const FileDialogSpec&) override { return std::nullopt; }

private:
    PromptAnswer yesNo_;
    QString openFile_;
};

// Dialogs that need no user: the channel list runs `channelList` on the database (none: Cancel), a
// review applies the rows ticked as it opens; everything else is cancelled.
class QuietDialogs final : public DialogFactory {
public:
    std::function<bool(ChannelDatabase&)> channelList;

    std::optional<ReceiverModel> selectModel(QWidget*) override { return std::nullopt; }
    void showAbout(QWidget*) override {}
    std::optional<DateDialogValues> modificationDate(QWidget*, const DateDialogValues&) override
    {
        return std::nullopt;
    }
    bool runChannelList(QWidget*, ChannelDatabase& db, const NameEncoding&) override
    {
        return channelList && channelList(db);
    }
    std::optional<LyngSatRequest> askLyngSatUpdate(QWidget*, const LyngSatDialogValues&) override
    {
        return std::nullopt;
    }
    std::optional<TransponderListRequest> askTransponderList(QWidget*,
                                                             const TransponderListDialogValues&) override
    {
        return std::nullopt;
    }
    std::optional<ChangeSelection> reviewChanges(QWidget*, const ImportReview& review) override
    {
        return review.openingSelection();
    }
    std::optional<ReferenceSelection> reviewReference(QWidget*, const ReferenceReviewRequest&) override
    {
        return std::nullopt;
    }
    std::optional<PrintChoice> askPrint(QWidget*, QPrinter&, bool) override { return std::nullopt; }
    void showPrintPreview(QWidget*, QPrinter&, const std::function<bool(QPrinter&)>&) override {}
    std::unique_ptr<PrintProgress> printProgress(QWidget* parent) override
    {
        return std::make_unique<PrintProgressDialog>(parent, 0);
    }
};

// The database as a KVX file named `name` in the folder.
QString writeDatabaseFile(const QTemporaryDir& dir, ChannelDatabase& db, const QString& name);

// The large database with its first transponder holding the first `programs` programs, so that they
// are sibling rows of the tree.
ChannelDatabase largeDatabaseWithFullTransponder(int programs);

// A channel list that sorts all TV channels by name, the other way round each time, and says OK.
std::function<bool(ChannelDatabase&)> sortingChannelList();

} // namespace bench
} // namespace kvx
