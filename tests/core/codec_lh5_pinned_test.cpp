// The encoder's output is part of what the program writes: the same input must give the same bytes
// from one build to the next. These figures pin whole streams, so a change to the parse, the match
// finder's choice among equal matches or the block tables shows up here even when the stream still
// expands correctly.

#include <gtest/gtest.h>

#include "codec_inputs.h"
#include "support/mixeddata.h"
#include "support/sampledatabase.h"

namespace kvx::test {
namespace {

uint64_t fnv1a(std::span<const uint8_t> bytes)
{
    uint64_t h = 1469598103934665603ull;
    for (const uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

struct Pinned {
    const char* name;
    Bytes input;
    std::size_t streamSize;
    uint64_t streamHash;
};

TEST(Lh5CompressPinned, GivesTheSameStreamsAsBefore)
{
    ChannelDatabase large = makeLargeDatabase();
    ChannelDatabase varied = makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    const Pinned cases[] = {
        {"mixed", makeMixedData(300000), 89776, 0x2613d495c827a3b8ull},
        {"text", textBytes(120000, 11), 14802, 0x9847cda662d8acf1ull},
        {"skewed", skewedBytes(70000, 12), 26662, 0xd34024d4c20db01aull},
        {"large image", imageOf(large), 373357, 0xfd61cccf54cd8a06ull},
        {"varied image", imageOf(varied), 635, 0x452d3d4bdac3d76bull},
    };
    for (const Pinned& c : cases) {
        const Bytes stream = compress(c.input);
        EXPECT_EQ(stream.size(), c.streamSize) << c.name;
        EXPECT_EQ(fnv1a(stream), c.streamHash) << c.name;
    }
}

} // namespace
} // namespace kvx::test
