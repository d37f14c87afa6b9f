// The saved pages of tests/data/lyngsat, merged into networks built to hold what trips a comparison up:
// circular transponders, moved frequencies, exact matches listed behind a neighbour, repeats. What the
// plan says it does must be what applying it does, as an independent comparison of the two files sees it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "db/applychanges.h"
#include "db/databasediff.h"
#include "import/lyngsatupdate.h"
#include "importdatabase.h"

using namespace kvx;

namespace {

constexpr uint8_t kSlot = 1;

std::string readPage(const char* name)
{
    std::ifstream file(std::filesystem::path(KVX_TEST_DATA_DIR) / "lyngsat" / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

LyngSatOptions everyRow(LyngSatBand band)
{
    LyngSatOptions options;
    options.band = band;
    options.includeDvbS2 = options.includeHd = options.includeFeeds = true;
    return options;
}

uint8_t otherInClass(uint8_t polarity)
{
    return static_cast<uint8_t>(polarity ^ 2); // H <-> L, V <-> R
}

// A network for the page: of its transponders, some stored 1 MHz off, some in the other polarisation of
// their class, some exactly as listed, some missing; the first one stored behind a neighbour 2 MHz
// above it; and transponders the page does not list.
std::vector<test::TpSpec> networkFor(const std::string& page, LyngSatBand band)
{
    const ChannelDatabase empty = test::databaseWithNetworks({{}, {}, {}});
    const LyngSatPlan listed = planLyngSatPage(page, empty, kSlot, everyRow(band));
    std::vector<test::TpSpec> network;
    int k = 0;
    for (const Change& change : listed.changes.changes()) {
        if (change.kind != ChangeKind::Add || change.repeatsRow > 0)
            continue;
        const TpInfo& tp = change.after;
        const std::string name = "T" + std::to_string(k);
        switch (k++ % 4) {
        case 0:
            if (k == 1)
                network.push_back({static_cast<uint16_t>(tp.frequency + 2), tp.tpFlags, tp.symbolRate, "N"});
            network.push_back(
                {static_cast<uint16_t>(tp.frequency - (k == 1 ? 0 : 1)), tp.tpFlags, 22000, name});
            break;
        case 1:
            network.push_back(
                {tp.frequency,
                 static_cast<uint8_t>((tp.tpFlags & ~TP_POLARITY_MASK) | otherInClass(tp.polarity())),
                 tp.symbolRate, name});
            break;
        case 2: break;
        case 3: network.push_back({tp.frequency, tp.tpFlags, tp.symbolRate, name}); break;
        }
    }
    for (const uint16_t frequency : {uint16_t{2000}, uint16_t{2100}, uint16_t{13000}})
        network.push_back({frequency, 1, 27500, "gone" + std::to_string(frequency)});
    return network;
}

std::multiset<std::string> namesOfRemovedPrograms(const ChangeSet& changes, const ChangeSelection& selection)
{
    std::multiset<std::string> names;
    for (std::size_t k = 0; k < changes.size(); ++k)
        if (selection[k])
            for (const ProgramGone& prog : changes[k].programs)
                names.insert(prog.name);
    return names;
}

} // namespace

TEST(ChangeSetOnSavedPages, WhatThePlanListsIsWhatApplyingItDoes)
{
    const std::vector<std::pair<const char*, LyngSatBand>> pages = {{"astra19.html", LyngSatBand::Ku},
                                                                    {"eutelsat5w.html", LyngSatBand::Ku},
                                                                    {"express36.html", LyngSatBand::Ku},
                                                                    {"intelsat20.html", LyngSatBand::C}};
    for (const auto& [name, band] : pages) {
        const std::string page = readPage(name);
        ASSERT_FALSE(page.empty()) << name;
        const ChannelDatabase db = test::databaseWithNetworks(
            {{{11000, 1, 22000, "A"}}, networkFor(page, band), {{12000, 0, 27500, "C"}}});
        std::vector<LyngSatOptions> variants(4, everyRow(band));
        variants[1].includeDvbS2 = false;
        variants[2].removeOutdated = false;
        variants[3].sortByFrequency = false;
        for (std::size_t v = 0; v < variants.size(); ++v) {
            SCOPED_TRACE(std::string(name) + ", variant " + std::to_string(v));
            const LyngSatPlan plan = planLyngSatPage(page, db, kSlot, variants[v]);
            for (const bool withRepeats : {false, true}) {
                const ChangeSelection selection =
                    withRepeats ? plan.changes.allSelected() : plan.changes.defaultSelection();
                const ChangeCounts counts = plan.changes.countsOf(selection);
                ChannelDatabase after = db;
                ASSERT_EQ(applyChanges(after, plan.changes, selection), StatusOk);
                test::expectReferencesIntact(after);

                const DatabaseDiff diff = compareDatabases(db, after);
                EXPECT_EQ(diff.transpondersAdded.size(), static_cast<std::size_t>(counts.added));
                EXPECT_EQ(diff.transpondersChanged.size(), static_cast<std::size_t>(counts.updated));
                EXPECT_EQ(diff.transpondersRemoved.size(), static_cast<std::size_t>(counts.removed));
                std::multiset<std::string> removed;
                for (const ProgramKey& prog : diff.programsRemoved)
                    removed.insert(prog.name);
                EXPECT_EQ(removed, namesOfRemovedPrograms(plan.changes, selection));
                for (const TransponderPresence& added : diff.transpondersAdded)
                    EXPECT_EQ(added.programs, 0);
            }
            if (variants[v].removeOutdated && plan.result.rows > 0)
                EXPECT_GE(plan.result.removed, 3);
            else
                EXPECT_EQ(plan.result.removed, 0);
        }
    }
}
