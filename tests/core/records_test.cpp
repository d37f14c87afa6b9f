#include <gtest/gtest.h>

#include "db/channeldatabase.h"
#include "platform/nameencoding.h"

using namespace kvx;

TEST(AntInfo, DefaultsAreAUniversalLnbWithAutomaticPower)
{
    const AntInfo ant;
    EXPECT_EQ(ant.power, 3);
    EXPECT_EQ(ant.lnbType, 0x41);
    EXPECT_EQ(ant.lnbFrequency(0), 9750);
    EXPECT_EQ(ant.lnbFrequency(1), 10600);
}

TEST(AntInfo, SetLnbFrequenciesPicksStandardEntriesOrCustomValues)
{
    AntInfo ant;
    ant.lnbFreqLow = 1111;
    ant.lnbFreqHigh = 2222;
    ant.setLnbFrequencies(9750, 10600);
    EXPECT_EQ(ant.lnbType, 0x41);
    EXPECT_EQ(ant.lnbFreqLow, 1111) << "a standard entry leaves the custom words alone";
    EXPECT_EQ(ant.lnbFreqHigh, 2222);

    ant.setLnbFrequencies(9750, 10750);
    EXPECT_EQ(ant.lnbType, 0x42);

    ant.setLnbFrequencies(9750, 10700);
    EXPECT_EQ(ant.lnbType, 0x40);
    EXPECT_EQ(ant.lnbFreqLow, 9750);
    EXPECT_EQ(ant.lnbFreqHigh, 10700);
    EXPECT_EQ(ant.lnbFrequency(0), 9750);
    EXPECT_EQ(ant.lnbFrequency(1), 10700);

    // A non-standard low oscillator is custom even when the high one is in the table.
    ant.setLnbFrequencies(9700, 10600);
    EXPECT_EQ(ant.lnbType, 0x40);
    EXPECT_EQ(ant.lnbFrequency(0), 9700);
}

TEST(AntInfo, SingleLnbFrequencies)
{
    AntInfo ant;
    ant.setLnbFrequencies(10600, 0);
    EXPECT_EQ(ant.lnbType, 5);
    EXPECT_EQ(ant.lnbFrequency(0), 10600);

    ant.setLnbFrequencies(10700, 0);
    EXPECT_EQ(ant.lnbType, 0);
    EXPECT_EQ(ant.lnbFreqLow, 10700);
    EXPECT_EQ(ant.lnbFrequency(0), 10700);

    ant.lnbType = 2; // single, entry 2: both oscillators read as 9750
    EXPECT_EQ(ant.lnbFrequency(1), 9750);

    ant.lnbType = 0x8F; // OCS with an index outside its table falls back to the custom words
    ant.lnbFreqLow = 5000;
    ant.lnbFreqHigh = 5600;
    EXPECT_EQ(ant.lnbFrequency(0), 5000);
    EXPECT_EQ(ant.lnbFrequency(1), 5600);

    ant.lnbType = 0xC1; // kind 3 has no table
    EXPECT_EQ(ant.lnbFrequency(1), 5600);
}

TEST(AntInfo, DiffersComparesOnlyWhatMatters)
{
    AntInfo a;
    AntInfo b;
    b.diseqc = 0x70; // unused bits
    b.power = 0x33;  // bits 4-7 unused
    b.ports = 0x13;  // no switch level selects a port
    EXPECT_FALSE(a.differs(b));

    a.diseqc = b.diseqc = 0x01; // DiSEqC 1.0: its port matters, the 1.1 port not
    EXPECT_TRUE(a.differs(b));
    b.ports = 0x10;
    EXPECT_FALSE(a.differs(b));
    a.diseqc = b.diseqc = 0x02;
    EXPECT_TRUE(a.differs(b));

    AntInfo c;
    AntInfo d;
    d.lnbType = 0x40; // custom universal 9750/10600 equals the standard entry
    d.lnbFreqLow = 9750;
    d.lnbFreqHigh = 10600;
    EXPECT_FALSE(c.differs(d));
    d.lnbFreqHigh = 10700;
    EXPECT_TRUE(c.differs(d));

    AntInfo single1;
    AntInfo single2;
    single1.lnbType = single2.lnbType = 0;
    single1.lnbFreqLow = single2.lnbFreqLow = 10000;
    single2.lnbFreqHigh = 12345; // a single LNB has no high oscillator
    EXPECT_FALSE(single1.differs(single2));
    single2.diseqc = 0x80; // skew controller
    EXPECT_TRUE(single1.differs(single2));
}

