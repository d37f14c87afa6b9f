#include "panels/namecheck.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "platform/nameencoding.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

// The messages' translation context.
struct NameCheckTexts {
    Q_DECLARE_TR_FUNCTIONS(NameCheck)
};

// The distinct characters of the name that the test says cannot be stored, quoted, in order.
template <typename Fits>
QString missingCharacters(const QString& name, Fits fits)
{
    QStringList missing;
    for (const char32_t code : name.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        if (!fits(character.toStdString()) && !missing.contains(character))
            missing << character;
    }
    return QStringLiteral("\"") + missing.join(QStringLiteral("\", \"")) + QStringLiteral("\"");
}

NameCheck refuse(Prompter& prompter, const QString& name, const QString& codePage, const QString& missing)
{
    prompter.showMessage(
        NameCheckTexts::tr("The name \"%1\" cannot be stored: %2 has no %3.\nChange the name or choose "
                           "another name encoding.")
            .arg(name, codePage, missing),
        PromptIcon::Warning);
    return NameCheck::BackToField;
}

} // namespace

NameCheck checkTypedName(Prompter& prompter, const NameEncoding& encoding, const QString& name,
                         bool cyrillicAllowed)
{
    const std::string text = name.toStdString();
    if (encoding.canEncode(text))
        return NameCheck::Store;
    const QString codePage = QString::fromStdString(encoding.codePage());
    if (cyrillicAllowed && NameEncoding::canEncodeIso88595(text)) {
        const QString question =
            NameCheckTexts::tr("The name \"%1\" has characters that %2 cannot hold.\nStore it as a "
                               "Cyrillic name (ISO 8859-5)?")
                .arg(name, codePage);
        return prompter.askYesNo(question, PromptIcon::Question) == PromptAnswer::Yes
                   ? NameCheck::StoreAsCyrillic
                   : NameCheck::BackToField;
    }
    return refuse(prompter, name, codePage,
                  missingCharacters(name, [&](const std::string& c) { return encoding.canEncode(c); }));
}

NameCheck checkTypedCyrillicName(Prompter& prompter, const QString& name)
{
    if (NameEncoding::canEncodeIso88595(name.toStdString()))
        return NameCheck::Store;
    return refuse(
        prompter, name, QString::fromStdString(std::string(NameEncoding::kIso88595)),
        missingCharacters(name, [](const std::string& c) { return NameEncoding::canEncodeIso88595(c); }));
}

bool plainNameMayBeStored(Prompter* prompter, const NameEncoding& encoding, QLineEdit& field)
{
    if (prompter == nullptr ||
        checkTypedName(*prompter, encoding, field.text(), false) != NameCheck::BackToField)
        return true;
    returnToNameField(field);
    return false;
}

void returnToNameField(QLineEdit& field)
{
    field.setFocus();
    field.selectAll();
}

} // namespace kvx
