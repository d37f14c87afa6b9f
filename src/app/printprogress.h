#pragma once

#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace kvx {

// Where printing reports how far it has come, stage by stage; the user may stop it there.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // A stage of `steps` steps begins.
    virtual void begin(const QString& text, int steps) = 0;
    // One step of the stage is done; false once the user asked to stop.
    virtual bool advance() = 0;
};

// Printing's progress in a modal dialog with a Cancel button, shown once a stage has run for
// `showAfterMs`. While it is shown, every step lets the windows repaint; input goes to it alone.
class PrintProgressDialog final : public PrintProgress {
public:
    PrintProgressDialog(QWidget* parent, int showAfterMs);
    ~PrintProgressDialog() override;
    PrintProgressDialog(const PrintProgressDialog&) = delete;
    PrintProgressDialog& operator=(const PrintProgressDialog&) = delete;

    void begin(const QString& text, int steps) override;
    bool advance() override;

    // The dialog, from the first stage on.
    QProgressDialog* dialog() const;

private:
    QPointer<QWidget> parent_;
    int showAfterMs_;
    QPointer<QProgressDialog> dialog_; // a child of the parent, which may take it first
};

} // namespace kvx
