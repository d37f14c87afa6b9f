#include "platform/systemlanguage.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace kvx {

uint16_t primaryLanguageId(std::string_view locale)
{
    static constexpr std::array<std::pair<std::string_view, PrimaryLanguage>, 44> kCodes = {{
        {"ar", LANG_ARABIC},     {"bg", LANG_BULGARIAN},  {"ca", LANG_CATALAN},    {"zh", LANG_CHINESE},
        {"cs", LANG_CZECH},      {"da", LANG_DANISH},     {"de", LANG_GERMAN},     {"el", LANG_GREEK},
        {"en", LANG_ENGLISH},    {"es", LANG_SPANISH},    {"fi", LANG_FINNISH},    {"fr", LANG_FRENCH},
        {"he", LANG_HEBREW},     {"hu", LANG_HUNGARIAN},  {"is", LANG_ICELANDIC},  {"it", LANG_ITALIAN},
        {"ja", LANG_JAPANESE},   {"ko", LANG_KOREAN},     {"nl", LANG_DUTCH},      {"no", LANG_NORWEGIAN},
        {"nb", LANG_NORWEGIAN},  {"nn", LANG_NORWEGIAN},  {"pl", LANG_POLISH},     {"pt", LANG_PORTUGUESE},
        {"ro", LANG_ROMANIAN},   {"ru", LANG_RUSSIAN},    {"hr", LANG_CROATIAN},   {"sr", LANG_CROATIAN},
        {"bs", LANG_CROATIAN},   {"sk", LANG_SLOVAK},     {"sq", LANG_ALBANIAN},   {"sv", LANG_SWEDISH},
        {"th", LANG_THAI},       {"tr", LANG_TURKISH},    {"id", LANG_INDONESIAN}, {"uk", LANG_UKRAINIAN},
        {"be", LANG_BELARUSIAN}, {"sl", LANG_SLOVENIAN},  {"et", LANG_ESTONIAN},   {"lv", LANG_LATVIAN},
        {"lt", LANG_LITHUANIAN}, {"vi", LANG_VIETNAMESE}, {"mk", LANG_MACEDONIAN}, {"kk", LANG_KAZAKH},
    }};
    const auto end = locale.find_first_of("_-.@");
    const std::string_view code = locale.substr(0, end);
    for (const auto& [name, id] : kCodes)
        if (name == code)
            return id;
    return LANG_NEUTRAL;
}

std::string localeLanguage()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

uint16_t systemLanguageId()
{
    return primaryLanguageId(localeLanguage());
}

} // namespace kvx
