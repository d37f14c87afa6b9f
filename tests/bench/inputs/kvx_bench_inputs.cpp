// Writes the inputs of the whole-process timing scripts: the 1 MiB mixed sample of the compression
// benchmarks and the image of the large sample database, so that a script times kvxtool on exactly
// what the benchmarks compress.
#include <cstdio>
#include <span>
#include <string>

#include "support/mixeddata.h"
#include "support/sampledatabase.h"

namespace {

bool writeFile(const std::string& path, std::span<const uint8_t> bytes)
{
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MIXED_OUT IMAGE_OUT\n", argv[0]);
        return 2;
    }
    kvx::ChannelDatabase db = kvx::test::makeLargeDatabase();
    const auto image = kvx::test::imageOf(db);
    if (image.empty() || !writeFile(argv[1], kvx::test::makeMixedData(1024 * 1024)) ||
        !writeFile(argv[2], image)) {
        std::fprintf(stderr, "cannot write the inputs\n");
        return 1;
    }
    return 0;
}
