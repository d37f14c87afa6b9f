#pragma once

#include <string>
#include <vector>

#include "db/channeldatabase.h"
#include "support/sampledatabase.h"

namespace kvx::test {

// A small satellite database for the channel list. Programs, by position:
//   0 "Alpha"     TV    Astra   11000 V   Viaccess
//   1 "Radio One" radio Astra   11000 V
//   2 "bravo"     TV    Hotbird 12000 H   Conax/Unknown
//   3 "Charlie"   TV    Astra   11500 H
//   4 "Radio Two" radio Hotbird 12000 H
//   5 "delta"     TV    Hotbird 12000 H
// Favourites: "News" TV [2, 0] radio [4]; "Drama" TV [3]; "Hobby" TV [5]; the other groups empty.
// Slot 2 "Thor" has no programs.
inline ChannelDatabase makeChannelListDatabase()
{
    ChannelDatabase db = makeEmptyModel(1, FLAG_PROG_CA | FLAG_TP_NAMES);
    db.networks[0].name = "Astra";
    db.networks[1].name = "Hotbird";
    db.networks[2].name = "Thor";
    db.transponders.append(TpInfo::create(0, 11000, 0));
    db.transponders.append(TpInfo::create(1, 12000, 1));
    db.transponders.append(TpInfo::create(0, 11500, 1));
    struct Row {
        const char* name;
        uint16_t tp;
        bool radio;
        uint32_t ca;
    };
    for (const Row& row : std::vector<Row>{{"Alpha", 0, false, 0x1},
                                           {"Radio One", 0, true, 0},
                                           {"bravo", 1, false, 0x40000080},
                                           {"Charlie", 2, false, 0},
                                           {"Radio Two", 1, true, 0},
                                           {"delta", 1, false, 0}}) {
        ProgInfo prog = ProgInfo::create(row.tp, static_cast<uint16_t>(db.programs.size() + 100));
        prog.name = row.name;
        prog.attributes = row.radio ? ATTR_RADIO : 0;
        prog.caSystems = row.ca;
        db.programs.append(std::move(prog));
    }
    db.favourites[0].tvList = {2, 0};
    db.favourites[0].radioList = {4};
    db.favourites[2].tvList = {3};
    db.favourites[3].tvList = {5};
    return db;
}

// The program names in list order.
inline std::vector<std::string> programNames(const ChannelDatabase& db)
{
    std::vector<std::string> names;
    for (const ProgInfo& prog : db.programs)
        names.push_back(prog.name);
    return names;
}

// The names of the programs a favourite list names.
inline std::vector<std::string> favouriteNames(const ChannelDatabase& db, const CChList& list)
{
    std::vector<std::string> names;
    for (uint16_t entry : list)
        names.push_back(db.programs[entry].name);
    return names;
}

} // namespace kvx::test
