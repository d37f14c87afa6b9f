#include "platform/nameencoding.h"

#include <cerrno>
#include <iconv.h>

#include "platform/systemlanguage.h"

namespace kvx {

namespace {

// One open iconv descriptor, reused across calls (the program has a single thread).
class Converter {
public:
    Converter(std::string_view to, std::string_view from)
            : cd_(iconv_open(std::string(to).c_str(), std::string(from).c_str()))
    {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one character starting at in; returns the bytes consumed, or 0 when the character
    // cannot be converted (out then holds nothing new).
    size_t convertOne(const char* in, size_t available, size_t charLength, std::string& out) const
    {
        char buffer[16];
        char* inPtr = const_cast<char*>(in);
        size_t inLeft = std::min(available, charLength);
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return 0;
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        return static_cast<size_t>(inPtr - in);
    }

    // Converts the whole input; on a character it cannot convert it calls fallback(position, out),
    // which appends a replacement and returns the number of input bytes to skip.
    template <class Fallback>
    std::string convert(std::string_view input, Fallback fallback) const
    {
        std::string out;
        out.reserve(input.size() * 2);
        if (!valid())
            return std::string(input);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (rc != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: an unconvertible or incomplete character at inPtr.
            const size_t position = static_cast<size_t>(inPtr - input.data());
            const size_t skip = std::max<size_t>(1, std::min(inLeft, fallback(position, out)));
            inPtr += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

size_t utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Decodes the code point of the UTF-8 sequence at text[pos]; -1 when malformed.
long utf8CodePoint(std::string_view text, size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const size_t length = utf8SequenceLength(lead);
    if (pos + length > text.size())
        return -1;
    if (length == 1)
        return lead < 0x80 ? lead : -1;
    long cp = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (next & 0x3F);
    }
    return cp;
}

void appendLatin1AsUtf8(unsigned char byte, std::string& out)
{
    if (byte < 0x80) {
        out += static_cast<char>(byte);
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

// The conversions of one code page: to and from UTF-8.
struct PagePair {
    Converter decode; // page -> UTF-8
    Converter encode; // UTF-8 -> page
    explicit PagePair(std::string_view page)
            : decode("UTF-8", page)
            , encode(page, "UTF-8")
    {}

    std::string toUtf8(std::string_view bytes) const
    {
        return decode.convert(bytes, [&](size_t pos, std::string& out) {
            appendLatin1AsUtf8(static_cast<unsigned char>(bytes[pos]), out);
            return size_t{1};
        });
    }

    // A byte the page leaves undefined is encoded from the Latin-1 character it decoded to.
    bool isUndefinedByte(long cp) const
    {
        if (cp < 0x80 || cp > 0xFF)
            return false;
        std::string ignored;
        const char byte = static_cast<char>(cp);
        return decode.convertOne(&byte, 1, 1, ignored) == 0;
    }

    std::string fromUtf8(std::string_view text, bool* lossless = nullptr) const
    {
        return encode.convert(text, [&](size_t pos, std::string& out) {
            const long cp = utf8CodePoint(text, pos);
            if (isUndefinedByte(cp)) {
                out += static_cast<char>(cp);
            } else {
                out += '?';
                if (lossless)
                    *lossless = false;
            }
            return utf8SequenceLength(static_cast<unsigned char>(text[pos]));
        });
    }
};

const PagePair& isoPair()
{
    static const PagePair pair(NameEncoding::kIso88595);
    return pair;
}

} // namespace

struct NameEncoding::Converters {
    PagePair page;
    explicit Converters(std::string_view codePage)
            : page(codePage)
    {}
};

NameEncoding::NameEncoding(std::string_view codePage)
        : codePage_(isSupported(codePage) ? std::string(codePage) : std::string(kFallback))
        , conv_(std::make_unique<Converters>(codePage_))
{}

NameEncoding::~NameEncoding() = default;

NameEncoding::NameEncoding(const NameEncoding& other)
        : NameEncoding(other.codePage_)
{}

NameEncoding& NameEncoding::operator=(const NameEncoding& other)
{
    if (this != &other) {
        codePage_ = other.codePage_;
        conv_ = std::make_unique<Converters>(codePage_);
    }
    return *this;
}

std::string NameEncoding::toUtf8(std::string_view bytes) const
{
    return conv_->page.toUtf8(bytes);
}

std::string NameEncoding::fromUtf8(std::string_view text) const
{
    return conv_->page.fromUtf8(text);
}

bool NameEncoding::canEncode(std::string_view text) const
{
    bool lossless = true;
    conv_->page.fromUtf8(text, &lossless);
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
    return isoPair().toUtf8(bytes);
}

std::string NameEncoding::utf8ToIso88595(std::string_view text)
{
    return isoPair().fromUtf8(text);
}

bool NameEncoding::canEncodeIso88595(std::string_view text)
{
    bool lossless = true;
    isoPair().fromUtf8(text, &lossless);
    return lossless;
}

bool NameEncoding::isSupported(std::string_view codePage)
{
    if (codePage.empty())
        return false;
    const Converter probe("UTF-8", codePage);
    return probe.valid();
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
