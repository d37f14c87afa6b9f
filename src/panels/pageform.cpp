#include "panels/pageform.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

namespace {

// Enter in a field presses the page's OK, as it presses a dialog's default button. The page hears only
// the keys its fields leave unused, so an open choice list still takes Enter for itself.
class EnterPressesOk : public QObject {
public:
    EnterPressesOk(QPushButton* ok, QObject* parent)
            : QObject(parent)
            , ok_(ok)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || modifiers != Qt::NoModifier ||
            !ok_->isVisible() || !ok_->isEnabled())
            return QObject::eventFilter(watched, event);
        ok_->click();
        return true;
    }

private:
    QPushButton* ok_;
};

} // namespace

PageForm::PageForm(QWidget* page)
        : page_(page)
        , form_(new QFormLayout)
{
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(6, 6, 6, 6);
    form_->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form_->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form_->setHorizontalSpacing(8);
    form_->setVerticalSpacing(4);
    outer->addLayout(form_);
    outer->addStretch(1);
}

QLabel* PageForm::addRow(const QString& labelText, const QString& labelName, QWidget* field)
{
    auto* label = new QLabel(labelText, page_);
    label->setObjectName(labelName);
    label->setBuddy(field);
    form_->addRow(label, field);
    return label;
}

QLabel* PageForm::addRow(const QString& labelText, const QString& labelName, QLayout* fields)
{
    auto* label = new QLabel(labelText, page_);
    label->setObjectName(labelName);
    form_->addRow(label, fields);
    return label;
}

void PageForm::addWide(QWidget* widget)
{
    form_->addRow(widget);
}

QPushButton* PageForm::addOkButton(QFrame** separator)
{
    auto* line = new QFrame(page_);
    line->setObjectName("separator");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    form_->addRow(line);
    auto* ok = new QPushButton(QStringLiteral("OK"), page_);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    form_->addRow(row);
    page_->installEventFilter(new EnterPressesOk(ok, page_));
    if (separator)
        *separator = line;
    return ok;
}

} // namespace kvx
