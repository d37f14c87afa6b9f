#include "export/referencelist.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "base/trnoop.h"
#include "db/filebytes.h"
#include "db/fileops.h"
#include "db/netinfo.h"
#include "export/csvrecords.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

// The export's column titles the reader looks for; any other column is ignored.
enum Column {
    Number,
    Type,
    Name,
    Network,
    Frequency,
    Polarity,
    SymbolRate,
    ServiceId,
    PmtPid,
    PcrPid,
    VideoPids,
    AudioPids,
    TeletextPids,
    Scrambled,
    Favourites,
    ColumnCount
};

constexpr std::string_view kTitles[ColumnCount] = {
    "Number",     "Type",        "Name",          "Network",   "Frequency",
    "Polarity",   "Symbol rate", "Service ID",    "PMT PID",   "PCR PID",
    "Video PIDs", "Audio PIDs",  "Teletext PIDs", "Scrambled", "Favourite groups"};

constexpr Column kNeeded[] = {Type, Name, Frequency, ServiceId};

std::string folded(std::string_view text);

// The reason of a number column's value that is not a number in its range.
const char* notANumberText(int column)
{
    if (column == Number)
        return KVX_TR_NOOP("Reference", "the number \"%1\" is not a number from %2 to %3");
    if (column == Frequency)
        return KVX_TR_NOOP("Reference", "the frequency \"%1\" is not a number from %2 to %3");
    return KVX_TR_NOOP("Reference", "the service ID \"%1\" is not a number from %2 to %3");
}

