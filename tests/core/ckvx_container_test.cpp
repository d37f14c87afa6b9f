#include <gtest/gtest.h>

#include <cstring>

#include "codec/ckvx.h"
#include "codec/lh5.h"
#include "codec_inputs.h"
#include "db/kvximage.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

const Bytes& largeImage()
{
    static const Bytes image = [] {
        ChannelDatabase db = makeLargeDatabase();
        return imageOf(db);
    }();
    return image;
}

Bytes variedImage()
{
    ChannelDatabase db = makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    return imageOf(db);
}

uint32_t be32At(const Bytes& b, std::size_t at)
{
    return (static_cast<uint32_t>(b[at]) << 24) | (static_cast<uint32_t>(b[at + 1]) << 16) |
           (static_cast<uint32_t>(b[at + 2]) << 8) | b[at + 3];
}

Bytes chunkOf(const Bytes& data)
{
    Bytes chunk(data.size() + 40);
    std::size_t length = 0;
    EXPECT_EQ(PackCompChunk(data, chunk, length), 0);
    chunk.resize(length);
    return chunk;
}

Bytes expandFile(const Bytes& file, Status expected = StatusOk)
{
    Bytes image;
    EXPECT_EQ(ExpandCompFile(file, image), expected);
    return image;
}

} // namespace

TEST(CkvxCheck, RecognisesTheMarkerAtOffset16)
{
    Bytes file(40, 0);
    std::memcpy(file.data() + 16, "CKVX", 4);
    EXPECT_EQ(CheckCompFile(file), StatusCompressed);
    EXPECT_EQ(CheckCompFile(std::span(file).first(20)), StatusCompressed);
    EXPECT_EQ(CheckCompFile(std::span(file).first(19)), 0);
    file[19] = 'x';
    EXPECT_EQ(CheckCompFile(file), 0);
    EXPECT_EQ(CheckCompFile(std::span<const uint8_t>()), StatusBadFormat);
}

TEST(CkvxPack, KeepsHeaderAndTrailerAroundOneChunk)
{
    const Bytes& image = largeImage();
    const Bytes packed = PackCompFile(image);
    ASSERT_LT(packed.size(), image.size() / 2);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 16, packed.begin()));
    EXPECT_TRUE(std::equal(image.end() - 4, image.end(), packed.end() - 4));
    EXPECT_EQ(std::string(packed.begin() + 16, packed.begin() + 20), "CKVX");
    const uint32_t streamLength = be32At(packed, 20);
    EXPECT_EQ(packed.size(), 16 + 12 + streamLength + 4u);
    EXPECT_EQ(be32At(packed, 24), image.size() - 20);
    EXPECT_EQ(std::string(packed.begin() + 30, packed.begin() + 35), "-lh5-"); // stream header

    EXPECT_EQ(CheckCompFile(packed), StatusCompressed);
    const Bytes expanded = expandFile(packed);
    EXPECT_EQ(expanded, image);
    EXPECT_EQ(ValidateImage(expanded), StatusOk);
}

TEST(CkvxPack, LeavesAnIncompressibleImageAsItIs)
{
    const Bytes varied = variedImage();
    Bytes image(varied.begin(), varied.begin() + 16);
    const Bytes noise = randomBytes(6000, 3);
    image.insert(image.end(), noise.begin(), noise.end());
    image.insert(image.end(), varied.end() - 4, varied.end());
    EXPECT_EQ(PackCompFile(image), image);
    const Bytes tiny(20, 7);
    EXPECT_EQ(PackCompFile(tiny), tiny);
}

TEST(CkvxPack, ChunkCarriesBigEndianLengths)
{
    const Bytes data = textBytes(70000, 4);
    const Bytes chunk = chunkOf(data);
    EXPECT_EQ(std::string(chunk.begin(), chunk.begin() + 4), "CKVX");
    EXPECT_EQ(chunk[4], 0);
    EXPECT_EQ(be32At(chunk, 4), chunk.size() - 12);
    EXPECT_EQ(be32At(chunk, 8), data.size());

    Bytes out(data.size());
    std::size_t chunkLength = 0;
    std::size_t expanded = 0;
    EXPECT_EQ(UnpackCompChunk(chunk, chunkLength, out, expanded), 0);
    EXPECT_EQ(chunkLength, chunk.size());
    EXPECT_EQ(expanded, data.size());
    EXPECT_EQ(out, data);

    Bytes wrongLength = chunk;
    wrongLength[11] ^= 1;
    EXPECT_EQ(UnpackCompChunk(wrongLength, chunkLength, out, expanded), -1);
    EXPECT_EQ(expanded, data.size());

    Bytes room(4040);
    std::size_t untouched = 0;
    EXPECT_EQ(PackCompChunk(randomBytes(4000, 5), room, untouched), -1);
    Bytes noMarker = chunk;
    noMarker[4] = 1;
    EXPECT_EQ(UnpackCompChunk(noMarker, chunkLength, out, expanded), -1);
    EXPECT_EQ(chunkLength, 0u);
}

TEST(CkvxExpand, AcceptsChunksAndPlainBytesInAnyOrder)
{
    const Bytes header(16, 'H');
    const Bytes first = textBytes(3000, 6);
    const Bytes plain = {'p', 'l', 'a', 'i', 'n'};
    const Bytes second = skewedBytes(5000, 7);
    Bytes file = header;
    for (const Bytes& part : {chunkOf(first), plain, chunkOf(second), Bytes{'E', 'N', 'D', 1}})
        file.insert(file.end(), part.begin(), part.end());

    Bytes expected = header;
    for (const Bytes& part : {first, plain, second, Bytes{'E', 'N', 'D', 1}})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(expandFile(file), expected);
}

