#include <gtest/gtest.h>

#include "db/netinfo.h"
#include "db/proginfo.h"
#include "db/tpinfo.h"
#include "platform/nameencoding.h"
#include "ui/itemlabels.h"

using namespace kvx;

namespace {

TpInfo satellite(uint16_t frequency, uint8_t polarity, uint16_t symbolRate)
{
    TpInfo tp = TpInfo::create(3, frequency, static_cast<uint8_t>(0x30 | polarity));
    tp.symbolRate = symbolRate;
    return tp;
}

} // namespace

TEST(ItemLabels, SatelliteTransponderShowsFrequencyPolarityAndSymbolRate)
{
    EXPECT_EQ(transponderLabel(satellite(11475, 0, 5150)), "11.475  (V)  5.150");
    EXPECT_EQ(transponderLabel(satellite(12722, 1, 27500)), "12.722  (H)  27.500");
    EXPECT_EQ(transponderLabel(satellite(10714, 2, 22000)), "10.714  (R)  22.000");
    EXPECT_EQ(transponderLabel(satellite(3805, 3, 999)), "3.805  (L)  0.999");
}

TEST(ItemLabels, TerrestrialTransponderShowsBandwidth)
{
    TpInfo tp = TpInfo::create(TERRESTRIAL_SLOT, 474, 0);
    tp.symbolRate = 1;
    EXPECT_EQ(transponderLabel(tp), "0.474 (7 Mhz)");
    tp.frequency = 12345;
    tp.symbolRate = 0;
    EXPECT_EQ(transponderLabel(tp), "12.345 (8 Mhz)");
    tp.symbolRate = 3;
    EXPECT_EQ(transponderLabel(tp), "12.345 (5 Mhz)");
}

TEST(ItemLabels, TransponderNameOnlyWhenTheLayoutHasNames)
{
    const NameEncoding encoding("WINDOWS-1252");
    TpInfo tp = satellite(11475, 0, 5150);
    tp.name = "Mux \xC4";
    EXPECT_EQ(transponderItemLabel(tp, FLAG_TP_NAMES, encoding), QString::fromUtf8("Mux Ä"));
    EXPECT_EQ(transponderItemLabel(tp, FLAG_PROG_CA, encoding), "11.475  (V)  5.150");
    tp.name.clear();
    EXPECT_EQ(transponderItemLabel(tp, FLAG_TP_NAMES, encoding), "11.475  (V)  5.150");
}

TEST(ItemLabels, NetworkNameOrNoName)
{
    const NameEncoding encoding("WINDOWS-1251");
    NetInfo net;
    EXPECT_EQ(networkLabel(net, encoding), "(No name)");
    net.name = "\xC0\xF1\xF2\xF0\xE0"; // Cyrillic in Windows-1251
    EXPECT_EQ(networkLabel(net, encoding), QString::fromUtf8("Астра"));
    EXPECT_EQ(networkLabel(net, NameEncoding("WINDOWS-1252")), QString::fromUtf8("Àñòðà"));
}

TEST(ItemLabels, ProgramNamesFollowTheirCodePageMarker)
{
    const NameEncoding western("WINDOWS-1252");
    ProgInfo prog;
    EXPECT_EQ(programLabel(prog, western), "(No name)");

    // Marker 2: ISO 8859-5 whatever the name encoding.
    prog.name = "\xBF\xD5\xE0\xD2\xEB\xD9";
    prog.nameCodePage = NAME_CODE_PAGE_ISO8859_5;
    EXPECT_EQ(programLabel(prog, western), QString::fromUtf8("Первый"));
    EXPECT_EQ(programLabel(prog, NameEncoding("WINDOWS-1251")), QString::fromUtf8("Первый"));

    // No marker, or any other one: the name encoding.
    prog.name = "Caf\xE9";
    prog.nameCodePage = NAME_CODE_PAGE_NONE;
    EXPECT_EQ(programLabel(prog, western), QString::fromUtf8("Café"));
    prog.nameCodePage = 7;
    EXPECT_EQ(programLabel(prog, western), QString::fromUtf8("Café"));
}
