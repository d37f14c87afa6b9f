#include "support/damagedckvx.h"

#include "codec/ckvx.h"
#include "codec/lh5.h"
#include "db/kvximage.h"
#include "support/sampledatabase.h"

namespace kvx::test {

namespace {

// Where the coded data of the one chunk starts: KVX header, chunk header, LH5 member header.
constexpr std::size_t kCodedStart = 16 + CKVX_CHUNK_HEADER_SIZE + LH5_HEADER_SIZE;
// The stream's end byte and the plain trailer follow the coded data.
constexpr std::size_t kTailSize = 1 + 4;

// Also asks that the loaded database writes the same image again, so that tests can compare it.
bool passesAllButTheCrc(const std::vector<uint8_t>& file, const std::vector<uint8_t>& original,
                        std::vector<uint8_t>& image)
{
    if (ExpandCompFile(file, image) != StatusDamagedData || image == original)
        return false;
    ChannelDatabase loaded;
    if (ValidateImage(image) != StatusOk || LoadImage(loaded, image) != StatusOk)
        return false;
    loaded.compressed = true;
    loaded.keepStamp = true;
    return imageOf(loaded) == image;
}

} // namespace

DamagedCkvx damagedCkvxOf(ChannelDatabase& db)
{
    // In the compressed form, as saving it as CKVX makes it.
    db.compressed = true;
    db.layoutFlags |= FLAG_COMPRESSED;
    const std::vector<uint8_t> original = imageOf(db);
    const std::vector<uint8_t> packed = PackCompFile(original);
    DamagedCkvx damaged{packed, {}};
    for (std::size_t at = kCodedStart; at + kTailSize < packed.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            damaged.file[at] ^= static_cast<uint8_t>(1 << bit);
            if (passesAllButTheCrc(damaged.file, original, damaged.image))
                return damaged;
            damaged.file[at] = packed[at];
        }
    }
    return {};
}

} // namespace kvx::test
