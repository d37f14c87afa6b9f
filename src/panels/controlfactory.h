#pragma once

#include <cstdint>

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace kvx {

// The edit pages' controls, each created with the object name tests and the pages find it by.
QLineEdit* makeField(QWidget* parent, const QString& name, int maxLength = 32767);
// A field that takes only whole numbers from `minimum` to `maximum`, in decimal or, with `hex`, also in
// hexadecimal after "0x".
QLineEdit* makeNumberField(QWidget* parent, const QString& name, int64_t minimum, int64_t maximum,
                           bool hex = false);
QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text);
QComboBox* makeChoiceList(QWidget* parent, const QString& name, const QStringList& choices,
                          bool editable = false);

} // namespace kvx
