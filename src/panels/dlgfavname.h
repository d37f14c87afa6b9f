#pragma once

#include <array>

#include <QDialog>
#include <QString>

class QLineEdit;

namespace kvx {

// Edits the names of the sixteen favourite groups in one form. The caller sets the names, runs the
// dialog and reads them back after OK; Cancel leaves them as they were.
class CDlgFavName : public QDialog {
    Q_OBJECT
public:
    static constexpr int kGroupCount = 16;
    using Names = std::array<QString, kGroupCount>;

    explicit CDlgFavName(QWidget* parent = nullptr);

    // Sets the names and shows them in the fields.
    void setNames(const Names& names);
    const Names& names() const { return names_; }

    // OK: every name takes its field's text exactly as typed.
    void accept() override;

private:
    Names names_;
    std::array<QLineEdit*, kGroupCount> fields_{};
};

} // namespace kvx
