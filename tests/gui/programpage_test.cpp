#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "db/tables.h"
#include "panels/dlgaudio.h"
#include "panels/programpage.h"
#include "platform/nameencoding.h"
#include "platform/systemlanguage.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

class ProgramPageTest : public testing::Test {
protected:
    ProgramPageTest()
    {
        prog = ProgInfo::create(4, 0x1234);
        prog.name = "Das Erste";
        prog.pmtPid = 0x100;
        prog.pcrPid = 0x101;
        prog.videoPids.append(NO_LANGUAGE, 0x101);
        prog.audioPids.append(6, 0x102);
        prog.teletextPids.append(NO_LANGUAGE, 0x104);
    }

    const ProgInfo& read(int ask = 0)
    {
        page.ReadProgramPage(ask);
        return page.workProg();
    }

    // The audio dialog as the user drives it: `edit` works on it, then OK or Cancel ends it.
    void answerAudioDialog(std::function<void(CDlgAudio&)> edit, bool ok)
    {
        page.setAudioEditor([this, edit, ok](const PidList& list) -> std::optional<PidList> {
            ++audioDialogRuns;
            CDlgAudio dialog;
            dialog.setErrorReporter([](const QString& text) { ADD_FAILURE() << text.toStdString(); });
            dialog.setPidList(list);
            edit(dialog);
            if (!ok) {
                dialog.reject();
                return std::nullopt;
            }
            dialog.accept();
            return dialog.pidList();
        });
    }

    NameEncoding encoding{"WINDOWS-1251"};
    ProgramPage page{encoding, LANG_ENGLISH};
    ProgInfo prog;
    int audioDialogRuns = 0;
};

TEST_F(ProgramPageTest, ShowsTheFieldsInHexadecimal)
{
    prog.pmtPid = NO_PID;
    prog.audioPids.append(NO_LANGUAGE, 0x4103); // a second track marked AC3
    page.ShowProgram(prog);
    EXPECT_EQ(text(&page, "name"), "Das Erste");
    EXPECT_EQ(text(&page, "serviceId"), "0x1234");
    EXPECT_EQ(text(&page, "pmtPid"), "");
    EXPECT_EQ(text(&page, "pcrPid"), "0x0101");
    EXPECT_EQ(text(&page, "videoPid"), "0x0101");
    EXPECT_EQ(text(&page, "audioPid"), "0x0102");
    EXPECT_TRUE(checked(&page, "ac3")); // any track's mark counts
    EXPECT_EQ(text(&page, "teletextPid"), "0x0104");
    EXPECT_TRUE(checked(&page, "serviceTypeTv"));
    EXPECT_FALSE(enabled(&page, "caViaccess"));

    // Untouched, the page gives the record back.
    EXPECT_FALSE(prog.differs(read(), encoding));
    EXPECT_EQ(page.workProg().pmtPid, NO_PID);
}

TEST_F(ProgramPageTest, NumbersAreReadLeniently)
{
    page.ShowProgram(prog);
    type(&page, "serviceId", "256");
    type(&page, "pmtPid", "");
    type(&page, "pcrPid", "junk");
    type(&page, "videoPid", "0xFFFFF"); // 16 bits kept, not masked; a fifth digit is refused
    type(&page, "teletextPid", "0");
    const ProgInfo& edited = read();
    EXPECT_EQ(edited.serviceId, 0x100);
    EXPECT_EQ(edited.pmtPid, NO_PID);
    EXPECT_EQ(edited.pcrPid, NO_PID);
    ASSERT_EQ(edited.videoPids.size(), 1u);
    EXPECT_EQ(edited.videoPids.pidWord(0), 0xFFFF);
    EXPECT_TRUE(edited.teletextPids.empty());
    page.ShowProgram(edited);
    EXPECT_EQ(text(&page, "serviceId"), "0x0100");
}

TEST_F(ProgramPageTest, RadioDisablesAndEmptiesTheVideoPid)
{
    page.ShowProgram(prog);
    click(&page, "serviceTypeRadio");
    EXPECT_FALSE(enabled(&page, "videoPid"));
    const ProgInfo& edited = read();
    EXPECT_TRUE(edited.isRadio());
    EXPECT_TRUE(edited.videoPids.empty());
    click(&page, "serviceTypeTv");
    EXPECT_TRUE(enabled(&page, "videoPid"));
    EXPECT_FALSE(read().isRadio());
}

TEST_F(ProgramPageTest, AudioAndTeletextMarks)
{
    prog.audioPids.clear();
    page.ShowProgram(prog);
    EXPECT_EQ(text(&page, "audioPid"), "");
    type(&page, "audioPid", "0x2101"); // the last digit would not fit 13 bits
    EXPECT_EQ(text(&page, "audioPid"), "0x210");
    type(&page, "audioPid", "0x101");
    click(&page, "ac3");
    type(&page, "teletextPid", "0x105");
    click(&page, "subtitles");
    const ProgInfo& edited = read();
    ASSERT_EQ(edited.audioPids.size(), 1u);
    EXPECT_EQ(edited.audioPids.entry(0), (AudioInfo{NO_LANGUAGE, 0x4101}));
    ASSERT_EQ(edited.teletextPids.size(), 1u);
    EXPECT_EQ(edited.teletextPids.pidWord(0), 0x4105);
}

