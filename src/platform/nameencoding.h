#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// The single-byte code page that names are stored in (the receiver's "system code page"), and the
// conversions between it, UTF-8 (for display and editing) and ISO 8859-5 (program names marked with
// code page 2). Names stay bytes in the database; they are decoded only to be shown.
//
// The code pages are single-byte, so each is held as a table of 256 characters built once with iconv;
// decoding byte by byte keeps every name's bytes recoverable (no composition of combining marks). Bytes
// the code page leaves undefined decode to the Latin-1 character of the same value (or a private-use
// character where the page uses that one) and encode back to that byte, so decoding and re-encoding a name
// never changes it. Characters the target code page cannot hold become '?'.
class NameEncoding {
public:
    static constexpr std::string_view kIso88595 = "ISO-8859-5";
    static constexpr std::string_view kFallback = "WINDOWS-1252";

    // An unknown code page name falls back to Windows-1252.
    explicit NameEncoding(std::string_view codePage = kFallback);

    const std::string& codePage() const { return codePage_; }

    std::string toUtf8(std::string_view bytes) const;
    std::string fromUtf8(std::string_view text) const;
    // Whether every character of the UTF-8 text has a byte in this code page.
    bool canEncode(std::string_view text) const;

    // ISO 8859-5 bytes to bytes of this code page, and back.
    std::string fromIso88595(std::string_view bytes) const;
    std::string toIso88595(std::string_view bytes) const;
    static std::string iso88595ToUtf8(std::string_view bytes);
    static std::string utf8ToIso88595(std::string_view text);
    static bool canEncodeIso88595(std::string_view text);

    // Whether iconv knows the code page.
    static bool isSupported(std::string_view codePage);
    // The single-byte code pages offered to the user.
    static const std::vector<std::string>& choices();
    // The code page that suits a locale language code ("ru", "de_DE.UTF-8", ...).
    static std::string defaultForLanguage(std::string_view language);

private:
    struct Table;
    std::string codePage_;
    std::shared_ptr<const Table> table_;
};

} // namespace kvx
