#include <gtest/gtest.h>

#include "db/kvximage.h"
#include "platform/clock.h"
#include "support/imagebuilder.h"
#include "support/sampledatabase.h"

using namespace kvx;
using test::ImageBuilder;

namespace {

const FixedClock kClock({2009, 4, 14});

std::vector<uint8_t> write(ChannelDatabase& db, std::size_t bufferSize = KVX_IMAGE_BUFFER_SIZE)
{
    std::vector<uint8_t> buffer(bufferSize);
    const WriteResult result = WriteImage(db, buffer, kClock);
    EXPECT_EQ(result.status, StatusOk);
    buffer.resize(result.size);
    return buffer;
}

Status load(ChannelDatabase& db, const std::vector<uint8_t>& image)
{
    const Status valid = ValidateImage(image);
    return valid == StatusOk ? LoadImage(db, image) : valid;
}

void setChecksum(std::vector<uint8_t>& image)
{
    image.back() = Checksum(std::span(image).first(image.size() - 1), 1);
}

} // namespace

TEST(KvxChecksum, SumsWithSeed)
{
    const uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(Checksum(abc, 1), 0x27);
    EXPECT_EQ(Checksum({}, 7), 7);
}

TEST(KvxImage, SmallestImageMatchesTheWorkedExample)
{
    const std::vector<uint8_t> expected = {0x4B, 0x56, 0x58, 0x00, 0x1B, 0x00, 0x00, 0x00, 0x01,
                                           0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,
                                           0x00, 0x00, 0x00, 0x00, 0x00, 0x45, 0x4E, 0x44, 0xF1};
    ChannelDatabase db;
    db.version = 1;
    db.layoutFlags = FLAG_PROG_CA;
    db.keepStamp = true;
    EXPECT_EQ(write(db), expected);

    ChannelDatabase loaded;
    ASSERT_EQ(load(loaded, expected), StatusOk);
    EXPECT_TRUE(loaded.antennas.empty());
    EXPECT_TRUE(loaded.networks.empty());
    EXPECT_TRUE(loaded.transponders.empty());
    EXPECT_TRUE(loaded.programs.empty());
    ASSERT_EQ(loaded.favourites.size(), 16u) << "no favourite groups read as the sixteen defaults";
    EXPECT_EQ(loaded.favourites[0].name, "News");
    EXPECT_EQ(loaded.favourites[15].name, "FAV 16");
    EXPECT_TRUE(loaded.keepStamp) << "stamp byte 1 of 0 is the version form";
}

TEST(KvxImage, ValidationOrder)
{
    std::vector<uint8_t> image = ImageBuilder().u8(0).u8(0).u16(0).u16(0).u8(0).finish();
    ASSERT_EQ(ValidateImage(image), StatusOk);

    auto sizeOneShort = image;
    sizeOneShort[4] -= 1;
    sizeOneShort[8] = 3;
    EXPECT_EQ(ValidateImage(sizeOneShort), StatusBadFormat) << "size is checked before the version";

    auto version3 = image;
    version3[8] = 3;
    version3[version3.size() - 2] = 'X';
    EXPECT_EQ(ValidateImage(version3), StatusBadVersion) << "version is checked before the trailer";

    auto badTrailer = image;
    badTrailer[badTrailer.size() - 2] = 'X';
    badTrailer.back() += 1;
    EXPECT_EQ(ValidateImage(badTrailer), StatusBadFormat) << "trailer is checked before the checksum";

    auto badSum = image;
    badSum.back() += 1;
    EXPECT_EQ(ValidateImage(badSum), StatusBadChecksum);

    auto badMagic = image;
    badMagic[3] = ' ';
    EXPECT_EQ(ValidateImage(badMagic), StatusBadFormat);

    std::vector<uint8_t> twenty = {'K', 'V', 'X', 0, 20, 0, 0, 0, 1};
    twenty.resize(20);
    EXPECT_EQ(ValidateImage(twenty), StatusBadFormat) << "shorter than the smallest image";
    twenty[8] = 3;
    EXPECT_EQ(ValidateImage(twenty), StatusBadVersion);

    for (std::size_t n = 0; n < 9; ++n) {
        std::vector<uint8_t> tiny(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(n));
        if (n >= 8)
            tiny[4] = static_cast<uint8_t>(n), tiny[5] = 0;
        EXPECT_EQ(ValidateImage(tiny), StatusBadFormat) << n;
    }
}