TEST_F(ProgramPageTest, TwoTrackAudioKeepsTheFirstTracksAc3Mark)
{
    prog.audioPids.clear();
    prog.audioPids.append(0, 0x4102); // ENG, AC3
    prog.audioPids.append(6, 0x0103); // GER
    page.ShowProgram(prog);
    EXPECT_TRUE(checked(&page, "ac3"));

    answerAudioDialog([](CDlgAudio&) {}, false);
    click(&page, "ac3"); // with two tracks the box opens the dialog instead
    EXPECT_EQ(audioDialogRuns, 1);
    EXPECT_TRUE(checked(&page, "ac3"));

    type(&page, "audioPid", "0x200");
    const ProgInfo& edited = read();
    ASSERT_EQ(edited.audioPids.size(), 2u);
    EXPECT_EQ(edited.audioPids.entry(0), (AudioInfo{0, 0x4200}));
    EXPECT_EQ(edited.audioPids.entry(1), (AudioInfo{6, 0x0103}));

    type(&page, "audioPid", "");
    EXPECT_TRUE(read().audioPids.empty());
}

TEST_F(ProgramPageTest, MoreAudioReplacesTheListOnOkOnly)
{
    page.ShowProgram(prog);
    answerAudioDialog(
        [](CDlgAudio& dialog) {
            type(&dialog, "pid", "0x1FF");
            click(&dialog, "ac3");
            dialog.OnAdd();
            dialog.OnDelete();
            dialog.OnDelete();
        },
        false);
    click(&page, "moreAudio");
    EXPECT_EQ(text(&page, "audioPid"), "0x0102");
    EXPECT_EQ(read().audioPids, prog.audioPids);

    answerAudioDialog(
        [](CDlgAudio& dialog) {
            type(&dialog, "pid", "0x1FF");
            click(&dialog, "ac3");
            dialog.OnAdd(); // in front of the current first track
        },
        true);
    click(&page, "moreAudio");
    EXPECT_EQ(text(&page, "audioPid"), "0x01ff");
    EXPECT_TRUE(checked(&page, "ac3"));
    const ProgInfo& edited = read();
    ASSERT_EQ(edited.audioPids.size(), 2u);
    EXPECT_EQ(edited.audioPids.entry(0), (AudioInfo{6, 0x41FF})); // language as the fields showed it
    EXPECT_EQ(edited.audioPids.entry(1), (AudioInfo{6, 0x0102}));
}

TEST_F(ProgramPageTest, ScrambledGovernsTheCaBoxes)
{
    prog.attributes = ATTR_SCRAMBLED | 0x08;
    prog.caSystems = (1u << 7) | (1u << 20) | (1u << 31) | (1u << 14);
    page.ShowProgram(prog);
    EXPECT_TRUE(checked(&page, "caConax"));
    EXPECT_TRUE(enabled(&page, "caConax"));
    click(&page, "caUnknown");
    click(&page, "caViaccess");
    const ProgInfo& edited = read();
    EXPECT_EQ(edited.caSystems, (1u << 0) | (1u << 7) | (1u << 20) | (1u << 30)); // 14, 15, 31 cleared

    click(&page, "scrambled");
    EXPECT_FALSE(enabled(&page, "caConax"));
    click(&page, "caConax"); // disabled: no effect
    const ProgInfo& unscrambled = read();
    EXPECT_EQ(unscrambled.attributes, 0x08); // bit 3 carried
    EXPECT_EQ(unscrambled.caSystems, edited.caSystems);
    page.ShowProgram(unscrambled);
    click(&page, "scrambled");
    EXPECT_TRUE(checked(&page, "caConax"));
}

TEST_F(ProgramPageTest, AttributeBoxes)
{
    page.ShowProgram(prog);
    for (const char* name : {"lock", "skip", "keepServiceId", "keepName", "keepPids"})
        click(&page, name);
    EXPECT_EQ(read().attributes,
              ATTR_LOCK | ATTR_SKIP | ATTR_KEEP_PIDS | ATTR_KEEP_NAME | ATTR_KEEP_SERVICE_ID);
}