TEST(NetInfo, ResetEmptinessAndDegreeText)
{
    NetInfo net;
    net.name = "Astra";
    net.degree = 192;
    net.positionerId = 4;
    net.skewV = 1;
    net.reset(64);
    EXPECT_EQ(net.name, "Terrestrial");
    EXPECT_EQ(net.netIndex, 64);
    EXPECT_EQ(net.degree, 0);
    EXPECT_EQ(net.positionerId, 0);
    EXPECT_EQ(net.skewV, 106);
    EXPECT_EQ(net.skewH, 33);
    net.reset(3);
    EXPECT_EQ(net.name, "");
    EXPECT_TRUE(net.isEmpty());

    for (const char* name : {"-", "- unused", " x"}) {
        net.name = name;
        EXPECT_TRUE(net.isEmpty()) << name;
    }
    net.name = "Astra";
    EXPECT_FALSE(net.isEmpty());
    net.name = "";
    net.degree = 1;
    EXPECT_FALSE(net.isEmpty());

    net.degree = 192;
    EXPECT_EQ(net.degreeText(), "19.2E");
    net.degree = 3600 + 5; // reduced modulo a full circle
    EXPECT_EQ(net.degreeText(), "0.5E");
    net.degree = 3599;
    EXPECT_EQ(net.degreeText(), "0.1W");
}

TEST(NetInfo, DiffersHonoursTheOptionalFields)
{
    NetInfo a;
    NetInfo b;
    b.positionerId = 9;
    b.skewH = 10;
    b.netIndex = 7;
    EXPECT_FALSE(a.differs(b, false, false));
    EXPECT_TRUE(a.differs(b, true, false));
    EXPECT_TRUE(a.differs(b, false, true));
    b = a;
    b.name = "x";
    EXPECT_TRUE(a.differs(b, false, false));
}

TEST(TpInfo, DefaultsLabelsAndDiffers)
{
    TpInfo tp = TpInfo::create(2, 11475, 1);
    EXPECT_EQ(tp.gmtError, INT32_MIN);
    EXPECT_EQ(tp.symbolRate, 0);
    tp.symbolRate = 5150;
    EXPECT_EQ(tp.label(), "11.475  (H)  5.150");
    tp.tpFlags = 3;
    tp.frequency = 10714;
    tp.symbolRate = 22000;
    EXPECT_EQ(tp.label(), "10.714  (L)  22.000");

    TpInfo ter = TpInfo::create(TERRESTRIAL_SLOT, 474000 % 65536, 0);
    ter.frequency = 47400;
    ter.symbolRate = 1;
    EXPECT_EQ(ter.label(), "47.400 (7 Mhz)");

    TpInfo other = tp;
    other.netIndex = 9;
    other.treeItem = &other;
    EXPECT_FALSE(tp.differs(other)) << "netIndex and the tree item are not compared";
    other.tpExtra[1] = 1;
    EXPECT_TRUE(tp.differs(other));
    other = tp;
    other.gmtError = 0;
    EXPECT_TRUE(tp.differs(other));
}

TEST(ProgInfo, DefaultsAndCopyKeepsSpareWordAndFavMask)
{
    const ProgInfo fresh = ProgInfo::create(7, 33);
    EXPECT_EQ(fresh.tpIndex, 7);
    EXPECT_EQ(fresh.serviceId, 33);
    EXPECT_EQ(fresh.nameCodePage, 255);
    EXPECT_EQ(fresh.pmtPid, 0xFFFF);
    EXPECT_EQ(fresh.pcrPid, 0xFFFF);
    EXPECT_EQ(fresh.spareWord, 0xFFFF);
    EXPECT_FALSE(fresh.isRadio());

    ProgInfo source = fresh;
    source.name = "One";
    source.spareWord = 1;
    source.favMask = 2;
    source.audioPids.append(0, 0x100);
    ProgInfo dest;
    dest.spareWord = 77;
    dest.favMask = 88;
    dest.copyFrom(source);
    EXPECT_EQ(dest.name, "One");
    EXPECT_EQ(dest.audioPids, source.audioPids);
    EXPECT_EQ(dest.spareWord, 77);
    EXPECT_EQ(dest.favMask, 88);
}

TEST(ProgInfo, DiffersComparesStoredFieldsAndIsoNames)
{
    const NameEncoding cyrillic("WINDOWS-1251");
    ProgInfo stored;
    stored.name = "\xBF\xD5\xE0\xD2\xEB\xD9"; // "Первый" in ISO 8859-5
    stored.nameCodePage = NAME_CODE_PAGE_ISO8859_5;

    ProgInfo edited = stored;
    EXPECT_FALSE(stored.differs(edited, cyrillic));
    edited.name = cyrillic.fromIso88595(stored.name); // the same text in Windows-1251
    EXPECT_NE(edited.name, stored.name);
    EXPECT_FALSE(stored.differs(edited, cyrillic));
    edited.name = cyrillic.fromUtf8("Второй");
    EXPECT_TRUE(stored.differs(edited, cyrillic));

    ProgInfo plain;
    plain.name = "A";
    ProgInfo other = plain;
    other.name = "B";
    EXPECT_TRUE(plain.differs(other, cyrillic));

    other = plain;
    other.tpIndex = 5;
    other.spareWord = 1;
    other.favMask = 3;
    EXPECT_FALSE(plain.differs(other, cyrillic)) << "position, spare word and favourites are not compared";
    other.teletextPids.append(1, 0x4100);
    EXPECT_TRUE(plain.differs(other, cyrillic));
    other = plain;
    other.spareByte = 1;
    EXPECT_TRUE(plain.differs(other, cyrillic));
    other = plain;
    other.audioPids.append(0, 0x100);
    plain.audioPids.append(1, 0x100); // same PID, other language
    EXPECT_TRUE(plain.differs(other, cyrillic));
}