TEST(KvxImage, ReadsEveryFieldFromAHandBuiltImage)
{
    const uint32_t flags =
        FLAG_TP_NAMES | FLAG_NET_SKEW | FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA | 0x100;
    ImageBuilder b(2, flags, 0x89, 4, 14);
    b.u8(1).u8(0x85).u8(0x07).u8(0x32).u8(0x40).u16(9750).u16(10700); // one antenna
    b.u8(1).str("Astra").u16(192).u8(5).u8(0).u8(100).u8(20);         // one network
    b.u16(1).str("TP").u16(11475).u16(27500).u8(0x35).u8(2).u8(0);    // transponder ...
    b.u16(1).u16(2).u16(3).u16(0x100).u32(0xFFFFFFC4);                // ... extras, gmtError -60
    b.u16(2);                                                         // two programs
    b.u8(7).raw("Erste").u8(0).u8(2);                                 // name with code-page marker
    b.u16(28006).u16(0x64).u16(0xFFFF);
    b.u8(1).u8(255).u16(0x65);                 // video
    b.u8(2).u8(0).u8(6).u16(0x66).u16(0x4067); // audio: languages, then words
    b.u8(0);                                   // teletext
    b.u32((1u << 7) | (1u << 30)).u8(0x19).u8(0xAB).u16(0x1234).u16(0);
    b.u8(4).raw("Rad1").u16(1).u16(2).u16(3).u8(0).u8(0).u8(0).u32(0).u8(0x10).u8(0).u16(0xFFFF).u16(0);
    b.u8(1).str("Fav").u16(1).u16(0).u16(1).u16(1); // one favourite group
    ChannelDatabase db;
    db.pendingFileName = "/tmp/x.kvx";
    ASSERT_EQ(load(db, b.finish()), StatusOk);

    EXPECT_EQ(db.version, 2);
    EXPECT_EQ(db.stamp, (std::array<uint8_t, 3>{0x89, 4, 14}));
    EXPECT_FALSE(db.keepStamp);
    EXPECT_EQ(db.fileName, "/tmp/x.kvx");
    EXPECT_EQ(db.layoutFlags, flags) << "unknown bits pass through";
    EXPECT_EQ(db.antennas[0], (AntInfo{0x85, 0x07, 0x32, 0x40, 9750, 10700}));
    EXPECT_EQ(db.networks[0].name, "Astra");
    EXPECT_EQ(db.networks[0].degree, 192);
    EXPECT_EQ(db.networks[0].positionerId, 5);
    EXPECT_EQ(db.networks[0].skewV, 100);
    EXPECT_EQ(db.networks[0].skewH, 20);
    const TpInfo& tp = db.transponders[0];
    EXPECT_EQ(tp.name, "TP");
    EXPECT_EQ(tp.frequency, 11475);
    EXPECT_EQ(tp.symbolRate, 27500);
    EXPECT_EQ(tp.tpFlags, 0x35);
    EXPECT_EQ(tp.freqDrift, 2);
    EXPECT_EQ(tp.tpExtra, (std::array<uint16_t, 4>{1, 2, 3, 0x100}));
    EXPECT_EQ(tp.gmtError, -60);
    const ProgInfo& prog = db.programs[0];
    EXPECT_EQ(prog.name, "Erste");
    EXPECT_EQ(prog.nameCodePage, 2);
    EXPECT_EQ(prog.serviceId, 28006);
    EXPECT_EQ(prog.pmtPid, 0x64);
    EXPECT_EQ(prog.pcrPid, 0xFFFF);
    EXPECT_EQ(prog.videoPids.entry(0), (AudioInfo{255, 0x65}));
    ASSERT_EQ(prog.audioPids.size(), 2u);
    EXPECT_EQ(prog.audioPids.entry(1), (AudioInfo{6, 0x4067}));
    EXPECT_TRUE(prog.teletextPids.empty());
    EXPECT_EQ(prog.caSystems, (1u << 7) | (1u << 30));
    EXPECT_EQ(prog.attributes, 0x19);
    EXPECT_EQ(prog.spareByte, 0xAB);
    EXPECT_EQ(prog.spareWord, 0x1234);
    EXPECT_EQ(db.programs[1].name, "Rad1");
    EXPECT_EQ(db.programs[1].nameCodePage, 255);
    EXPECT_EQ(db.favourites.size(), 1u);
    EXPECT_EQ(db.favourites[0].tvList, (CChList{0}));
    EXPECT_EQ(db.favourites[0].radioList, (CChList{1}));
}

