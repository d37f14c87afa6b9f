#include "app/translations.h"

#include <array>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kvx {

namespace {

constexpr std::array kLanguages = {
    LanguageChoice{"", QT_TRANSLATE_NOOP("kvx::CMainFrame", "&System")},
    LanguageChoice{"en", "&English"},
    LanguageChoice{"ru", "&Русский"},
    LanguageChoice{"uk", "&Українська"},
    LanguageChoice{"de", "&Deutsch"},
};

// Kept for the life of the program: the application holds only pointers to them.
std::unique_ptr<QTranslator> editorTranslator;
std::unique_ptr<QTranslator> qtTranslator;

void removeInstalled()
{
    for (auto* translator : {&editorTranslator, &qtTranslator}) {
        if (*translator != nullptr)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

std::unique_ptr<QTranslator> loaded(const QLocale& locale, const QString& name, const QStringList& folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator.get());
            return translator;
        }
    }
    return nullptr;
}

} // namespace

std::span<const LanguageChoice> languageChoices()
{
    return kLanguages;
}

QStringList translationFolders()
{
    return {QDir(QCoreApplication::applicationDirPath())
                .filePath(QStringLiteral("../share/kvxedit/translations")),
            QStringLiteral(KVX_BUILD_TRANSLATIONS_DIR)};
}

void installTranslations(const QString& language)
{
    removeInstalled();
    QLocale::setDefault(QLocale::system());
    // English is the source text: nothing to load, also where the system speaks another language.
    if (language == QLatin1String("en"))
        return;
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    editorTranslator = loaded(locale, QStringLiteral("kvxedit"), translationFolders());
    // Dates and sizes read in the language chosen, like the texts around them.
    if (editorTranslator != nullptr)
        QLocale::setDefault(locale);
    // Qt's own texts (standard buttons, file dialogs, --help) only where the editor speaks the language
    // too, so that a window never mixes two languages other than English.
    if (editorTranslator != nullptr)
        qtTranslator =
            loaded(locale, QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

} // namespace kvx
