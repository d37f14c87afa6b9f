#include "platform/nameencoding.h"

#include <algorithm>
#include <array>
#include <iconv.h>
#include <map>
#include <mutex>
#include <unordered_map>

#include "platform/systemlanguage.h"

namespace kvx {

namespace {

constexpr char32_t kUndecodable = 0xFFFFFFFF;
constexpr char32_t kPrivateUseBase = 0xF700;

// The character of one byte of a single-byte code page, or kUndecodable.
char32_t decodeByte(iconv_t cd, unsigned char byte)
{
    char in = static_cast<char>(byte);
    char32_t out = 0;
    char* inPtr = &in;
    size_t inLeft = 1;
    char* outPtr = reinterpret_cast<char*>(&out);
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return kUndecodable;
    // A converter that holds a character back (to compose it with a following mark) hands it out on
    // flush.
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1) || outLeft != 0)
        return kUndecodable;
    return out;
}

void appendUtf8(char32_t cp, std::string& out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes the UTF-8 character at text[pos]; advances pos. Malformed input yields kUndecodable.
char32_t nextCodePoint(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 1;
    char32_t cp = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        cp = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = lead < 0xF0 ? 3 : 1;
        cp = lead & 0x0F;
    } else if (lead >= 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0x80) {
        ++pos;
        return kUndecodable;
    }
    if (length == 1 && lead >= 0x80) {
        ++pos;
        return kUndecodable;
    }
    if (pos + length > text.size()) {
        pos = text.size();
        return kUndecodable;
    }
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            pos += i;
            return kUndecodable;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += length;
    return cp;
}

} // namespace

struct NameEncoding::Table {
    std::array<char32_t, 256> decode{};
    std::unordered_map<char32_t, char> encode;
    bool valid = false;

    explicit Table(const std::string& codePage)
    {
        const iconv_t cd = iconv_open("UTF-32LE", codePage.c_str());
        valid = cd != reinterpret_cast<iconv_t>(-1);
        for (int b = 0; b < 256; ++b)
            decode[b] = valid ? decodeByte(cd, static_cast<unsigned char>(b)) : kUndecodable;
        if (valid)
            iconv_close(cd);
        // Undefined bytes stand for the Latin-1 character of the same value, or, where the page
        // already uses that character, for a private-use character, so that every byte survives.
        for (int b = 0; b < 256; ++b) {
            if (decode[b] != kUndecodable)
                continue;
            const bool latin1Taken = std::find(decode.begin(), decode.end(), char32_t(b)) != decode.end();
            decode[b] = latin1Taken ? kPrivateUseBase + static_cast<char32_t>(b) : static_cast<char32_t>(b);
        }
        // The first byte of a character wins, so a character defined twice encodes to its lower byte.
        for (int b = 255; b >= 0; --b)
            encode[decode[b]] = static_cast<char>(b);
    }

    std::string toUtf8(std::string_view bytes) const
    {
        std::string out;
        out.reserve(bytes.size() * 2);
        for (char c : bytes)
            appendUtf8(decode[static_cast<unsigned char>(c)], out);
        return out;
    }

    std::string fromUtf8(std::string_view text, bool* lossless = nullptr) const
    {
        std::string out;
        out.reserve(text.size());
        for (size_t pos = 0; pos < text.size();) {
            const char32_t cp = nextCodePoint(text, pos);
            const auto it = encode.find(cp);
            if (it != encode.end()) {
                out += it->second;
            } else {
                out += '?';
                if (lossless)
                    *lossless = false;
            }
        }
        return out;
    }

    // Tables are shared: building one costs 256 conversions.
    static std::shared_ptr<const Table> get(const std::string& codePage)
    {
        static std::mutex mutex;
        static std::map<std::string, std::shared_ptr<const Table>> tables;
        const std::lock_guard lock(mutex);
        auto& table = tables[codePage];
        if (!table)
            table = std::make_shared<const Table>(codePage);
        return table;
    }
};

NameEncoding::NameEncoding(std::string_view codePage)
        : codePage_(isSupported(codePage) ? std::string(codePage) : std::string(kFallback))
        , table_(Table::get(codePage_))
{}

std::string NameEncoding::toUtf8(std::string_view bytes) const
{
    return table_->toUtf8(bytes);
}

std::string NameEncoding::fromUtf8(std::string_view text) const
{
    return table_->fromUtf8(text);
}

bool NameEncoding::canEncode(std::string_view text) const
{
    bool lossless = true;
    table_->fromUtf8(text, &lossless);
    return lossless;
}

std::string NameEncoding::fromIso88595(std::string_view bytes) const
{
    return fromUtf8(iso88595ToUtf8(bytes));
}

std::string NameEncoding::toIso88595(std::string_view bytes) const
{
    return utf8ToIso88595(toUtf8(bytes));
}

std::string NameEncoding::iso88595ToUtf8(std::string_view bytes)
{
    return Table::get(std::string(kIso88595))->toUtf8(bytes);
}

std::string NameEncoding::utf8ToIso88595(std::string_view text)
{
    return Table::get(std::string(kIso88595))->fromUtf8(text);
}

bool NameEncoding::canEncodeIso88595(std::string_view text)
{
    bool lossless = true;
    Table::get(std::string(kIso88595))->fromUtf8(text, &lossless);
    return lossless;
}

bool NameEncoding::isSupported(std::string_view codePage)
{
    if (codePage.empty())
        return false;
    const iconv_t cd = iconv_open("UTF-32LE", std::string(codePage).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(cd);
    return true;
}

const std::vector<std::string>& NameEncoding::choices()
{
    static const std::vector<std::string> pages = {
        "WINDOWS-1250", "WINDOWS-1251", "WINDOWS-1252", "WINDOWS-1253", "WINDOWS-1254",
        "WINDOWS-1255", "WINDOWS-1256", "WINDOWS-1257", "WINDOWS-1258", "ISO-8859-1",
        "ISO-8859-2",   "ISO-8859-3",   "ISO-8859-4",   "ISO-8859-5",   "ISO-8859-6",
        "ISO-8859-7",   "ISO-8859-8",   "ISO-8859-9",   "ISO-8859-10",  "ISO-8859-13",
        "ISO-8859-14",  "ISO-8859-15",  "ISO-8859-16",  "KOI8-R",       "KOI8-U"};
    return pages;
}

std::string NameEncoding::defaultForLanguage(std::string_view language)
{
    switch (primaryLanguageId(language)) {
    case LANG_RUSSIAN:
    case LANG_UKRAINIAN:
    case LANG_BELARUSIAN:
    case LANG_BULGARIAN:
    case LANG_MACEDONIAN:
    case LANG_KAZAKH: return "WINDOWS-1251";
    case LANG_GREEK: return "WINDOWS-1253";
    case LANG_TURKISH: return "WINDOWS-1254";
    case LANG_HEBREW: return "WINDOWS-1255";
    case LANG_ARABIC: return "WINDOWS-1256";
    case LANG_ESTONIAN:
    case LANG_LATVIAN:
    case LANG_LITHUANIAN: return "WINDOWS-1257";
    case LANG_VIETNAMESE: return "WINDOWS-1258";
    case LANG_CZECH:
    case LANG_SLOVAK:
    case LANG_POLISH:
    case LANG_HUNGARIAN:
    case LANG_SLOVENIAN:
    case LANG_CROATIAN:
    case LANG_ROMANIAN:
    case LANG_ALBANIAN: return "WINDOWS-1250";
    default: return std::string(kFallback);
    }
}

} // namespace kvx
