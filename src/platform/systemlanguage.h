#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvx {

// Primary language identifiers, numbered as the receivers' original platform numbers them.
enum PrimaryLanguage : uint16_t {
    LANG_NEUTRAL = 0x00,
    LANG_ARABIC = 0x01,
    LANG_BULGARIAN = 0x02,
    LANG_CATALAN = 0x03,
    LANG_CHINESE = 0x04,
    LANG_CZECH = 0x05,
    LANG_DANISH = 0x06,
    LANG_GERMAN = 0x07,
    LANG_GREEK = 0x08,
    LANG_ENGLISH = 0x09,
    LANG_SPANISH = 0x0A,
    LANG_FINNISH = 0x0B,
    LANG_FRENCH = 0x0C,
    LANG_HEBREW = 0x0D,
    LANG_HUNGARIAN = 0x0E,
    LANG_ICELANDIC = 0x0F,
    LANG_ITALIAN = 0x10,
    LANG_JAPANESE = 0x11,
    LANG_KOREAN = 0x12,
    LANG_DUTCH = 0x13,
    LANG_NORWEGIAN = 0x14,
    LANG_POLISH = 0x15,
    LANG_PORTUGUESE = 0x16,
    LANG_ROMANIAN = 0x18,
    LANG_RUSSIAN = 0x19,
    LANG_CROATIAN = 0x1A,
    LANG_SLOVAK = 0x1B,
    LANG_ALBANIAN = 0x1C,
    LANG_SWEDISH = 0x1D,
    LANG_THAI = 0x1E,
    LANG_TURKISH = 0x1F,
    LANG_INDONESIAN = 0x21,
    LANG_UKRAINIAN = 0x22,
    LANG_BELARUSIAN = 0x23,
    LANG_SLOVENIAN = 0x24,
    LANG_ESTONIAN = 0x25,
    LANG_LATVIAN = 0x26,
    LANG_LITHUANIAN = 0x27,
    LANG_VIETNAMESE = 0x2A,
    LANG_MACEDONIAN = 0x2F,
    LANG_KAZAKH = 0x3F,
};

// The primary language identifier of a locale name such as "ru", "ru_RU.UTF-8" or "pt-BR";
// LANG_NEUTRAL for names it does not know.
uint16_t primaryLanguageId(std::string_view locale);

// The language of the user's locale (LC_ALL, then LC_MESSAGES, then LANG), e.g. "ru_RU.UTF-8".
std::string localeLanguage();

// The system language as a primary language identifier (Russian = 0x19).
uint16_t systemLanguageId();

} // namespace kvx
