#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/channeldatabase.h"
#include "import/progresssink.h"
#include "support/sampledatabase.h"

namespace kvx::test {

struct TpSpec {
    uint16_t frequency;
    uint8_t tpFlags;
    uint16_t symbolRate;
    std::string name; // identifies the transponder; its programs are named "<name>/<n>"
};

// A satellite database whose slots 0, 1 and 2 hold the given transponders, in that order in the list,
// each transponder with two programs (TV then radio); favourite group 0 holds every program.
inline ChannelDatabase databaseWithNetworks(const std::vector<std::vector<TpSpec>>& networks)
{
    ChannelDatabase db = makeEmptyModel(1, FLAG_TP_EXTRA | FLAG_TP_NAMES);
    for (std::size_t slot = 0; slot < networks.size(); ++slot) {
        db.networks[slot].name = "Net " + std::to_string(slot);
        for (const TpSpec& wanted : networks[slot]) {
            TpInfo tp = TpInfo::create(static_cast<uint8_t>(slot), wanted.frequency, wanted.tpFlags);
            tp.symbolRate = wanted.symbolRate;
            tp.name = wanted.name;
            tp.tpExtra = {7, 8, 9, 0};
            db.transponders.append(tp);
        }
    }
    for (std::size_t t = 0; t < db.transponders.size(); ++t) {
        for (int n = 0; n < 2; ++n) {
            ProgInfo prog = ProgInfo::create(static_cast<uint16_t>(t), static_cast<uint16_t>(100 * t + n));
            prog.name = db.transponders[t].name + "/" + std::to_string(n);
            prog.attributes = n == 1 ? ATTR_RADIO : 0;
            const auto position = static_cast<uint16_t>(db.programs.size());
            db.favourites[0].listFor(n == 1).push_back(position);
            db.programs.append(prog);
        }
    }
    return db;
}

// Every program still belongs to the transponder it was made for, and every favourite entry names a
// program of its type.
inline void expectReferencesIntact(const ChannelDatabase& db)
{
    for (const ProgInfo& prog : db.programs) {
        ASSERT_LT(prog.tpIndex, db.transponders.size()) << prog.name;
        EXPECT_EQ(db.transponders[prog.tpIndex].name + "/", prog.name.substr(0, prog.name.find('/') + 1));
    }
    for (const FavInfo& fav : db.favourites) {
        for (const bool radio : {false, true}) {
            for (const uint16_t entry : fav.listFor(radio)) {
                ASSERT_LT(entry, db.programs.size());
                EXPECT_EQ(db.programs[entry].isRadio(), radio);
            }
        }
    }
}

// The names of the transponders of one slot, in list order.
inline std::vector<std::string> transponderNames(const ChannelDatabase& db, uint8_t slot)
{
    std::vector<std::string> names;
    for (const TpInfo& tp : db.transponders)
        if (tp.netIndex == slot)
            names.push_back(tp.name);
    return names;
}

// The transponders of one slot, in list order.
inline std::vector<const TpInfo*> transpondersOf(const ChannelDatabase& db, uint8_t slot)
{
    std::vector<const TpInfo*> tps;
    for (const TpInfo& tp : db.transponders)
        if (tp.netIndex == slot)
            tps.push_back(&tp);
    return tps;
}

class RecordingProgress final : public ProgressSink {
public:
    void setText(const std::string& value) override { text = value; }
    void setRange(int upper) override { range = upper; }
    void step() override { ++steps; }
    std::string text;
    int range = -1;
    int steps = 0;
};

} // namespace kvx::test
