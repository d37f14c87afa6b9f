#pragma once

#include <cstdint>
#include <optional>

#include <QString>

class QComboBox;
class QLineEdit;

namespace kvx {

// The pages' shared field operations on top of the text forms in db/fieldtext.h.

// Writes the value into the field ("0x%04x" for width 4, "%d" for width 0, ...), or empties it.
void FormatField(QLineEdit* field, int64_t value, int width, bool show = true);
// The field's text read leniently as hexadecimal after "0x", else as signed decimal; 0 when no number.
int64_t ParseNumber(const QLineEdit* field);
// The field's text as a whole signed decimal number, or none when it is not one.
std::optional<int32_t> ReadInteger(const QString& text);
// Writes a whole number in decimal.
void WriteInteger(QLineEdit* field, int64_t value);

// Selects `position` in the list, or nothing when it is outside the list.
void SelectPosition(QComboBox* list, int position);
// The position of the entry whose text the (possibly editable) list shows, or -1.
int ShownPosition(const QComboBox* list);

} // namespace kvx
