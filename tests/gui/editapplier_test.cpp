#include <gtest/gtest.h>

#include <deque>

#include "db/tables.h"
#include "panels/editapplier.h"
#include "panels/networkpage.h"
#include "panels/programpage.h"
#include "panels/transponderpage.h"
#include "platform/nameencoding.h"
#include "platform/systemlanguage.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Plays back the user's answers and records every text shown; running out of answers is a failure.
class ScriptedHost : public ApplyHost {
public:
    std::deque<ApplyAnswer> answers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<ProgInfo> typeChanges;

    ApplyAnswer askApply(const std::string& question) override
    {
        questions.push_back(question);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question;
            return ApplyAnswer::Cancel;
        }
        const ApplyAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void reportInvalid(const std::string& message) override { messages.push_back(message); }
    void changeProgramType(const ProgInfo& stored) override { typeChanges.push_back(stored); }
};

class EditApplierTest : public testing::Test {
protected:
    EditApplierTest()
    {
        net.reset(5);
        net.name = "Hot Bird";
        net.degree = 130;
    }

    ApplyOutcome applyNetworkPage(bool ask)
    {
        networkPage.ReadNetworkPage();
        return applier.applyNetwork(ant, net, networkPage.workAnt(), networkPage.workNet(), ask);
    }

    NameEncoding encoding{"WINDOWS-1252"};
    ScriptedHost host;
    EditApplier applier{encoding, host};
    NetworkPage networkPage{encoding};
    AntInfo ant;
    NetInfo net;
};

