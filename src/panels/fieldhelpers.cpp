#include "panels/fieldhelpers.h"

#include <QComboBox>
#include <QLineEdit>

#include "db/fieldtext.h"

namespace kvx {

void FormatField(QLineEdit* field, int64_t value, int width, bool show)
{
    field->setText(QString::fromStdString(formatField(value, width, show)));
}

int64_t ParseNumber(const QLineEdit* field)
{
    return parseNumber(field->text().toStdString());
}

std::optional<int32_t> ReadInteger(const QString& text)
{
    return parseDecimal(text.toStdString());
}

void WriteInteger(QLineEdit* field, int64_t value)
{
    field->setText(QString::number(value));
}

void SelectPosition(QComboBox* list, int position)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    if (list->isEditable() && list->currentIndex() < 0)
        list->setEditText(QString());
}

int ShownPosition(const QComboBox* list)
{
    if (!list->isEditable())
        return list->currentIndex();
    return list->findText(list->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

} // namespace kvx
