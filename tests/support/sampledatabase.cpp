#include "support/sampledatabase.h"

#include <string>

#include "db/kvximage.h"
#include "platform/clock.h"

namespace kvx::test {

ChannelDatabase makeEmptyModel(uint8_t version, uint32_t layoutFlags)
{
    ChannelDatabase db;
    db.version = version;
    db.layoutFlags = layoutFlags;
    db.stamp = {0x89, 4, 14};
    db.keepStamp = true;
    const int slots = version == 2 ? COMBO_SLOT_COUNT : SATELLITE_SLOT_COUNT;
    for (int i = 0; i < slots; ++i) {
        db.antennas.append(AntInfo{});
        NetInfo net;
        net.reset(static_cast<uint8_t>(i));
        db.networks.append(net);
    }
    db.favourites.setDefaults();
    return db;
}

namespace {

ProgInfo makeProgram(uint16_t tpIndex, int n, bool radio)
{
    ProgInfo prog = ProgInfo::create(tpIndex, static_cast<uint16_t>(100 + n));
    prog.name = "Prog " + std::to_string(n);
    prog.pmtPid = static_cast<uint16_t>(0x100 + n % 0x1000);
    prog.pcrPid = static_cast<uint16_t>(0x200 + n % 0x1000);
    if (radio) {
        prog.attributes = ATTR_RADIO;
    } else {
        prog.videoPids.append(NO_LANGUAGE, static_cast<uint16_t>(0x201 + n % 0x1000));
    }
    prog.audioPids.append(0, static_cast<uint16_t>(0x300 + n % 0x1000));
    if (n % 3 == 0)
        prog.audioPids.append(6, static_cast<uint16_t>(PID_FLAG_AC3 | (0x301 + n % 0x1000)));
    if (n % 4 == 0)
        prog.teletextPids.append(1, static_cast<uint16_t>(0x400 + n % 0x1000));
    prog.caSystems = n % 5 == 0 ? (1u << (n % 14)) : 0;
    prog.spareByte = static_cast<uint8_t>(n);
    return prog;
}

} // namespace

ChannelDatabase makeVariedDatabase(uint8_t version, uint32_t layoutFlags)
{
    ChannelDatabase db = makeEmptyModel(version, layoutFlags);
    db.networks[0].name = "Astra 1";
    db.networks[0].degree = 192;
    db.networks[0].positionerId = 3;
    db.networks[0].skewV = 100;
    db.networks[0].skewH = 20;
    db.networks[1].name = "Hotbird";
    db.networks[1].degree = 130;
    db.antennas[1].lnbType = 0x00;
    db.antennas[1].lnbFreqLow = 10700;
    db.antennas[1].diseqc = 0x85;
    db.antennas[1].ports = 0x32;

    for (int i = 0; i < 4; ++i) {
        TpInfo tp = TpInfo::create(static_cast<uint8_t>(i < 3 ? 0 : 1), static_cast<uint16_t>(11000 + 37 * i),
                                   static_cast<uint8_t>(i | (i << 4)));
        tp.symbolRate = 27500;
        tp.name = "TP" + std::to_string(i);
        tp.freqDrift = static_cast<uint8_t>(i);
        tp.tpExtra = {1, 2, 3, static_cast<uint16_t>(i == 1 ? TP_EXTRA_PILOT : 0)};
        tp.gmtError = i == 2 ? -60 : NO_GMT_ERROR;
        db.transponders.append(tp);
    }
    if (version == 2) {
        TpInfo ter = TpInfo::create(TERRESTRIAL_SLOT, 474, 0);
        ter.symbolRate = 1;
        ter.tpExtra[3] = static_cast<uint16_t>(('2' << 8) | '1');
        db.transponders.append(ter);
    }
    for (int n = 0; n < 12; ++n) {
        ProgInfo prog = makeProgram(static_cast<uint16_t>(n % db.transponders.size()), n, n % 4 == 3);
        if (n == 2) {
            prog.name = "\xBF\xD5\xE0\xD2\xEB\xD9"; // "Первый" in ISO 8859-5
            prog.nameCodePage = NAME_CODE_PAGE_ISO8859_5;
        }
        if (n == 5)
            prog.nameCodePage = 7; // another marker: the name is in the name encoding
        prog.spareWord = (layoutFlags & FLAG_PROG_EXTRA) ? static_cast<uint16_t>(n) : 0xFFFF;
        if (!(layoutFlags & FLAG_PROG_CA))
            prog.caSystems = 0;
        prog.attributes |= static_cast<uint8_t>(n % 2 ? ATTR_SCRAMBLED | 0x08 : 0);
        db.programs.append(prog);
    }
    db.favourites[0].tvList = {0, 1, 2};
    db.favourites[0].radioList = {3, 7};
    db.favourites[2].tvList = {5};
    db.favourites[15].name = "My Own";
    return db;
}

ChannelDatabase makeLargeDatabase(const LargeShape& shape)
{
    ChannelDatabase db = makeEmptyModel(1, FLAG_PROG_CA | FLAG_TP_NAMES | FLAG_NET_SKEW);
    for (int i = 0; i < shape.networks && i < SATELLITE_SLOT_COUNT; ++i) {
        db.networks[i].name = "Satellite " + std::to_string(i);
        db.networks[i].degree = static_cast<uint16_t>((i * 37) % 3600);
    }
    for (int t = 0; t < shape.transponders; ++t) {
        const int net = t * shape.networks / shape.transponders;
        TpInfo tp = TpInfo::create(static_cast<uint8_t>(net), static_cast<uint16_t>(10700 + (t * 7) % 2000),
                                   static_cast<uint8_t>(t & 0x33));
        tp.symbolRate = static_cast<uint16_t>(22000 + t % 5500);
        db.transponders.append(tp);
    }
    for (int p = 0; p < shape.programs; ++p) {
        const auto tp = static_cast<uint16_t>(static_cast<long>(p) * shape.transponders / shape.programs);
        ProgInfo prog = makeProgram(tp, p, p % 5 == 4);
        prog.name = "Service program " + std::to_string(p);
        db.programs.append(std::move(prog));
    }
    for (int g = 0; g < FAVOURITE_GROUP_COUNT; ++g) {
        FavInfo& fav = db.favourites[g];
        for (int e = 0; e < shape.favouriteEntries; ++e) {
            const auto prog = static_cast<uint16_t>((g * 997 + e * 41) % shape.programs);
            fav.listFor(db.programs[prog].isRadio()).push_back(prog);
        }
    }
    return db;
}

std::vector<uint8_t> imageOf(ChannelDatabase& db)
{
    std::vector<uint8_t> buffer(KVX_IMAGE_BUFFER_SIZE);
    const FixedClock clock({2020, 1, 1});
    const WriteResult result = WriteImage(db, buffer, clock);
    buffer.resize(result.status == StatusOk ? result.size : 0);
    return buffer;
}

} // namespace kvx::test