// Where each column stands in the header, or -1.
std::optional<std::array<int, ColumnCount>> columnsOf(const std::vector<std::string>& header)
{
    std::array<int, ColumnCount> at;
    at.fill(-1);
    for (std::size_t f = 0; f < header.size(); ++f)
        for (int c = 0; c < ColumnCount; ++c)
            if (at[c] < 0 && folded(header[f]) == folded(kTitles[c]))
                at[c] = static_cast<int>(f);
    for (const Column needed : kNeeded)
        if (at[needed] < 0)
            return std::nullopt;
    return at;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string folded(std::string_view text)
{
    std::string out(trimmed(text));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::optional<long> numberIn(std::string_view text, long low, long high)
{
    text = trimmed(text);
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// A problem of the row at the line, its English reason made from its text and values.
ReferenceRowProblem told(int line, const char* text, std::vector<std::string> args, bool leftOut = true)
{
    std::string reason;
    for (const char* c = text; *c != '\0'; ++c) {
        const auto value = static_cast<std::size_t>(c[1] - '1');
        if (*c == '%' && c[1] >= '1' && c[1] <= '9' && value < args.size()) {
            reason += args[value];
            ++c;
        } else {
            reason += *c;
        }
    }
    return {line, reason, leftOut, text, std::move(args)};
}

// The fields of one row by column, and why it cannot be read.
class RowReader {
public:
    RowReader(const CsvRecord& record, const std::array<int, ColumnCount>& at)
            : record_(record)
            , at_(at)
    {}

    std::string field(Column column) const
    {
        const int f = at_[column];
        return f >= 0 && static_cast<std::size_t>(f) < record_.fields.size() ? record_.fields[f]
                                                                             : std::string();
    }
    std::optional<long> number(Column column, long low, long high, ReferenceRowProblem& problem) const
    {
        const std::string& text = field(column);
        const std::optional<long> value = numberIn(text, low, high);
        if (!value && problem.reason.empty())
            problem =
                told(record_.line, notANumberText(column), {text, std::to_string(low), std::to_string(high)});
        return value;
    }

private:
    const CsvRecord& record_;
    const std::array<int, ColumnCount>& at_;
};

void appendPids(PidList& list, const std::string& text)
{
    std::size_t k = 0;
    while (k < text.size()) {
        const std::size_t end = std::min(text.find(' ', k), text.size());
        if (const std::optional<long> pid = numberIn(std::string_view(text).substr(k, end - k), 0, PID_MASK))
            list.append(0, static_cast<uint16_t>(*pid));
        k = end + 1;
    }
}

uint16_t pidIn(const std::string& text)
{
    const std::optional<long> pid = numberIn(text, 0, PID_MASK);
    return pid ? static_cast<uint16_t>(*pid) : NO_PID;
}

// A name typed as UTF-8, as the program page stores it: in the name encoding when it holds every
// character, else as an ISO 8859-5 name when that does.
void storeName(ProgInfo& prog, const std::string& text, const NameEncoding& encoding, bool keepsAscii)
{
    if (keepsAscii &&
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        prog.name = text;
        return;
    }
    if (!encoding.canEncode(text) && NameEncoding::canEncodeIso88595(text)) {
        prog.name = NameEncoding::utf8ToIso88595(text);
        prog.nameCodePage = NAME_CODE_PAGE_ISO8859_5;
    } else {
        prog.name = encoding.fromUtf8(text);
    }
}

// Whether the code page holds ASCII text as the same bytes (every one offered does), so that such a
// name needs no conversion.
bool keepsAscii(const NameEncoding& encoding)
{
    std::string ascii;
    for (char c = ' '; c < 0x7F; ++c)
        ascii += c;
    return encoding.fromUtf8(ascii) == ascii;
}

// One readable row, before the rows are put in the reference's order.
struct Row {
    int line = 0;
    long number = LONG_MAX; // rows without a number follow the numbered ones
    uint8_t slot = NO_SLOT;
    TpInfo transponder;
    ProgInfo program;
    std::string favourites;
};

// The networks of `db` by the label the export gives them; a label that several networks share names
// none of them.
std::unordered_map<std::string, uint8_t> networksByLabel(const ChannelDatabase& db,
                                                         const NameEncoding& encoding)
{
    std::unordered_map<std::string, uint8_t> slots;
    for (std::size_t s = 0; s < db.networks.size(); ++s) {
        const auto [it, fresh] =
            slots.emplace(networkLabelUtf8(db.networks[s], encoding), static_cast<uint8_t>(s));
        if (!fresh)
            it->second = NO_SLOT;
    }
    return slots;
}

class CsvReferenceBuilder {
public:
    CsvReferenceBuilder(const ChannelDatabase& db, const NameEncoding& encoding, ReferenceList& out)
            : db_(db)
            , encoding_(encoding)
            , out_(out)
            , slots_(networksByLabel(db, encoding))
            , keepsAscii_(keepsAscii(encoding))
    {}

    // A row as the export wrote it, or its problem.
    std::optional<Row> readRow(const CsvRecord& record, const std::array<int, ColumnCount>& at)
    {
        const RowReader reader(record, at);
        ReferenceRowProblem problem;
        Row row;
        row.line = record.line;
        if (!trimmed(reader.field(Number)).empty())
            if (const std::optional<long> number = reader.number(Number, 0, INT_MAX, problem))
                row.number = *number;
        const std::optional<long> frequency = reader.number(Frequency, 1, 0xFFFF, problem);
        const std::optional<long> serviceId = reader.number(ServiceId, 0, 0xFFFF, problem);
        const std::string type = folded(reader.field(Type));
        if (type != "tv" && type != "radio" && problem.reason.empty())
            problem = told(record.line, KVX_TR_NOOP("Reference", "the type \"%1\" is neither TV nor Radio"),
                           {reader.field(Type)});
        const std::optional<int> polarity = polarityIn(reader.field(Polarity));
        if (!polarity && problem.reason.empty())
            problem = told(record.line, KVX_TR_NOOP("Reference", "the polarity \"%1\" is not V, H, R or L"),
                           {reader.field(Polarity)});
        if (!problem.reason.empty()) {
            out_.problems.push_back(problem);
            return std::nullopt;
        }
        const auto slot = slots_.find(reader.field(Network));
        row.slot = slot != slots_.end() ? slot->second : NO_SLOT;
        row.transponder =
            TpInfo::create(row.slot, static_cast<uint16_t>(*frequency), static_cast<uint8_t>(*polarity));
        if (const std::optional<long> rate = numberIn(reader.field(SymbolRate), 0, 0xFFFF))
            row.transponder.symbolRate = static_cast<uint16_t>(*rate);
        row.program = ProgInfo::create(0, static_cast<uint16_t>(*serviceId));
        storeName(row.program, reader.field(Name), encoding_, keepsAscii_);
        if (type == "radio")
            row.program.attributes |= ATTR_RADIO;
        if (folded(reader.field(Scrambled)) == "yes")
            row.program.attributes |= ATTR_SCRAMBLED;
        row.program.pmtPid = pidIn(reader.field(PmtPid));
        row.program.pcrPid = pidIn(reader.field(PcrPid));
        appendPids(row.program.videoPids, reader.field(VideoPids));
        appendPids(row.program.audioPids, reader.field(AudioPids));
        appendPids(row.program.teletextPids, reader.field(TeletextPids));
        row.favourites = reader.field(Favourites);
        return row;
    }

    // The reference: this database's networks, one more for the rows that name none of them, the rows'
    // transponders once each and their programs in the order of their numbers.
    void build(std::vector<Row> rows)
    {
        ChannelDatabase& ref = out_.database;
        ref.version = db_.version;
        ref.networks = db_.networks;
        out_.anyNetwork = static_cast<uint8_t>(db_.networks.size());
        ref.networks.append(NetInfo{});
        ref.favourites = db_.favourites;
        for (std::size_t g = 0; g < ref.favourites.size(); ++g) {
            ref.favourites[g].tvList.clear();
            ref.favourites[g].radioList.clear();
        }
        std::vector<std::size_t> order(rows.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            order[k] = k;
        std::stable_sort(order.begin(), order.end(),
                         [&rows](std::size_t a, std::size_t b) { return rows[a].number < rows[b].number; });
        assignGroups(rows);
        ref.programs.reserve(rows.size());
        for (const std::size_t k : order) {
            Row& row = rows[k];
            if (ref.programs.size() >= NO_POSITION)
                break;
            const uint8_t slot = row.slot == NO_SLOT ? out_.anyNetwork : row.slot;
            row.program.tpIndex = transponderFor(slot, row.transponder);
            const auto position = static_cast<uint16_t>(ref.programs.size());
            const bool radio = row.program.isRadio();
            ref.programs.append(std::move(row.program));
            addToGroups(row, position, radio);
        }
    }

private:
    static std::optional<int> polarityIn(const std::string& text)
    {
        const std::string letter = folded(text);
        if (letter.empty())
            return 0;
        for (std::size_t p = 0; p < kPolarityLetters.size(); ++p)
            if (letter == folded(kPolarityLetters[p]))
                return static_cast<int>(p);
        return std::nullopt;
    }

    uint16_t transponderFor(uint8_t slot, TpInfo tp)
    {
        const auto key = std::make_tuple(slot, tp.frequency, tp.polarity());
        const auto [it, fresh] =
            transponders_.emplace(key, static_cast<uint16_t>(out_.database.transponders.size()));
        if (fresh) {
            tp.netIndex = slot;
            out_.database.transponders.append(std::move(tp));
        }
        return it->second;
    }

    // The names of a Favourite groups field, as the export joins them.
    static std::vector<std::string> groupNamesIn(const std::string& text)
    {
        std::vector<std::string> names;
        std::size_t k = 0;
        while (k < text.size()) {
            const std::size_t end = std::min(text.find('/', k), text.size());
            if (end > k)
                names.push_back(text.substr(k, end - k));
            k = end + 1;
        }
        return names;
    }

    // The group each name of the Favourite groups column stands for: the group of that name here
    // ("FavN" for group N when it has no name); the other names, in the order they first appear, take
    // the groups no name stands for, in group order, and give them their names. A receiver reset to
    // its default groups so gets the user's groups back under their own names.
    void assignGroups(const std::vector<Row>& rows)
    {
        const CFavListList& here = db_.favourites;
        std::unordered_map<std::string, int> own;
        for (std::size_t g = 0; g < here.size(); ++g)
            own.emplace(here[g].name.empty() ? "Fav" + std::to_string(g + 1) : encoding_.toUtf8(here[g].name),
                        static_cast<int>(g));
        std::vector<std::string> strangers;
        std::vector<bool> named(here.size(), false);
        for (const Row& row : rows)
            for (const std::string& name : groupNamesIn(row.favourites)) {
                if (groupOf_.count(name) != 0)
                    continue;
                const auto it = own.find(name);
                groupOf_[name] = it != own.end() ? it->second : -1;
                if (it != own.end())
                    named[static_cast<std::size_t>(it->second)] = true;
                else
                    strangers.push_back(name);
            }
        std::size_t free = 0;
        for (const std::string& name : strangers) {
            while (free < named.size() && named[free])
                ++free;
            if (free == named.size())
                break;
            named[free] = true;
            groupOf_[name] = static_cast<int>(free);
            out_.database.favourites[free].name = encoding_.fromUtf8(name);
        }
    }

    void addToGroups(const Row& row, uint16_t position, bool radio)
    {
        for (const std::string& name : groupNamesIn(row.favourites)) {
            int& group = groupOf_.at(name);
            if (group == -1) // told once, at the first row that names it
                out_.problems.push_back(
                    told(row.line, KVX_TR_NOOP("Reference", "no favourite group is left for \"%1\""), {name},
                         false));
            if (group < 0) {
                group = -2;
                continue;
            }
            CChList& list = out_.database.favourites[static_cast<std::size_t>(group)].listFor(radio);
            if (list.empty() || list.back() != position)
                list.push_back(position);
        }
    }

    const ChannelDatabase& db_;
    const NameEncoding& encoding_;
    ReferenceList& out_;
    std::unordered_map<std::string, uint8_t> slots_;
    bool keepsAscii_;
    std::map<std::tuple<uint8_t, uint16_t, int>, uint16_t> transponders_;
    std::unordered_map<std::string, int> groupOf_; // -1: no group left for the name, -2: told
};

std::string lowerSuffix(std::string_view path, std::size_t length)
{
    return path.size() < length ? std::string() : folded(path.substr(path.size() - length));
}

} // namespace

bool isCsvReferencePath(std::string_view path)
{
    return lowerSuffix(path, 4) == ".csv";
}

Status readCsvReference(std::string_view text, const ChannelDatabase& db, const NameEncoding& encoding,
                        ReferenceList& out)
{
    out = ReferenceList{};
    std::vector<CsvRecord> records = splitCsv(text, csvSeparatorOf(text));
    if (records.empty())
        return StatusBadFormat;
    const std::optional<std::array<int, ColumnCount>> at = columnsOf(records.front().fields);
    if (!at)
        return StatusBadFormat;
    CsvReferenceBuilder builder(db, encoding, out);
    std::vector<Row> rows;
    rows.reserve(records.size() - 1);
    for (std::size_t r = 1; r < records.size(); ++r)
        if (std::optional<Row> row = builder.readRow(records[r], *at))
            rows.push_back(std::move(*row));
    if (rows.empty()) {
        std::vector<ReferenceRowProblem> problems = std::move(out.problems);
        out = ReferenceList{};
        out.problems = std::move(problems);
        return StatusBadFormat;
    }
    builder.build(std::move(rows));
    return StatusOk;
}

Outcome loadReferenceList(const std::string& path, const ChannelDatabase& db, const NameEncoding& encoding,
                          ReferenceList& out)
{
    out = ReferenceList{};
    if (!isCsvReferencePath(path))
        return openDatabase(out.database, path);
    std::vector<uint8_t> bytes;
    if (const Outcome read = readFileBytes(path, bytes); read != StatusOk)
        return read;
    return readCsvReference(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), db,
                            encoding, out);
}

} // namespace kvx
