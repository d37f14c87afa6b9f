#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

// Drives real widgets by object name the way a user would: typing replaces a field's text through its
// validator, picking a choice raises the same signal a click in the list does.
namespace kvx::test {

template <typename T>
T* control(const QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control named " << name;
    return found;
}

inline QString text(const QWidget* parent, const char* name)
{
    if (auto* field = parent->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return field->text();
    return control<QComboBox>(parent, name)->currentText();
}

inline void type(const QWidget* parent, const char* name, const QString& typed)
{
    if (auto* field = parent->findChild<QLineEdit*>(QString::fromLatin1(name))) {
        field->selectAll();
        field->del();
        for (QChar c : typed) // one key at a time, so the validator sees each as typed
            field->insert(QString(c));
        return;
    }
    auto* list = control<QComboBox>(parent, name);
    ASSERT_TRUE(list->isEditable()) << name;
    list->lineEdit()->selectAll();
    list->lineEdit()->del();
    list->lineEdit()->insert(typed);
}

inline void pick(const QWidget* parent, const char* name, const QString& choice)
{
    auto* list = control<QComboBox>(parent, name);
    const int position = list->findText(choice, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(position, 0) << "no choice " << choice.toStdString() << " in " << name;
    list->setCurrentIndex(position);
    emit list->activated(position);
}

inline void click(const QWidget* parent, const char* name)
{
    control<QAbstractButton>(parent, name)->click();
}

inline bool checked(const QWidget* parent, const char* name)
{
    return control<QAbstractButton>(parent, name)->isChecked();
}

inline bool enabled(const QWidget* parent, const char* name)
{
    return control<QWidget>(parent, name)->isEnabled();
}

inline QStringList choices(const QWidget* parent, const char* name)
{
    QStringList texts;
    auto* list = control<QComboBox>(parent, name);
    for (int k = 0; k < list->count(); ++k)
        texts << list->itemText(k);
    return texts;
}

} // namespace kvx::test