TEST_F(EditApplierTest, UnchangedNetworkAsksNothing)
{
    networkPage.ShowNetwork(ant, net);
    const ApplyOutcome outcome = applyNetworkPage(true);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_FALSE(outcome.modified);
    EXPECT_TRUE(host.questions.empty());

    NetInfo terrestrial;
    terrestrial.reset(TERRESTRIAL_SLOT);
    networkPage.ShowNetwork(ant, terrestrial);
    networkPage.ReadNetworkPage();
    EXPECT_FALSE(
        applier.applyNetwork(ant, terrestrial, networkPage.workAnt(), networkPage.workNet(), true).modified);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(EditApplierTest, NoDiscardsNetworkAndAntennaEditsAlike)
{
    const AntInfo storedAnt = ant;
    networkPage.ShowNetwork(ant, net);
    pick(&networkPage, "lnbPower", "13V");
    host.answers = {ApplyAnswer::No};
    ApplyOutcome outcome = applyNetworkPage(true);
    EXPECT_EQ(host.questions.back(), EditApplier::kAntennaQuestion);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_FALSE(outcome.modified);
    EXPECT_EQ(ant, storedAnt);

    type(&networkPage, "degree", "19.2");
    host.answers = {ApplyAnswer::No};
    outcome = applyNetworkPage(true);
    EXPECT_EQ(host.questions.back(), EditApplier::kNetworkQuestion);
    EXPECT_FALSE(outcome.modified);
    EXPECT_EQ(ant, storedAnt);
    EXPECT_EQ(net.degree, 130);
}

TEST_F(EditApplierTest, CancelStopsAndYesAppliesBoth)
{
    void* item = &net;
    net.treeItem = item;
    networkPage.ShowNetwork(ant, net);
    pick(&networkPage, "lnbPower", "OFF");
    type(&networkPage, "name", "Hotbird 13E");
    host.answers = {ApplyAnswer::Cancel};
    EXPECT_EQ(applyNetworkPage(true).result, 1);
    EXPECT_EQ(net.name, "Hot Bird");

    host.answers = {ApplyAnswer::Yes};
    const ApplyOutcome outcome = applyNetworkPage(true);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_TRUE(outcome.modified);
    EXPECT_TRUE(outcome.refreshNetworkLabel);
    EXPECT_EQ(net.name, "Hotbird 13E");
    EXPECT_EQ(net.treeItem, item);
    EXPECT_EQ(ant.power & 3, 0);
}

TEST_F(EditApplierTest, WithoutAskingOnlyTheChangedAntennaIsWritten)
{
    networkPage.ShowNetwork(ant, net);
    pick(&networkPage, "diseqcSwitchLevel", "1.0");
    const ApplyOutcome outcome = applyNetworkPage(false);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(outcome.modified);
    EXPECT_FALSE(outcome.refreshNetworkLabel);
    EXPECT_EQ(ant.switchLevel(), 1);
    EXPECT_EQ(net.degree, 130);
}

TEST_F(EditApplierTest, SkewAndPositionerCountOnlyWhenInUse)
{
    networkPage.ShowNetwork(ant, net);
    NetInfo edited = net;
    edited.skewV = 1;
    edited.positionerId = 4;
    EXPECT_FALSE(applier.applyNetwork(ant, net, ant, edited, true).modified); // neither in use
    AntInfo withSkew = ant;
    withSkew.diseqc = 0x80;
    host.answers = {ApplyAnswer::Yes};
    EXPECT_TRUE(applier.applyNetwork(ant, net, withSkew, edited, true).modified);
    EXPECT_EQ(host.questions.back(), EditApplier::kNetworkQuestion);
    EXPECT_EQ(net.skewV, 1);
}

TEST_F(EditApplierTest, InvalidTransponderBlocksEvenWithoutAsking)
{
    TransponderPage page(encoding);
    TpInfo tp = TpInfo::create(5, 11475, 0);
    tp.symbolRate = 27500;
    const TpInfo stored = tp;
    page.ShowTransponder(tp);
    type(&page, "frequency", "");
    page.ReadTransponderPage();
    for (bool ask : {true, false}) {
        const ApplyOutcome outcome = applier.applyTransponder(tp, page.workTp(), page.terrestrialMode(), ask);
        EXPECT_EQ(outcome.result, 1);
        EXPECT_FALSE(outcome.modified);
    }
    EXPECT_EQ(host.messages, std::vector<std::string>(2, EditApplier::kInvalidTransponder));
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(tp.differs(stored));

    type(&page, "frequency", "11476");
    type(&page, "symbolRate", "0");
    page.ReadTransponderPage();
    EXPECT_EQ(applier.applyTransponder(tp, page.workTp(), page.terrestrialMode(), true).result, 1);
}

TEST_F(EditApplierTest, TerrestrialBandwidthEightMhzIsValid)
{
    TransponderPage page(encoding);
    TpInfo tp = TpInfo::create(TERRESTRIAL_SLOT, 474, 0);
    page.ShowTransponder(tp);
    type(&page, "frequency", "482");
    page.ReadTransponderPage();
    host.answers = {ApplyAnswer::Yes};
    const ApplyOutcome outcome = applier.applyTransponder(tp, page.workTp(), page.terrestrialMode(), true);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_TRUE(outcome.refreshTransponderLabel);
    EXPECT_EQ(tp.frequency, 482);
    EXPECT_EQ(host.questions.back(), EditApplier::kTransponderQuestion);
}

TEST_F(EditApplierTest, TransponderLabelRefreshesOnlyForShownFields)
{
    TransponderPage page(encoding);
    TpInfo tp = TpInfo::create(5, 11475, 0);
    tp.symbolRate = 27500;
    page.ShowTransponder(tp);
    page.ReadTransponderPage();
    EXPECT_EQ(applier.applyTransponder(tp, page.workTp(), false, true).modified, false);

    type(&page, "freqDrift", "3");
    page.ReadTransponderPage();
    ApplyOutcome outcome = applier.applyTransponder(tp, page.workTp(), false, false);
    EXPECT_TRUE(outcome.modified);
    EXPECT_FALSE(outcome.refreshTransponderLabel);
    pick(&page, "polarity", "Horz");
    page.ReadTransponderPage();
    outcome = applier.applyTransponder(tp, page.workTp(), false, false);
    EXPECT_TRUE(outcome.refreshTransponderLabel);
    EXPECT_EQ(tp.polarity(), 1);
    EXPECT_EQ(tp.freqDrift, 3);
}

TEST_F(EditApplierTest, ProgramTypeChangeMovesBetweenChannelListsBeforeTheCopy)
{
    ProgramPage page(encoding, LANG_ENGLISH);
    ProgInfo prog = ProgInfo::create(0, 0x10);
    prog.name = "Radio 1";
    prog.spareWord = 0x1234;
    page.ShowProgram(prog);
    page.ReadProgramPage(1);
    EXPECT_FALSE(applier.applyProgram(prog, page.workProg(), true).modified);

    click(&page, "serviceTypeRadio");
    page.ReadProgramPage(1);
    host.answers = {ApplyAnswer::Yes};
    const ApplyOutcome outcome = applier.applyProgram(prog, page.workProg(), true);
    EXPECT_EQ(host.questions.back(), EditApplier::kProgramQuestion);
    ASSERT_EQ(host.typeChanges.size(), 1u);
    EXPECT_FALSE(host.typeChanges.front().isRadio()); // told while the record is still TV
    EXPECT_TRUE(prog.isRadio());
    EXPECT_TRUE(outcome.modified);
    EXPECT_FALSE(outcome.refreshProgramLabel);
    EXPECT_EQ(prog.spareWord, 0x1234);
}

TEST_F(EditApplierTest, ProgramLabelRefreshesForNameAndShownCaBits)
{
    ProgInfo prog = ProgInfo::create(0, 0x10);
    ProgInfo edited = prog;
    edited.caSystems = 1u << 20;
    EXPECT_FALSE(applier.applyProgram(prog, edited, false).refreshProgramLabel);
    edited.caSystems |= 1u << 30;
    EXPECT_TRUE(applier.applyProgram(prog, edited, false).refreshProgramLabel);
    edited.name = "New";
    host.answers = {ApplyAnswer::No};
    const ApplyOutcome outcome = applier.applyProgram(prog, edited, true);
    EXPECT_FALSE(outcome.modified);
    EXPECT_EQ(prog.name, "");
}

} // namespace
