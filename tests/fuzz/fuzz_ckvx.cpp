// Opens arbitrary bytes the way the editor opens a file: CKVX expansion, validation, loading.
#include <cstdint>
#include <vector>

#include "codec/ckvx.h"
#include "db/channeldatabase.h"
#include "db/kvximage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::vector<uint8_t> image(data, data + size);
    if (kvx::CheckCompFile(image) == kvx::StatusCompressed) {
        std::vector<uint8_t> expanded;
        // Data that fails its CRC is still validated and loaded when the user accepts it.
        const kvx::Status status = kvx::ExpandCompFile(image, expanded);
        if (status != kvx::StatusOk && status != kvx::StatusDamagedData)
            return 0;
        image = std::move(expanded);
    }
    if (kvx::ValidateImage(image) != kvx::StatusOk)
        return 0;
    kvx::ChannelDatabase db;
    kvx::LoadImage(db, image);
    return 0;
}