TEST(KvxImage, ProgramNameFieldWithAndWithoutMarker)
{
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    db.transponders.append(TpInfo::create(0, 11000, 0));
    ProgInfo marked = ProgInfo::create(0, 1);
    marked.name = "Hello";
    marked.nameCodePage = 2;
    ProgInfo plain = marked;
    plain.nameCodePage = 255;
    db.programs.append(marked);
    db.programs.append(plain);
    const auto image = write(db);

    const std::string bytes(image.begin(), image.end());
    EXPECT_NE(bytes.find(std::string("\x07Hello\x00\x02", 8)), std::string::npos);
    EXPECT_NE(bytes.find(std::string("\x05Hello", 6) + std::string("\x01\x00", 2)), std::string::npos);

    ChannelDatabase loaded;
    ASSERT_EQ(load(loaded, image), StatusOk);
    EXPECT_EQ(loaded.programs[0].name, "Hello");
    EXPECT_EQ(loaded.programs[0].nameCodePage, 2);
    EXPECT_EQ(loaded.programs[1].name, "Hello");
    EXPECT_EQ(loaded.programs[1].nameCodePage, 255);
}

TEST(KvxImage, OptionalFieldsFollowTheFlags)
{
    // Without skew, names, extras and CA: the reader supplies the defaults.
    ImageBuilder b(1, 0);
    b.u8(1).u8(0).u8(3).u8(0).u8(0x41).u16(0).u16(0);
    b.u8(1).str("Sat").u16(130).u8(0).u8(0);
    b.u16(1).u16(12000).u16(27500).u8(0).u8(0).u8(0).u32(0x80000000);
    b.u16(1).u8(1).raw("P").u16(1).u16(2).u16(3).u8(0).u8(0).u8(0).u8(0).u8(0).u16(0);
    b.u8(1).str("F").u16(0).u16(0);
    ChannelDatabase db;
    ASSERT_EQ(load(db, b.finish()), StatusOk);
    EXPECT_EQ(db.networks[0].skewV, 106);
    EXPECT_EQ(db.networks[0].skewH, 33);
    EXPECT_EQ(db.transponders[0].name, "");
    EXPECT_EQ(db.transponders[0].tpExtra, (std::array<uint16_t, 4>{}));
    EXPECT_EQ(db.programs[0].caSystems, 0u);
    EXPECT_EQ(db.programs[0].spareWord, 0xFFFF);
    EXPECT_EQ(db.layoutFlags, FLAG_PROG_CA) << "the next save always carries the CA word";

    // A satellite-only file without skew is written back without skew bytes.
    db.layoutFlags &= ~FLAG_PROG_CA;
    db.keepStamp = true;
    EXPECT_EQ(write(db), b.finish());
}

TEST(KvxImage, LoadPreparesFlagsForTheNextSave)
{
    ChannelDatabase combo = test::makeVariedDatabase(2, 0);
    auto image = write(combo);
    ChannelDatabase db;
    db.compressed = true;
    ASSERT_EQ(load(db, image), StatusOk);
    EXPECT_EQ(db.layoutFlags, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA | FLAG_COMPRESSED);
    EXPECT_TRUE(db.compressed);

    // Saving again writes four zero extra words into every transponder record.
    db.layoutFlags &= ~FLAG_COMPRESSED;
    const auto again = write(db);
    EXPECT_EQ(again.size(), image.size() + combo.transponders.size() * 8 + combo.programs.size() * (4 + 2));
    ChannelDatabase reread;
    ASSERT_EQ(load(reread, again), StatusOk);
    for (const TpInfo& tp : reread.transponders)
        EXPECT_EQ(tp.tpExtra, (std::array<uint16_t, 4>{}));
}

TEST(KvxImage, RoundTripsEveryFlagCombinationOfBothVersions)
{
    for (uint8_t version : {1, 2}) {
        for (uint32_t flags = 0; flags < 0x40; ++flags) {
            SCOPED_TRACE(testing::Message() << "version " << int(version) << " flags " << flags);
            ChannelDatabase db = test::makeVariedDatabase(version, flags);
            const auto image = write(db);
            ASSERT_EQ(ValidateImage(image), StatusOk);

            ChannelDatabase loaded;
            ASSERT_EQ(LoadImage(loaded, image), StatusOk);
            loaded.layoutFlags = flags;
            loaded.keepStamp = true;
            EXPECT_EQ(write(loaded), image) << "the writer's output reads back to the same database";

            // A file whose flags already hold what Load turns on is written back byte for byte.
            ChannelDatabase again;
            ASSERT_EQ(LoadImage(again, image), StatusOk);
            again.keepStamp = true;
            const uint32_t loadAdds = FLAG_PROG_CA | (version == 2 ? FLAG_TP_EXTRA | FLAG_PROG_EXTRA : 0);
            if ((flags & loadAdds) == loadAdds) {
                EXPECT_EQ(write(again), image);
            }
        }
    }
}

