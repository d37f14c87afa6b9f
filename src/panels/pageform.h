#pragma once

#include <QString>

class QFormLayout;
class QFrame;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace kvx {

// Builds an edit-bar page: labels on the left, fields on the right, top to bottom, closed by a
// separator and the "OK" button. The page stays readable at a narrow dock width.
class PageForm {
public:
    explicit PageForm(QWidget* page);

    // A row with a label (its object name given) and one field or a row of fields.
    QLabel* addRow(const QString& labelText, const QString& labelName, QWidget* field);
    QLabel* addRow(const QString& labelText, const QString& labelName, QLayout* fields);
    // A row that spans both columns.
    void addWide(QWidget* widget);
    // The closing separator and "OK" button, which Enter in any field of the page presses.
    QPushButton* addOkButton(QFrame** separator = nullptr);

    QFormLayout* layout() const { return form_; }

private:
    QWidget* page_;
    QFormLayout* form_;
};

} // namespace kvx