TEST_F(ProgramPageTest, IsoNameIsShownReadableAndUntouchedCountsAsUnchanged)
{
    const NameEncoding latin("WINDOWS-1252");
    ProgramPage latinPage(latin, LANG_GERMAN);
    prog.name = NameEncoding::utf8ToIso88595("Первый канал");
    prog.nameCodePage = NAME_CODE_PAGE_ISO8859_5;
    latinPage.ShowProgram(prog);
    EXPECT_EQ(text(&latinPage, "name"), QString::fromUtf8("Первый канал"));
    latinPage.ReadProgramPage(0);
    EXPECT_FALSE(prog.differs(latinPage.workProg(), latin));

    type(&latinPage, "name", QString::fromUtf8("Второй"));
    latinPage.ReadProgramPage(0);
    EXPECT_EQ(latinPage.workProg().name, NameEncoding::utf8ToIso88595("Второй"));
}

TEST_F(ProgramPageTest, CyrillicNameTypedOnARussianSystemGetsTheIsoMarker)
{
    ProgramPage russian(encoding, LANG_RUSSIAN);
    russian.ShowProgram(prog);
    type(&russian, "name", QString::fromUtf8("Россия 1"));
    russian.ReadProgramPage(1); // asked before a selection change: no marker
    EXPECT_EQ(russian.workProg().nameCodePage, NAME_CODE_PAGE_NONE);
    EXPECT_EQ(russian.workProg().name, encoding.fromUtf8("Россия 1"));
    russian.ReadProgramPage(0); // the OK button
    EXPECT_EQ(russian.workProg().nameCodePage, NAME_CODE_PAGE_ISO8859_5);
    EXPECT_EQ(russian.workProg().name, NameEncoding::utf8ToIso88595("Россия 1"));

    // Other languages have no marker: the name stays in the name encoding.
    page.ShowProgram(prog);
    type(&page, "name", QString::fromUtf8("Россия 1"));
    EXPECT_EQ(read().nameCodePage, NAME_CODE_PAGE_NONE);
    EXPECT_EQ(page.workProg().name, encoding.fromUtf8("Россия 1"));
}

// The marker is given only when it loses nothing: each character must exist in ISO 8859-5 and the name
// must leave room for the marker. An unmarked name holds 254 bytes, a marked one 253.
TEST_F(ProgramPageTest, TheMarkerIsGivenOnlyWhereTheNameFitsIt)
{
    const struct {
        QString typed;
        uint8_t marker;
    } cases[] = {
        {QString::fromUtf8("Россия™"), NAME_CODE_PAGE_NONE},     // "™" is not in ISO 8859-5
        {QString(253, QChar(0x0416)), NAME_CODE_PAGE_ISO8859_5}, // "Ж" 253 times
        {QString(254, QChar(0x0416)), NAME_CODE_PAGE_NONE},      // no room left for the marker
    };
    ProgramPage russian(encoding, LANG_RUSSIAN);
    for (const auto& c : cases) {
        russian.ShowProgram(prog);
        type(&russian, "name", c.typed);
        russian.ReadProgramPage(0);
        EXPECT_EQ(russian.workProg().nameCodePage, c.marker) << c.typed.toStdString();
        const std::string expected = c.marker == NAME_CODE_PAGE_NONE
                                         ? encoding.fromUtf8(c.typed.toStdString())
                                         : NameEncoding::utf8ToIso88595(c.typed.toStdString());
        EXPECT_EQ(russian.workProg().name, expected);
    }

    // The field takes as many characters as the name's form holds.
    page.ShowProgram(prog);
    type(&page, "name", QString(300, QLatin1Char('A')));
    EXPECT_EQ(read().name.size(), 254u);
    prog.nameCodePage = 7;
    page.ShowProgram(prog);
    type(&page, "name", QString(300, QLatin1Char('A')));
    EXPECT_EQ(read().name.size(), 253u);
}

TEST_F(ProgramPageTest, APidTypedForAFirstTrackWithoutPidFillsThatTrack)
{
    prog.audioPids.clear();
    prog.audioPids.append(1, NO_PID);
    page.ShowProgram(prog);
    EXPECT_EQ(text(&page, "audioPid"), "");
    type(&page, "audioPid", "0x300");
    const ProgInfo& edited = read();
    ASSERT_EQ(edited.audioPids.size(), 1u); // not a second track behind an empty first one
    EXPECT_EQ(edited.audioPids.entry(0), (AudioInfo{1, 0x300}));
}

TEST_F(ProgramPageTest, UntouchedListsKeepStreamsTheFieldsDoNotShow)
{
    prog.videoPids.append(NO_LANGUAGE, 0x201);
    prog.teletextPids.clear();
    prog.teletextPids.append(0, 0x104);
    prog.teletextPids.append(1, 0x4105);
    page.ShowProgram(prog);
    const ProgInfo& untouched = read();
    EXPECT_EQ(untouched.videoPids, prog.videoPids);
    EXPECT_EQ(untouched.teletextPids, prog.teletextPids);

    type(&page, "teletextPid", "0x106"); // an edit replaces the list by the one stream shown
    const ProgInfo& edited = read();
    ASSERT_EQ(edited.teletextPids.size(), 1u);
    EXPECT_EQ(edited.teletextPids.entry(0), (AudioInfo{NO_LANGUAGE, 0x106}));
}

} // namespace
