#include "panels/pageform.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

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
    if (separator)
        *separator = line;
    return ok;
}

} // namespace kvx