TEST(KvxImage, WriteStampsTodayUnlessTheStampIsKept)
{
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    db.stamp = {0, 1, 2};
    db.keepStamp = false;
    auto image = write(db);
    EXPECT_EQ(image[9], 0x89);
    EXPECT_EQ(image[10], 4);
    EXPECT_EQ(image[11], 14);
    EXPECT_EQ(db.stamp, (std::array<uint8_t, 3>{0x89, 4, 14})) << "the database keeps the new stamp";

    db.stamp = {0, 1, 2};
    db.keepStamp = true;
    image = write(db);
    EXPECT_EQ(image[9], 0);
    EXPECT_EQ(image[11], 2);
}

TEST(KvxImage, WriteNormalisesFieldsTheFileDoesNotCarry)
{
    ChannelDatabase db = test::makeVariedDatabase(1, 0);
    db.programs[0].caSystems = 5;
    db.programs[0].spareWord = 9;
    write(db);
    EXPECT_EQ(db.programs[0].caSystems, 0u);
    EXPECT_EQ(db.programs[0].spareWord, 0xFFFF);
}

TEST(KvxImage, WriterCutsOverlongNames)
{
    ChannelDatabase db = test::makeVariedDatabase(1, FLAG_PROG_CA | FLAG_TP_NAMES);
    db.networks[0].name = std::string(300, 'n');
    db.transponders[0].name = std::string(255, 't');
    db.programs[0].name = std::string(400, 'p');
    db.programs[0].nameCodePage = 255;
    db.programs[1].name = std::string(254, 'q');
    db.programs[1].nameCodePage = 2;
    db.favourites[0].name = std::string(260, 'f');
    const auto image = write(db);
    ASSERT_EQ(ValidateImage(image), StatusOk);
    ChannelDatabase loaded;
    ASSERT_EQ(LoadImage(loaded, image), StatusOk);
    EXPECT_EQ(loaded.networks[0].name, std::string(254, 'n'));
    EXPECT_EQ(loaded.transponders[0].name, std::string(254, 't'));
    EXPECT_EQ(loaded.programs[0].name, std::string(254, 'p'));
    EXPECT_EQ(loaded.programs[1].name, std::string(253, 'q'));
    EXPECT_EQ(loaded.programs[1].nameCodePage, 2);
    EXPECT_EQ(loaded.favourites[0].name, std::string(254, 'f'));
    EXPECT_EQ(db.networks[0].name, loaded.networks[0].name) << "memory matches the file";
}

TEST(KvxImage, DatabaseTooLargeIsRefusedAndNothingChanges)
{
    ChannelDatabase db = test::makeLargeDatabase({64, 6000, 30000, 400});
    db.keepStamp = false;
    db.stamp = {0, 1, 2};
    db.programs[0].caSystems = 1;
    db.layoutFlags &= ~FLAG_PROG_CA;
    std::vector<uint8_t> buffer(KVX_IMAGE_BUFFER_SIZE + 16, 0xEE);
    const WriteResult result = WriteImage(db, std::span(buffer).first(KVX_IMAGE_BUFFER_SIZE), kClock);
    EXPECT_EQ(result.status, StatusTooLarge);
    EXPECT_EQ(statusMessage(result.status), "The database is too large for a KVX file");
    for (std::size_t i = KVX_IMAGE_BUFFER_SIZE; i < buffer.size(); ++i)
        ASSERT_EQ(buffer[i], 0xEE) << "nothing written past the buffer";
    EXPECT_EQ(db.stamp, (std::array<uint8_t, 3>{0, 1, 2}));
    EXPECT_EQ(db.programs[0].caSystems, 1u);

    ChannelDatabase tooManySlots;
    tooManySlots.version = 1;
    for (int i = 0; i < 256; ++i) {
        tooManySlots.antennas.append(AntInfo{});
        tooManySlots.networks.append(NetInfo{});
    }
    std::vector<uint8_t> small(KVX_IMAGE_BUFFER_SIZE);
    EXPECT_EQ(WriteImage(tooManySlots, small, kClock).status, StatusTooLarge)
        << "a count that does not fit its field";

    ChannelDatabase tiny;
    tiny.version = 1;
    std::vector<uint8_t> twentySix(26);
    EXPECT_EQ(WriteImage(tiny, twentySix, kClock).status, StatusTooLarge);
}

