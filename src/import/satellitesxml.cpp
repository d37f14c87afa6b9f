#include "import/satellitesxml.h"

#include <charconv>
#include <optional>
#include <unordered_map>

#include "db/fieldtext.h"
#include "db/tables.h"

namespace kvx {

namespace {

using Attributes = std::unordered_map<std::string, std::string>;

// One start or end tag of the text.
struct Tag {
    std::string name;
    Attributes attributes;
    bool closing = false;
};

std::string decoded(std::string_view text)
{
    static const std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        bool replaced = false;
        if (text[k] == '&')
            for (const auto& [entity, c] : kEntities)
                if (text.substr(k, entity.size()) == entity) {
                    out += c;
                    k += entity.size() - 1;
                    replaced = true;
                    break;
                }
        if (!replaced)
            out += text[k];
    }
    return out;
}

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == ':' || c == '.';
}

// Reads the tags one by one, skipping declarations, comments and text.
class TagReader {
public:
    explicit TagReader(std::string_view text)
            : text_(text)
    {}

    std::optional<Tag> next()
    {
        while (true) {
            const std::size_t open = text_.find('<', at_);
            if (open == std::string_view::npos)
                return std::nullopt;
            at_ = open + 1;
            if (text_.substr(open, 4) == "<!--") {
                at_ = std::min(text_.find("-->", open), text_.size());
                continue;
            }
            if (at_ < text_.size() && (text_[at_] == '?' || text_[at_] == '!'))
                continue;
            return readTag();
        }
    }

private:
    void skipBlanks()
    {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }
    std::string readName()
    {
        const std::size_t start = at_;
        while (at_ < text_.size() && isNameChar(text_[at_]))
            ++at_;
        return std::string(text_.substr(start, at_ - start));
    }
    Tag readTag()
    {
        Tag tag;
        tag.closing = at_ < text_.size() && text_[at_] == '/';
        at_ += tag.closing;
        tag.name = readName();
        while (true) {
            skipBlanks();
            if (at_ >= text_.size() || text_[at_] == '>' || text_[at_] == '/')
                break;
            std::string key = readName();
            skipBlanks();
            if (key.empty() || at_ >= text_.size() || text_[at_] != '=')
                break;
            ++at_;
            skipBlanks();
            if (at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\''))
                break;
            const char quote = text_[at_++];
            const std::size_t end = std::min(text_.find(quote, at_), text_.size());
            tag.attributes[std::move(key)] = decoded(text_.substr(at_, end - at_));
            at_ = std::min(end + 1, text_.size());
        }
        return tag;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<long long> numberOf(const Attributes& attributes, const char* key)
{
    const auto it = attributes.find(key);
    if (it == attributes.end())
        return std::nullopt;
    long long value = 0;
    const std::string& text = it->second;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size())
        return std::nullopt;
    return value;
}

// kHz or symbols/s to MHz or kS/s, halves up.
std::optional<uint16_t> thousandths(std::optional<long long> value)
{
    if (!value || *value < 0 || (*value + 500) / 1000 > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>((*value + 500) / 1000);
}

std::optional<LyngSatRow> transponderRow(const Attributes& attributes)
{
    // satellites.xml numbers the polarisations H, V, L, R; a record stores V, H, R, L.
    constexpr uint8_t kStored[] = {1, 0, 3, 2};
    const std::optional<long long> polarization = numberOf(attributes, "polarization");
    const std::optional<uint16_t> frequency = thousandths(numberOf(attributes, "frequency"));
    if (!polarization || *polarization < 0 || *polarization > 3 || !frequency || *frequency == 0)
        return std::nullopt;
    LyngSatRow row;
    row.frequency = *frequency;
    row.polarity = kStored[*polarization];
    row.horizontal = (row.polarity & 1) != 0;
    row.dvbS2 = numberOf(attributes, "system").value_or(0) == 1;
    row.qpsk = numberOf(attributes, "modulation").value_or(1) != 2;
    if (const std::optional<long long> rate = numberOf(attributes, "symbol_rate")) {
        const std::optional<uint16_t> kiloSymbols = thousandths(rate);
        if (!kiloSymbols)
            return std::nullopt;
        row.symbolRate = *kiloSymbols;
    }
    const long long fec = numberOf(attributes, "fec_inner").value_or(0);
    const long long last = row.dvbS2 ? static_cast<long long>(kFecNames.size()) - 1 : kDvbsFecCount - 1;
    if (fec >= 1 && fec <= last) {
        row.fec = static_cast<uint8_t>(fec);
        row.fecGiven = true;
    }
    return row;
}

} // namespace

Status parseSatellitesXml(std::string_view text, std::vector<SatXmlSatellite>& out)
{
    out.clear();
    TagReader reader(text);
    SatXmlSatellite* current = nullptr;
    while (const std::optional<Tag> tag = reader.next()) {
        if (tag->name == "sat" && !tag->closing) {
            SatXmlSatellite& sat = out.emplace_back();
            const auto name = tag->attributes.find("name");
            sat.name = name != tag->attributes.end() ? name->second : std::string();
            sat.position = static_cast<int>(numberOf(tag->attributes, "position").value_or(0) % 3600);
            current = &sat;
        } else if (tag->name == "sat") {
            current = nullptr;
        } else if (tag->name == "transponder" && !tag->closing && current != nullptr) {
            if (const std::optional<LyngSatRow> row = transponderRow(tag->attributes))
                current->rows.push_back(*row);
            else
                ++current->skipped;
        }
    }
    return out.empty() ? StatusBadFormat : StatusOk;
}

const SatXmlSatellite* satelliteAt(const std::vector<SatXmlSatellite>& satellites, uint16_t tenthsEast)
{
    for (const SatXmlSatellite& sat : satellites)
        if (tenthsEastOf(sat.position) == tenthsEast % 3600)
            return &sat;
    return nullptr;
}

} // namespace kvx
