#include "panels/controlfactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "panels/numbervalidator.h"

namespace kvx {

QLineEdit* makeField(QWidget* parent, const QString& name, int maxLength)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    return field;
}

QLineEdit* makeNumberField(QWidget* parent, const QString& name, int64_t minimum, int64_t maximum, bool hex)
{
    QLineEdit* field = makeField(parent, name);
    const auto form = hex ? NumberValidator::Form::HexOrDecimal : NumberValidator::Form::Decimal;
    field->setValidator(new NumberValidator(minimum, maximum, form, field));
    return field;
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QComboBox* makeChoiceList(QWidget* parent, const QString& name, const QStringList& choices, bool editable)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(editable);
    list->addItems(choices);
    // Narrow enough for the dock; the longest choice still shows in the pop-up.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(6);
    return list;
}

} // namespace kvx