// Each malformed image and the status it must give; the database is never touched.
TEST(KvxImage, BrokenFilesAreRejectedAndTheDatabaseIsKept)
{
    auto withSections = [](auto fill) {
        ImageBuilder b;
        fill(b);
        return b.finish();
    };
    auto oneSlot = [](ImageBuilder& b) {
        b.u8(1).u8(0).u8(3).u8(0).u8(0x41).u16(0).u16(0);
        b.u8(1).str("S").u16(0).u8(0).u8(0);
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> image;
        Status expected;
    };
    std::vector<Case> cases = {
        {"sections end before the trailer",
         withSections([](ImageBuilder& b) { b.u8(0).u8(0).u16(0).u16(0).u8(0).u8(0x77); }), StatusBadFormat},
        {"sections run past the trailer", withSections([](ImageBuilder& b) { b.u8(0).u8(0).u16(0).u16(0); }),
         StatusBadFormat},
        {"a name runs past the trailer", withSections([](ImageBuilder& b) { b.u8(0).u8(1).u8(200); }),
         StatusBadFormat},
        {"antenna and network counts differ", withSections([](ImageBuilder& b) {
             b.u8(1).u8(0).u8(3).u8(0).u8(0x41).u16(0).u16(0);
             b.u8(0).u16(0).u16(0).u8(0);
         }),
         StatusBadFormat},
        {"network index out of range", withSections([](ImageBuilder& b) {
             b.u8(1).u8(0).u8(3).u8(0).u8(0x41).u16(0).u16(0);
             b.u8(1).str("S").u16(0).u8(0).u8(1);
             b.u16(0).u16(0).u8(0);
         }),
         StatusBadFormat},
        {"transponder of a missing network", withSections([&](ImageBuilder& b) {
             oneSlot(b);
             b.u16(1).u16(11000).u16(27500).u8(0).u8(0).u8(1).u32(0);
             b.u16(0).u8(0);
         }),
         StatusBadFormat},
        {"program of a missing transponder", withSections([&](ImageBuilder& b) {
             oneSlot(b);
             b.u16(0);
             b.u16(1).u8(0).u16(1).u16(2).u16(3).u8(0).u8(0).u8(0).u32(0).u8(0).u8(0).u16(0);
             b.u8(0);
         }),
         StatusBadFormat},
        {"favourite entry of a missing program", withSections([&](ImageBuilder& b) {
             oneSlot(b);
             b.u16(0).u16(0);
             b.u8(1).str("F").u16(1).u16(0).u16(0);
         }),
         StatusBadFormat},
        {"PID list runs past the trailer", withSections([&](ImageBuilder& b) {
             oneSlot(b);
             b.u16(1).u16(11000).u16(27500).u8(0).u8(0).u8(0).u32(0);
             b.u16(1).u8(0).u16(1).u16(2).u16(3).u8(255);
         }),
         StatusBadFormat},
        {"favourite list runs past the trailer",
         withSections([&](ImageBuilder& b) { b.u8(0).u8(0).u16(0).u16(0).u8(1).str("F").u16(0xFFFF); }),
         StatusBadFormat},
    };
    auto badChecksum = withSections([](ImageBuilder& b) { b.u8(0).u8(0).u16(0).u16(0).u8(0); });
    badChecksum.back() ^= 0x55;
    cases.push_back({"bad checksum", badChecksum, StatusBadChecksum});
    auto version0 = withSections([](ImageBuilder& b) { b.u8(0).u8(0).u16(0).u16(0).u8(0); });
    version0[8] = 0;
    setChecksum(version0);
    cases.push_back({"version 0", version0, StatusBadVersion});

    for (const Case& c : cases) {
        ChannelDatabase db = test::makeVariedDatabase(1, FLAG_PROG_CA);
        db.fileName = "kept.kvx";
        db.pendingFileName = "new.kvx";
        const auto before = test::imageOf(db);
        EXPECT_EQ(load(db, c.image), c.expected) << c.what;
        EXPECT_EQ(db.fileName, "kept.kvx") << c.what;
        EXPECT_EQ(test::imageOf(db), before) << c.what;
    }
}

TEST(KvxImage, LargeDatabaseRoundTrip)
{
    ChannelDatabase db = test::makeLargeDatabase();
    const auto image = write(db);
    EXPECT_GT(image.size(), 900u * 1024);
    EXPECT_LE(image.size(), KVX_IMAGE_BUFFER_SIZE);
    ChannelDatabase loaded;
    ASSERT_EQ(load(loaded, image), StatusOk);
    loaded.keepStamp = true;
    EXPECT_EQ(write(loaded), image);
}
