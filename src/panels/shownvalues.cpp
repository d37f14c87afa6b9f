#include "panels/shownvalues.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace kvx {

void ShownValues::remember(std::initializer_list<const QWidget*> controls)
{
    for (const QWidget* control : controls)
        shown_[control] = stateOf(control);
}

bool ShownValues::changed(std::initializer_list<const QWidget*> controls) const
{
    for (const QWidget* control : controls) {
        const auto found = shown_.find(control);
        if (found == shown_.end() || found->second != stateOf(control))
            return true;
    }
    return false;
}

QString ShownValues::stateOf(const QWidget* control)
{
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    // An editable list counts as changed when its text does, even where the text names no entry.
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return QString::number(list->currentIndex()) + QLatin1Char('\n') + list->currentText();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return {};
}

} // namespace kvx
