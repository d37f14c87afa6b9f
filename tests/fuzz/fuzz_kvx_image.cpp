// Feeds arbitrary bytes to the KVX reader; whatever it accepts must write back and read back the same.
#include <cstdlib>
#include <vector>

#include "db/channeldatabase.h"
#include "db/kvximage.h"
#include "platform/clock.h"

using namespace kvx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> image(data, size);
    ChannelDatabase db;
    if (ValidateImage(image) != StatusOk)
        return 0;
    if (LoadImage(db, image) != StatusOk)
        return 0;

    static const FixedClock clock({2020, 2, 29});
    std::vector<uint8_t> first(KVX_IMAGE_BUFFER_SIZE);
    db.keepStamp = true;
    const WriteResult written = WriteImage(db, first, clock);
    if (written.status != StatusOk)
        return 0;
    first.resize(written.size);
    if (ValidateImage(first) != StatusOk)
        std::abort();

    ChannelDatabase again;
    if (LoadImage(again, first) != StatusOk)
        std::abort();
    again.layoutFlags = db.layoutFlags;
    again.keepStamp = true;
    std::vector<uint8_t> second(KVX_IMAGE_BUFFER_SIZE);
    const WriteResult rewritten = WriteImage(again, second, clock);
    second.resize(rewritten.size);
    if (rewritten.status != StatusOk || second != first)
        std::abort();
    return 0;
}
