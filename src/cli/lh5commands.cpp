#include <algorithm>
#include <iostream>
#include <memory>
#include <sys/stat.h>

#include "cli/commands.h"
#include "codec/crc16.h"
#include "codec/lh5.h"
#include "codec/lh5header.h"
#include "db/filebytes.h"
#include "platform/largebuffer.h"

namespace kvx::cli {

namespace {

// The bare streams are for looking inside files, not for archiving: keep them to a sane size.
constexpr std::size_t MAX_LH5_INPUT_SIZE = 256 * 1024 * 1024;

struct Lh5Arguments {
    std::string in;
    std::string out;
    bool force = false;
};

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return path != "-" && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

int runCompress(const Lh5Arguments& args)
{
    // Input and stream are megabytes here: buffers of their own spare clearing them first.
    LargeBuffer input;
    std::size_t inputSize = 0;
    if (isRegularFile(args.in)) {
        if (const Outcome read = readFileBytes(args.in, input, inputSize, MAX_LH5_INPUT_SIZE);
            read != StatusOk)
            return failInput(args.in, read);
    } else {
        std::vector<uint8_t> bytes;
        if (const Outcome read = readInput(args.in, bytes, MAX_LH5_INPUT_SIZE); read != StatusOk)
            return failInput(args.in, read);
        inputSize = bytes.size();
        input = LargeBuffer(inputSize);
        if (inputSize > 0 && input.empty())
            return failInput(args.in, StatusNoMemory);
        std::copy(bytes.begin(), bytes.end(), input.data());
    }
    const LargeBuffer stream(inputSize + LH5_STREAM_OVERHEAD);
    if (stream.empty())
        return failInput(args.in, StatusNoMemory);
    const std::size_t streamSize = Lh5Compress(std::span(input.data(), inputSize),
                                               std::span(stream.data(), inputSize + LH5_STREAM_OVERHEAD));
    if (streamSize == 0)
        return report(inputName(args.in), "The input does not compress; no stream written",
                      ExitIncompressible);
    return writeOutput(args.out, std::span(stream.data(), streamSize), args.force);
}

int runExpand(const Lh5Arguments& args)
{
    std::vector<uint8_t> stream;
    if (const Outcome read = readInput(args.in, stream, MAX_LH5_INPUT_SIZE); read != StatusOk)
        return failInput(args.in, read);
    const std::string name = inputName(args.in);
    const auto header = ReadLh5Header(stream);
    if (!header || header->uncompressedSize == 0)
        return report(name, "Not an LH5 stream (-lh0-, -lh4- or -lh5-)", StatusBadFormat);
    if (header->uncompressedSize > MAX_LH5_INPUT_SIZE)
        return report(name,
                      "The stream states " + std::to_string(header->uncompressedSize) +
                          " bytes; that is too large",
                      StatusBadFormat);
    std::vector<uint8_t> data(header->uncompressedSize);
    if (Lh5Expand(stream, data) == 0)
        return report(name, "The stream is damaged and cannot be decoded", StatusDamagedData);
    // The expansion itself does not check the data; the CRC tells whether to trust it. Damaged data is
    // not written at all.
    if (Crc16Update(0, data) != header->crc)
        return report(name, "CRC mismatch: the expanded data is damaged; nothing written", StatusDamagedData);
    return writeOutput(args.out, data, args.force);
}

} // namespace

void addLh5Commands(CLI::App& app, int& exitCode)
{
    auto args = std::make_shared<Lh5Arguments>();

    auto* lh5 = app.add_subcommand("lh5", "Compress or expand a bare LH5 stream (one-member LHA archive)");
    lh5->require_subcommand(1);

    auto* compress = lh5->add_subcommand("compress", "Compress IN into the LH5 stream OUT");
    compress->add_option("IN", args->in, "File to compress (- for standard input)")->required();
    compress->add_option("OUT", args->out, "Stream to write (- for standard output)")->required();
    addForceFlag(*compress, args->force);
    compress->callback([args, &exitCode] { exitCode = runCompress(*args); });

    auto* expand = lh5->add_subcommand("expand", "Expand the LH5 stream IN into OUT");
    expand->add_option("IN", args->in, "Stream to expand (- for standard input)")->required();
    expand->add_option("OUT", args->out, "File to write (- for standard output)")->required();
    addForceFlag(*expand, args->force);
    expand->callback([args, &exitCode] { exitCode = runExpand(*args); });
}

} // namespace kvx::cli
