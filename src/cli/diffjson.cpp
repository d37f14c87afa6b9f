#include "cli/diffjson.h"

#include <sstream>

#include "cli/databasejson.h"
#include "platform/nameencoding.h"

namespace kvx {

using nlohmann::ordered_json;

namespace {

ordered_json valueJson(const DiffValue& value, const NameEncoding& encoding)
{
    switch (value.kind) {
    case DiffValue::Kind::Number: return value.number;
    case DiffValue::Kind::Name: return nameText(value.text, value.codePage, encoding);
    case DiffValue::Kind::Text: break;
    }
    return value.text;
}

ordered_json fieldsJson(const std::vector<FieldChange>& fields, const NameEncoding& encoding)
{
    ordered_json out = ordered_json::object();
    for (const FieldChange& change : fields) {
        ordered_json& field = out[change.field];
        field = {{"old", valueJson(change.before, encoding)}, {"new", valueJson(change.after, encoding)}};
        if (!change.note.empty())
            field["note"] = change.note;
    }
    return out;
}

ordered_json transponderJson(const TpInfo& tp)
{
    return {
        {"network", tp.netIndex},      {"frequency", tp.frequency}, {"polarity", polarityText(tp.polarity())},
        {"symbolRate", tp.symbolRate}, {"system", systemText(tp)},  {"fec", fecText(tp)}};
}

ordered_json presenceJson(const TransponderPresence& entry)
{
    ordered_json out = transponderJson(entry.record);
    out["programs"] = entry.programs;
    return out;
}

ordered_json programJson(const ProgramKey& key, const NameEncoding& encoding)
{
    return {{"name", nameText(key.name, key.nameCodePage, encoding)},
            {"serviceId", key.serviceId},
            {"network", key.transponder.slot},
            {"frequency", key.transponder.frequency},
            {"polarity", polarityText(key.transponder.polarity)}};
}

template <class List, class ToJson>
ordered_json arrayOf(const List& list, ToJson toJson)
{
    ordered_json out = ordered_json::array();
    for (const auto& entry : list)
        out.push_back(toJson(entry));
    return out;
}

std::string valueText(const DiffValue& value, const NameEncoding& encoding)
{
    switch (value.kind) {
    case DiffValue::Kind::Number: return std::to_string(value.number);
    case DiffValue::Kind::Name: return '"' + nameText(value.text, value.codePage, encoding) + '"';
    case DiffValue::Kind::Text: break;
    }
    return value.text;
}

std::string fieldsText(const std::vector<FieldChange>& fields, const NameEncoding& encoding)
{
    std::string text;
    for (const FieldChange& change : fields)
        text += (text.empty() ? "" : ", ") + change.field + ' ' + valueText(change.before, encoding) +
                " -> " + valueText(change.after, encoding) +
                (change.note.empty() ? "" : " (" + change.note + ')');
    return text;
}

std::string transponderText(const TpInfo& tp)
{
    return "network " + std::to_string(tp.netIndex) + ' ' + std::to_string(tp.frequency) + ' ' +
           polarityText(tp.polarity()) + ' ' + std::to_string(tp.symbolRate) + ' ' + systemText(tp) + ' ' +
           fecText(tp);
}

std::string programText(const ProgramKey& key, const NameEncoding& encoding)
{
    return '"' + nameText(key.name, key.nameCodePage, encoding) + "\" (service " +
           std::to_string(key.serviceId) + ", network " + std::to_string(key.transponder.slot) + ' ' +
           std::to_string(key.transponder.frequency) + ' ' + polarityText(key.transponder.polarity) + ')';
}

} // namespace

ordered_json diffJson(const DatabaseDiff& diff, const NameEncoding& encoding)
{
    const auto changedNetwork = [&](const NetworkChange& change) {
        return ordered_json{{"slot", change.slot},
                            {"name", encoding.toUtf8(change.name)},
                            {"fields", fieldsJson(change.fields, encoding)}};
    };
    const auto changedTransponder = [&](const TransponderChange& change) {
        return ordered_json{{"network", change.before.netIndex},
                            {"frequency", change.before.frequency},
                            {"polarity", polarityText(change.before.polarity())},
                            {"fields", fieldsJson(change.fields, encoding)}};
    };
    const auto program = [&](const ProgramKey& key) { return programJson(key, encoding); };
    const auto changedProgram = [&](const ProgramChange& change) {
        ordered_json out = programJson(change.key, encoding);
        out["fields"] = fieldsJson(change.fields, encoding);
        return out;
    };
    const auto changedFavourite = [&](const FavouriteChange& change) {
        return ordered_json{{"group", change.group + 1},
                            {"name", encoding.toUtf8(change.name)},
                            {"fields", fieldsJson(change.fields, encoding)}};
    };
    ordered_json out;
    out["networks"] = {{"changed", arrayOf(diff.networks, changedNetwork)}};
    out["transponders"] = {{"added", arrayOf(diff.transpondersAdded, presenceJson)},
                           {"removed", arrayOf(diff.transpondersRemoved, presenceJson)},
                           {"changed", arrayOf(diff.transpondersChanged, changedTransponder)},
                           {"reordered", diff.transpondersReordered}};
    out["programs"] = {{"added", arrayOf(diff.programsAdded, program)},
                       {"removed", arrayOf(diff.programsRemoved, program)},
                       {"changed", arrayOf(diff.programsChanged, changedProgram)},
                       {"reordered", diff.programsReordered}};
    out["favourites"] = {{"changed", arrayOf(diff.favourites, changedFavourite)}};
    out["stamp"] = diff.stamp ? ordered_json{{"old", stampJson(diff.stamp->first)},
                                             {"new", stampJson(diff.stamp->second)}}
                              : ordered_json(nullptr);
    out["file"] = {{"changed", fieldsJson(diff.file, encoding)}};
    return out;
}

std::string diffText(const DatabaseDiff& diff, const NameEncoding& encoding)
{
    if (diff.empty())
        return "No differences\n";
    std::ostringstream out;
    if (!diff.file.empty())
        out << "File: " << fieldsText(diff.file, encoding) << '\n';
    if (diff.stamp)
        out << "Stamp: " << stampJson(diff.stamp->first).dump() << " -> "
            << stampJson(diff.stamp->second).dump() << '\n';
    for (const NetworkChange& change : diff.networks)
        out << "Network " << change.slot << " \"" << encoding.toUtf8(change.name)
            << "\" changed: " << fieldsText(change.fields, encoding) << '\n';
    for (const TransponderPresence& entry : diff.transpondersAdded)
        out << "Transponder added: " << transponderText(entry.record) << " (" << entry.programs
            << " programs)\n";
    for (const TransponderPresence& entry : diff.transpondersRemoved)
        out << "Transponder removed: " << transponderText(entry.record) << " (" << entry.programs
            << " programs)\n";
    for (const TransponderChange& change : diff.transpondersChanged)
        out << "Transponder changed: " << transponderText(change.before) << ": "
            << fieldsText(change.fields, encoding) << '\n';
    if (diff.transpondersReordered)
        out << "Transponders reordered\n";
    for (const ProgramKey& key : diff.programsAdded)
        out << "Program added: " << programText(key, encoding) << '\n';
    for (const ProgramKey& key : diff.programsRemoved)
        out << "Program removed: " << programText(key, encoding) << '\n';
    for (const ProgramChange& change : diff.programsChanged)
        out << "Program changed: " << programText(change.key, encoding) << ": "
            << fieldsText(change.fields, encoding) << '\n';
    if (diff.programsReordered)
        out << "Programs reordered\n";
    for (const FavouriteChange& change : diff.favourites)
        out << "Favourite group " << change.group + 1 << " \"" << encoding.toUtf8(change.name)
            << "\" changed: " << fieldsText(change.fields, encoding) << '\n';
    return out.str();
}

} // namespace kvx
