#pragma once

#include <span>

#include <QString>
#include <QStringList>

namespace kvx {

// A language View > Language offers: the code kept in the settings ("" is the system's) and its name
// as its speakers write it (the system entry's name is translated).
struct LanguageChoice {
    const char* code;
    const char* name;
};
std::span<const LanguageChoice> languageChoices();

// Installs the editor's translation and Qt's own for the language ("" for the system's, "en" for the
// source texts), replacing those installed before. Widgets made afterwards show the new texts.
void installTranslations(const QString& language);

// Where the editor's .qm files are looked for: beside the installed program, then the build's folder.
QStringList translationFolders();

} // namespace kvx
