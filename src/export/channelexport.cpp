#include "export/channelexport.h"

#include <algorithm>

#include "db/tables.h"
#include "export/channelorder.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

const std::vector<std::string> kColumns = {
    "Number",     "Type",        "Name",          "Network",   "Frequency",
    "Polarity",   "Symbol rate", "Service ID",    "PMT PID",   "PCR PID",
    "Video PIDs", "Audio PIDs",  "Teletext PIDs", "Scrambled", "Favourite groups"};

std::string pidText(uint16_t pid)
{
    return pid == NO_PID ? std::string() : std::to_string(pid & PID_MASK);
}

std::string pidListText(const PidList& list)
{
    std::string text;
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (k > 0)
            text += ' ';
        text += std::to_string(list.pidWord(k) & PID_MASK);
    }
    return text;
}

// For every program, the names of the favourite groups that list it, joined with '/'. A group without a
// name is called "Fav" and its number, as the channel list calls it.
std::vector<std::string> favouriteTexts(const ChannelDatabase& db, const NameEncoding& encoding)
{
    std::vector<std::string> texts(db.programs.size());
    for (std::size_t g = 0; g < db.favourites.size(); ++g) {
        const FavInfo& fav = db.favourites[g];
        const std::string name = fav.name.empty() ? "Fav" + std::to_string(g + 1) : encoding.toUtf8(fav.name);
        std::vector<bool> listed(db.programs.size(), false);
        for (const CChList* list : {&fav.tvList, &fav.radioList})
            for (uint16_t entry : *list)
                if (entry < listed.size())
                    listed[entry] = true;
        for (std::size_t k = 0; k < listed.size(); ++k) {
            if (!listed[k])
                continue;
            if (!texts[k].empty())
                texts[k] += '/';
            texts[k] += name;
        }
    }
    return texts;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void appendCsvLine(std::string& out, const std::vector<std::string>& fields)
{
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            out += ',';
        out += csvField(fields[k]);
    }
    out += "\r\n";
}

std::string htmlEscaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string csvText(const ChannelDatabase& db, const NameEncoding& encoding)
{
    std::string out;
    appendCsvLine(out, kColumns);
    for (const std::vector<std::string>& row : exportRows(db, encoding))
        appendCsvLine(out, row);
    return out;
}

std::string htmlText(const ChannelDatabase& db, const NameEncoding& encoding, const std::string& title)
{
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      htmlEscaped(title) +
                      "</title>\n<style>table{border-collapse:collapse}th,td{border:1px solid #999;"
                      "padding:2px 6px;text-align:left}</style>\n</head>\n<body>\n<h1>" +
                      htmlEscaped(title) + "</h1>\n<table>\n<tr>";
    for (const std::string& column : kColumns)
        out += "<th>" + htmlEscaped(column) + "</th>";
    out += "</tr>\n";
    for (const std::vector<std::string>& row : exportRows(db, encoding)) {
        out += "<tr>";
        for (const std::string& field : row)
            out += "<td>" + htmlEscaped(field) + "</td>";
        out += "</tr>\n";
    }
    return out + "</table>\n</body>\n</html>\n";
}

} // namespace

std::optional<ExportFormat> exportFormatNamed(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    if (lower == "csv")
        return ExportFormat::Csv;
    if (lower == "html" || lower == "htm")
        return ExportFormat::Html;
    return std::nullopt;
}

const std::vector<std::string>& exportColumns()
{
    return kColumns;
}

std::vector<std::vector<std::string>> exportRows(const ChannelDatabase& db, const NameEncoding& encoding)
{
    const std::vector<std::string> favourites = favouriteTexts(db, encoding);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(db.programs.size());
    for (const ChannelListEntry& entry : channelListOrder(db)) {
        const ProgInfo& prog = db.programs[entry.programIndex];
        const TpInfo* tp = db.transponders.at(prog.tpIndex);
        const NetInfo* net = tp != nullptr ? db.networks.at(tp->netIndex) : nullptr;
        // A terrestrial channel has neither polarity nor symbol rate; its rate field holds the bandwidth.
        const bool satellite = tp != nullptr && !tp->isTerrestrial();
        rows.push_back({
            std::to_string(entry.number),
            entry.radio ? "Radio" : "TV",
            programNameUtf8(prog, encoding),
            net != nullptr ? networkLabelUtf8(*net, encoding) : std::string(),
            tp != nullptr ? std::to_string(tp->frequency) : std::string(),
            satellite ? std::string(kPolarityLetters[static_cast<std::size_t>(tp->polarity())])
                      : std::string(),
            satellite ? std::to_string(tp->symbolRate) : std::string(),
            std::to_string(prog.serviceId),
            pidText(prog.pmtPid),
            pidText(prog.pcrPid),
            pidListText(prog.videoPids),
            pidListText(prog.audioPids),
            pidListText(prog.teletextPids),
            (prog.attributes & ATTR_SCRAMBLED) ? "Yes" : "No",
            favourites[entry.programIndex],
        });
    }
    return rows;
}

std::string exportChannelList(const ChannelDatabase& db, const NameEncoding& encoding, ExportFormat format,
                              const std::string& title)
{
    return format == ExportFormat::Csv ? csvText(db, encoding) : htmlText(db, encoding, title);
}

} // namespace kvx
