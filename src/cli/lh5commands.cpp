#include <cstdio>
#include <iostream>
#include <memory>

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

bool writeBytes(const std::string& path, std::span<const uint8_t> bytes)
{
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out.get()) != bytes.size())
        return false;
    return std::fclose(out.release()) == 0;
}

int runCompress(const std::string& in, const std::string& out)
{
    // Input and stream are megabytes here: buffers of their own spare clearing them first.
    LargeBuffer input;
    std::size_t inputSize = 0;
    if (const Status status = readFileBytes(in, input, inputSize, MAX_LH5_INPUT_SIZE); status != StatusOk)
        return fail(status);
    const LargeBuffer stream(inputSize + LH5_STREAM_OVERHEAD);
    if (stream.empty())
        return fail(StatusNoMemory);
    const std::size_t streamSize = Lh5Compress(std::span(input.data(), inputSize),
                                               std::span(stream.data(), inputSize + LH5_STREAM_OVERHEAD));
    if (streamSize == 0) {
        std::cerr << "The input does not compress; no stream written\n";
        return 1;
    }
    return writeBytes(out, std::span(stream.data(), streamSize)) ? 0 : fail(StatusCreateFailed);
}

int runExpand(const std::string& in, const std::string& out)
{
    std::vector<uint8_t> stream;
    if (const Status status = readFileBytes(in, stream, MAX_LH5_INPUT_SIZE); status != StatusOk)
        return fail(status);
    const auto header = ReadLh5Header(stream);
    if (!header || header->uncompressedSize == 0) {
        std::cerr << "The input is not an LH5 stream (-lh0-, -lh4- or -lh5-)\n";
        return 1;
    }
    if (header->uncompressedSize > MAX_LH5_INPUT_SIZE) {
        std::cerr << "The stream states " << header->uncompressedSize << " bytes; that is too large\n";
        return 1;
    }
    std::vector<uint8_t> data(header->uncompressedSize);
    if (Lh5Expand(stream, data) == 0) {
        std::cerr << "The stream is damaged and cannot be decoded\n";
        return 1;
    }
    if (!writeBytes(out, data))
        return fail(StatusCreateFailed);
    // The expansion itself does not check the data; here the CRC tells the user whether to trust it.
    if (Crc16Update(0, data) != header->crc) {
        std::cerr << "CRC mismatch: the expanded data is damaged\n";
        return 1;
    }
    return 0;
}

} // namespace

void addLh5Commands(CLI::App& app, int& exitCode)
{
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();

    auto* lh5 = app.add_subcommand("lh5", "Compress or expand a bare LH5 stream (one-member LHA archive)");
    lh5->require_subcommand(1);

    auto* compress = lh5->add_subcommand("compress", "Compress IN into the LH5 stream OUT");
    compress->add_option("IN", *in, "File to compress")->required();
    compress->add_option("OUT", *out, "Stream to write")->required();
    compress->callback([in, out, &exitCode] { exitCode = runCompress(*in, *out); });

    auto* expand = lh5->add_subcommand("expand", "Expand the LH5 stream IN into OUT");
    expand->add_option("IN", *in, "Stream to expand")->required();
    expand->add_option("OUT", *out, "File to write")->required();
    expand->callback([in, out, &exitCode] { exitCode = runExpand(*in, *out); });
}

} // namespace kvx::cli