TEST(PidList, CombinedWordsAndEquality)
{
    PidList a;
    a.append(0, 0x0101);
    a.append(3, PID_FLAG_AC3 | 0x0102);
    EXPECT_EQ(a.combinedWords(), PID_FLAG_AC3 | 0x0103);
    PidList b = a;
    EXPECT_EQ(a, b);
    b.set(1, {3, 0x0102});
    EXPECT_NE(a, b);
    b.removeAt(1);
    EXPECT_EQ(b.size(), 1u);
    EXPECT_EQ(b.entry(0), (AudioInfo{0, 0x0101}));
}

TEST(Tables, ExactTextsAndCaNames)
{
    EXPECT_EQ(kFecNames[9], "9/10");
    EXPECT_EQ(kPolarityNames[2], "Circular Right");
    EXPECT_EQ(kAudioLanguages[22], "TUR");
    EXPECT_EQ(kAudioLanguages[23], "(Unknown)");
    EXPECT_EQ(kDefaultFavouriteNames[7], "Info");
    EXPECT_EQ(kDefaultFavouriteNames[8], "FAV 9");
    EXPECT_EQ(caSystemsText(0), "");
    EXPECT_EQ(caSystemsText(1u << 0 | 1u << 7 | 1u << 30), "Viaccess/Conax/Unknown");
    EXPECT_EQ(caSystemsText(1u << 13), "Xcrypt");
    EXPECT_EQ(caSystemsText(1u << 14), "") << "bits without a name show nothing";
}

TEST(ChannelDatabase, ClearKeepsHeaderFields)
{
    ChannelDatabase db;
    db.version = 2;
    db.stamp = {1, 2, 3};
    db.layoutFlags = 0x1C;
    db.compressed = true;
    db.keepStamp = true;
    db.fileName = "x.kvx";
    db.networks.append(NetInfo{});
    db.favourites.setDefaults();
    db.clear();
    EXPECT_TRUE(db.networks.empty());
    EXPECT_TRUE(db.favourites.empty());
    EXPECT_TRUE(db.fileName.empty());
    EXPECT_FALSE(db.keepStamp);
    EXPECT_EQ(db.version, 2);
    EXPECT_EQ(db.layoutFlags, 0x1Cu);
    EXPECT_TRUE(db.compressed);
}

TEST(OwnedList, MoveShiftsTheRecordsBetweenAndKeepsIdentity)
{
    CTpList list;
    for (uint16_t f = 0; f < 5; ++f)
        list.append(TpInfo::create(0, f, 0));
    const TpInfo* moved = list.at(1);
    list.move(1, 3);
    EXPECT_EQ(list.at(3), moved);
    std::vector<int> order;
    for (const TpInfo& tp : list)
        order.push_back(tp.frequency);
    EXPECT_EQ(order, (std::vector<int>{0, 2, 3, 1, 4}));
    list.move(3, 0);
    order.clear();
    for (const TpInfo& tp : list)
        order.push_back(tp.frequency);
    EXPECT_EQ(order, (std::vector<int>{1, 0, 2, 3, 4}));
    EXPECT_EQ(list.indexOf(moved), 0);
    EXPECT_EQ(list.removeIf([](const TpInfo& tp, std::size_t) { return tp.frequency % 2 == 0; }), 3u);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.indexOf(moved), 0);
}

TEST(PidList, GrowsPastItsInlineEntriesAndShrinksBack)
{
    PidList list;
    for (uint16_t k = 0; k < 255; ++k)
        list.append(static_cast<uint8_t>(k % 23), k);
    ASSERT_EQ(list.size(), 255u);
    EXPECT_EQ(list.entry(200), (AudioInfo{200 % 23, 200}));
    PidList copy = list;
    EXPECT_EQ(copy, list);
    for (int k = 0; k < 253; ++k)
        copy.removeAt(0);
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_EQ(copy.pidWord(0), 253);
    EXPECT_EQ(copy.pidWord(1), 254);
    copy.append(9, 9);
    EXPECT_EQ(copy.pidWord(2), 9);
    PidList small;
    small.append(253 % 23, 253);
    small.append(254 % 23, 254);
    small.append(9, 9);
    EXPECT_EQ(copy, small) << "equality does not depend on where the entries are kept";
    copy.clear();
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(copy.combinedWords(), 0);
}