TEST(CkvxExpand, CopiesAMarkerWithoutZeroAfterItThrough)
{
    Bytes file(16, 'H');
    const Bytes data = textBytes(2000, 8);
    const Bytes chunk = chunkOf(data);
    file.insert(file.end(), chunk.begin(), chunk.end());
    const Bytes fake = {'C', 'K', 'V', 'X', 'Y', 1, 2, 3, 4, 5, 6, 7, 8, 9};
    file.insert(file.end(), fake.begin(), fake.end());
    const Bytes shortChunk = {'C', 'K', 'V', 'X', 0, 0}; // too short to hold a chunk header
    file.insert(file.end(), shortChunk.begin(), shortChunk.end());

    Bytes expected(16, 'H');
    expected.insert(expected.end(), data.begin(), data.end());
    expected.insert(expected.end(), fake.begin(), fake.end());
    expected.insert(expected.end(), shortChunk.begin(), shortChunk.end());
    EXPECT_EQ(expandFile(file), expected);
}

TEST(CkvxExpand, DamagedChunksEndInAValidationFailure)
{
    const Bytes& image = largeImage();
    const Bytes packed = PackCompFile(image);
    std::mt19937 rng(9);
    int undetected = 0;
    for (int round = 0; round < 40; ++round) {
        Bytes damaged = packed;
        damaged[16 + 12 + 27 + rng() % (damaged.size() - 60)] ^= static_cast<uint8_t>(1 + rng() % 255);
        Bytes expanded;
        // Damage the stream's CRC does not catch must be caught by the image's own checks.
        if (ExpandCompFile(damaged, expanded) == StatusOk && ValidateImage(expanded) == StatusOk &&
            expanded != image)
            ++undetected;
    }
    EXPECT_EQ(undetected, 0);
    // A file cut within the first chunk's header or its stream, and a chunk whose stream is no LH5
    // stream at all, are told apart from an image that fails its own checks.
    for (const std::size_t cut : {std::size_t{20}, std::size_t{27}, packed.size() / 2, packed.size() - 5}) {
        const Bytes truncated(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_NE(ValidateImage(expandFile(truncated, StatusBrokenCompressedData)), StatusOk) << cut;
    }
    Bytes noStream = packed;
    noStream[30] = 'x';
    EXPECT_NE(ValidateImage(expandFile(noStream, StatusBrokenCompressedData)), StatusOk);
}

TEST(CkvxExpand, ChecksTheCrcOfLevelZeroMembers)
{
    // A stored "-lh0-" member with a level-0 header: its CRC follows the name, with nothing after it.
    const Bytes data = {'d', 'a', 't', 'a', '!'};
    for (const uint16_t crc : {uint16_t{0xA6C7}, uint16_t{0x1234}}) {
        Bytes stream = {24,
                        0,
                        '-',
                        'l',
                        'h',
                        '0',
                        '-',
                        5,
                        0,
                        0,
                        0,
                        5,
                        0,
                        0,
                        0,
                        0,
                        0,
                        0,
                        0,
                        0x20,
                        0,
                        2,
                        'a',
                        'b',
                        static_cast<uint8_t>(crc),
                        static_cast<uint8_t>(crc >> 8)};
        stream.insert(stream.end(), data.begin(), data.end());
        Bytes file(16, 'H');
        const Bytes chunkHeader = {'C', 'K', 'V', 'X', 0, 0, 0, static_cast<uint8_t>(stream.size()),
                                   0,   0,   0,   5};
        file.insert(file.end(), chunkHeader.begin(), chunkHeader.end());
        file.insert(file.end(), stream.begin(), stream.end());
        Bytes expected(16, 'H');
        expected.insert(expected.end(), data.begin(), data.end());
        EXPECT_EQ(expandFile(file, crc == 0xA6C7 ? StatusOk : StatusDamagedData), expected);
    }
}

TEST(CkvxExpand, RejectsImagesLargerThanTheBuffer)
{
    const Bytes zeros(CKVX_EXPAND_BUFFER_SIZE, 0);
    Bytes file(16, 'H');
    const Bytes chunk = chunkOf(zeros); // 16 + 2 MiB does not fit
    file.insert(file.end(), chunk.begin(), chunk.end());
    expandFile(file, StatusBadFormat);

    // Plain bytes behind the marker fill the buffer the same way.
    Bytes plainFile(16, 'H');
    const Bytes smallChunk = chunkOf(Bytes(1000, 1));
    plainFile.insert(plainFile.end(), smallChunk.begin(), smallChunk.end());
    plainFile.resize(CKVX_EXPAND_BUFFER_SIZE + 100, 'p');
    std::memcpy(plainFile.data() + 16, "CKVX", 4);
    expandFile(plainFile, StatusBadFormat);

    // Exactly full is fine.
    Bytes exact(16, 'H');
    const Bytes fits = chunkOf(Bytes(CKVX_EXPAND_BUFFER_SIZE - 16, 0));
    exact.insert(exact.end(), fits.begin(), fits.end());
    EXPECT_EQ(expandFile(exact).size(), CKVX_EXPAND_BUFFER_SIZE);
}

TEST(CkvxExpand, LeavesPlainFilesAlone)
{
    const Bytes image = variedImage();
    Bytes untouched = {1, 2, 3};
    EXPECT_EQ(ExpandCompFile(image, untouched), StatusOk);
    EXPECT_EQ(untouched, (Bytes{1, 2, 3}));
}
