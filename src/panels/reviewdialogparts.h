#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace kvx {

// What the dialogs that review a list of changes share.

// Apply, the default button, which accepts the dialog, and Cancel; named "apply" and "cancel".
QDialogButtonBox* makeApplyCancelButtons(QDialog& dialog, QPushButton*& apply);
// Gives the dialog the size it wants, at most nearly the whole screen, or the size and place it had
// when the user last closed it (kept under `geometryKey`).
void restoreReviewGeometry(QDialog& dialog, QSize wanted, const QString& geometryKey);

} // namespace kvx
