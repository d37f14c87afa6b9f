#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QStringList>

#include "app/printprogress.h"
#include "db/fileops.h"
#include "panels/dlgdate.h"
#include "panels/dlglyngsat.h"
#include "panels/dlgreference.h"
#include "panels/dlgreview.h"
#include "panels/dlgtransponderlist.h"

class QPrintDialog;
class QPrinter;
class QWidget;

namespace kvx {

struct ChannelDatabase;
class NameEncoding;

// What the print dialog was left with, beside the printer settings it stored in the printer.
struct PrintChoice {
    bool selectionOnly = false; // "Selected network only"
};

// The print dialog on the printer; it offers the selection only when one is available.
std::unique_ptr<QPrintDialog> makePrintDialog(QPrinter& printer, bool selectionAvailable, QWidget* parent);

// The modal dialogs the main window opens. Each takes its values and returns the result; the program
// runs the real dialogs, tests answer through a factory of their own.
class DialogFactory {
public:
    virtual ~DialogFactory() = default;

    // The receiver model for a new database, or none when the dialog was cancelled.
    virtual std::optional<ReceiverModel> selectModel(QWidget* parent) = 0;
    virtual void showAbout(QWidget* parent) = 0;
    // The modification date dialog's values after OK, or none after Cancel.
    virtual std::optional<DateDialogValues> modificationDate(QWidget* parent,
                                                             const DateDialogValues& values) = 0;
    // The channel list on the database; whether it ended with OK and changed the database.
    virtual bool runChannelList(QWidget* parent, ChannelDatabase& db, const NameEncoding& encoding) = 0;
    // The page and options of a LyngSat update, or none when the dialog was cancelled.
    virtual std::optional<LyngSatRequest> askLyngSatUpdate(QWidget* parent,
                                                           const LyngSatDialogValues& values) = 0;
    // The scan table or satellite to fill a network from, with the options, or none when cancelled.
    virtual std::optional<TransponderListRequest>
    askTransponderList(QWidget* parent, const TransponderListDialogValues& values) = 0;
    // The review of a bulk command's changes: the ticked ones when the user chose Apply, else none.
    virtual std::optional<ChangeSelection> reviewChanges(QWidget* parent, const ImportReview& review) = 0;
    // The review of a reference list's plan: the selection and options to apply when the user chose
    // Apply, else none.
    virtual std::optional<ReferenceSelection> reviewReference(QWidget* parent,
                                                              const ReferenceReviewRequest& request) = 0;
    // The print dialog: none when cancelled, else the choice, with the printer set up as chosen.
    virtual std::optional<PrintChoice> askPrint(QWidget* parent, QPrinter& printer,
                                                bool selectionAvailable) = 0;
    // The preview of what `paint` prints on the printer; it may print from there. A paint that returns
    // false (cancelled) closes the preview.
    virtual void showPrintPreview(QWidget* parent, QPrinter& printer,
                                  const std::function<bool(QPrinter&)>& paint) = 0;
    // Where printing over the window shows how far it has come.
    virtual std::unique_ptr<PrintProgress> printProgress(QWidget* parent) = 0;
};

// The program's factory: runs the dialogs modally.
class QtDialogFactory final : public DialogFactory {
public:
    std::optional<ReceiverModel> selectModel(QWidget* parent) override;
    void showAbout(QWidget* parent) override;
    std::optional<DateDialogValues> modificationDate(QWidget* parent,
                                                     const DateDialogValues& values) override;
    bool runChannelList(QWidget* parent, ChannelDatabase& db, const NameEncoding& encoding) override;
    std::optional<LyngSatRequest> askLyngSatUpdate(QWidget* parent,
                                                   const LyngSatDialogValues& values) override;
    std::optional<TransponderListRequest>
    askTransponderList(QWidget* parent, const TransponderListDialogValues& values) override;
    std::optional<ChangeSelection> reviewChanges(QWidget* parent, const ImportReview& review) override;
    std::optional<ReferenceSelection> reviewReference(QWidget* parent,
                                                      const ReferenceReviewRequest& request) override;
    std::optional<PrintChoice> askPrint(QWidget* parent, QPrinter& printer, bool selectionAvailable) override;
    void showPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<bool(QPrinter&)>& paint) override;
    std::unique_ptr<PrintProgress> printProgress(QWidget* parent) override;
};

} // namespace kvx
