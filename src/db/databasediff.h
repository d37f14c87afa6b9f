#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "db/channeldatabase.h"
#include "db/stamp.h"
#include "db/tables.h"

namespace kvx {

class NameEncoding;

// One value of a compared field: a number, a name in the file's bytes (the caller decodes it), or a
// readable text such as "H" or "3/4".
struct DiffValue {
    enum class Kind : uint8_t { Number, Name, Text };
    Kind kind = Kind::Number;
    int64_t number = 0;
    std::string text;
    uint8_t codePage = NAME_CODE_PAGE_NONE; // of a name: 2 is ISO 8859-5 whatever the file's encoding

    static DiffValue ofNumber(int64_t value) { return {Kind::Number, value, {}}; }
    static DiffValue ofName(std::string bytes, uint8_t codePage = NAME_CODE_PAGE_NONE)
    {
        return {Kind::Name, 0, std::move(bytes), codePage};
    }
    static DiffValue ofText(std::string text) { return {Kind::Text, 0, std::move(text)}; }
    bool operator==(const DiffValue&) const = default;
};

struct FieldChange {
    std::string field;
    DiffValue before;
    DiffValue after;
    std::string note; // what the values leave out, such as "2 added, 2 removed" of a list; may be empty
};

// A transponder as a reader finds it: its network slot, frequency and polarity.
struct TransponderKey {
    int slot = 0;
    uint16_t frequency = 0;
    int polarity = 0;
};

// A program by its transponder, name and service ID.
struct ProgramKey {
    TransponderKey transponder;
    std::string name;
    uint16_t serviceId = 0;
    uint8_t nameCodePage = NAME_CODE_PAGE_NONE;
};

struct NetworkChange {
    int slot = 0;
    std::string name; // the name before
    std::vector<FieldChange> fields;
};

// A transponder only one side holds, with the number of programs that come or go with it.
struct TransponderPresence {
    TpInfo record;
    int programs = 0;
};

struct TransponderChange {
    TpInfo before;
    TpInfo after;
    std::vector<FieldChange> fields;
};

struct ProgramChange {
    ProgramKey key; // as before
    std::vector<FieldChange> fields;
};

struct FavouriteChange {
    int group = 0;
    std::string name; // the name before
    std::vector<FieldChange> fields;
};

// What changed from one database to another. Networks pair by slot; transponders pair within a network
// by the update's rule: the same H/V class (V with R, H with L), equal frequencies first, then the
// nearest within 2 MHz; programs pair by their paired transponder and service ID; favourite groups by
// number, a changed list by its counts with a note of what was added, removed or reordered.
struct DatabaseDiff {
    std::vector<FieldChange> file; // version, layout flags, compressed form
    std::vector<NetworkChange> networks;
    std::vector<TransponderPresence> transpondersAdded;
    std::vector<TransponderPresence> transpondersRemoved;
    std::vector<TransponderChange> transpondersChanged;
    bool transpondersReordered = false;
    std::vector<ProgramKey> programsAdded;
    std::vector<ProgramKey> programsRemoved;
    std::vector<ProgramChange> programsChanged;
    bool programsReordered = false;
    std::vector<FavouriteChange> favourites;
    std::optional<std::pair<Stamp, Stamp>> stamp;

    bool empty() const;
};

DatabaseDiff compareDatabases(const ChannelDatabase& before, const ChannelDatabase& after);

// "DVB-S" or "DVB-S2", the FEC's name ("3/4", or the code's number when it has none) and the
// polarity's letter, as the comparison reports them.
std::string systemText(const TpInfo& tp);
std::string fecText(const TpInfo& tp);
std::string polarityText(int polarity);

// A name's bytes as UTF-8: by its own code page when it has one (2, ISO 8859-5), else by `encoding`.
std::string nameText(const std::string& bytes, uint8_t codePage, const NameEncoding& encoding);

} // namespace kvx
