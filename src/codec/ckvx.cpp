#include "codec/ckvx.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include "codec/crc16.h"
#include "codec/lh5.h"
#include "codec/lh5header.h"

namespace kvx {

namespace {

constexpr std::size_t kHeaderSize = 16; // KVX header kept in front of the chunks
constexpr std::size_t kTrailerSize = 4; // "END" and the checksum byte kept behind them
constexpr char kMarker[] = "CKVX";      // compared with its terminating zero
constexpr std::size_t kMarkerTestSize = 5;

uint32_t be32(const uint8_t* p)
{
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

void putBe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

bool startsChunk(std::span<const uint8_t> bytes)
{
    return bytes.size() >= CKVX_CHUNK_HEADER_SIZE && std::memcmp(bytes.data(), kMarker, kMarkerTestSize) == 0;
}

// The LH5 stream of a chunk, cut at the end of the input when its stored length runs past it.
std::span<const uint8_t> chunkStream(std::span<const uint8_t> chunk)
{
    const std::size_t available = chunk.size() - CKVX_CHUNK_HEADER_SIZE;
    return chunk.subspan(CKVX_CHUNK_HEADER_SIZE, std::min<std::size_t>(be32(chunk.data() + 4), available));
}

// Walks the chunks and plain bytes after the header, calling onChunk(offset) for each chunk, which
// returns the chunk's length, and onPlain(offset) for each plain byte. Returns false as soon as a
// callback does.
template <typename OnChunk, typename OnPlain>
bool walkBody(std::span<const uint8_t> file, OnChunk onChunk, OnPlain onPlain)
{
    std::size_t i = kHeaderSize;
    while (i < file.size()) {
        const auto rest = file.subspan(i);
        if (startsChunk(rest)) {
            std::size_t chunkLength = 0;
            if (!onChunk(rest, chunkLength))
                return false;
            i += std::min(chunkLength, rest.size());
        } else {
            if (!onPlain(file[i]))
                return false;
            ++i;
        }
    }
    return true;
}

std::size_t storedChunkLength(std::span<const uint8_t> chunk)
{
    return static_cast<std::size_t>(be32(chunk.data() + 4)) + CKVX_CHUNK_HEADER_SIZE;
}

// The size of the image the file expands to according to its stream headers, or 0 when that exceeds
// the expansion buffer.
std::size_t statedImageSize(std::span<const uint8_t> file)
{
    std::size_t size = kHeaderSize;
    const bool fits = walkBody(
        file,
        [&size](std::span<const uint8_t> chunk, std::size_t& chunkLength) {
            const auto header = ReadLh5Header(chunkStream(chunk));
            size += header ? header->uncompressedSize : 0;
            chunkLength = storedChunkLength(chunk);
            return size <= CKVX_EXPAND_BUFFER_SIZE;
        },
        [&size](uint8_t) { return ++size <= CKVX_EXPAND_BUFFER_SIZE; });
    return fits ? size : 0;
}

// Whether the bytes a chunk expanded to are the ones its stream header holds the CRC of. A chunk
// without a readable header expanded to nothing; validation rejects the image it leaves.
bool matchesStreamCrc(std::span<const uint8_t> chunk, std::span<const uint8_t> expanded)
{
    const auto header = ReadLh5Header(chunkStream(chunk));
    return !header || Crc16Update(0, expanded) == header->crc;
}

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File openFile(const std::filesystem::path& path, const char* mode)
{
    return File(std::fopen(path.c_str(), mode), &std::fclose);
}

// Reads the whole plain file and maps a short read to the step that would have failed.
int readPlainFile(FILE* in, std::vector<uint8_t>& bytes)
{
    struct stat info {};
    if (fstat(fileno(in), &info) != 0)
        return 2;
    const auto length = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (length < kHeaderSize)
        return 2;
    // The body must fit the work buffer that the expansion will use again when the file is opened.
    if (length < kHeaderSize + kTrailerSize || length - kHeaderSize - kTrailerSize > CKVX_EXPAND_BUFFER_SIZE)
        return 3;
    bytes.resize(length);
    const std::size_t got = std::fread(bytes.data(), 1, length, in);
    if (got < kHeaderSize)
        return 2;
    if (got < length - kTrailerSize)
        return 3;
    if (got < length)
        return 11;
    return 0;
}

// Writes and syncs the whole file; false on any failure.
bool writeWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    File out = openFile(path, "wb");
    if (!out)
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out.get()) != bytes.size())
        return false;
    if (std::fflush(out.get()) != 0 || fsync(fileno(out.get())) != 0)
        return false;
    return std::fclose(out.release()) == 0;
}

// Moves the temporary file over the target, keeping the target's permissions.
bool replaceFile(const std::filesystem::path& temporary, const std::filesystem::path& target)
{
    std::error_code ec;
    const auto perms = std::filesystem::status(target, ec).permissions();
    if (!ec)
        std::filesystem::permissions(temporary, perms, ec);
    std::filesystem::rename(temporary, target, ec);
    return !ec;
}

void removeTemporary(const std::filesystem::path& temporary)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(temporary, ec))
        std::filesystem::remove(temporary, ec);
}

int writeCompressedCopy(FILE* in, const std::filesystem::path& temporary)
{
    File probe = openFile(temporary, "wb");
    if (!probe)
        return 1;
    probe.reset();
    std::vector<uint8_t> plain;
    if (const int result = readPlainFile(in, plain); result != 0)
        return result;
    return writeWholeFile(temporary, PackCompFile(plain)) ? 0 : 1;
}

} // namespace

int CheckCompFile(std::span<const uint8_t> file)
{
    if (file.data() == nullptr)
        return StatusBadFormat;
    if (file.size() < kHeaderSize + 4)
        return 0;
    return std::memcmp(file.data() + kHeaderSize, kMarker, 4) == 0 ? StatusCompressed : 0;
}

int PackCompChunk(std::span<const uint8_t> data, std::span<uint8_t> output, std::size_t& chunkLength)
{
    if (output.size() < CKVX_CHUNK_HEADER_SIZE)
        return -1;
    const std::size_t streamLength = Lh5Compress(data, output.subspan(CKVX_CHUNK_HEADER_SIZE));
    if (streamLength == 0)
        return -1;
    std::memcpy(output.data(), kMarker, 4);
    putBe32(output.data() + 4, static_cast<uint32_t>(streamLength));
    putBe32(output.data() + 8, static_cast<uint32_t>(data.size()));
    chunkLength = streamLength + CKVX_CHUNK_HEADER_SIZE;
    return 0;
}

int UnpackCompChunk(std::span<const uint8_t> chunk, std::size_t& chunkLength, std::span<uint8_t> output,
                    std::size_t& expandedLength)
{
    chunkLength = 0;
    expandedLength = 0;
    if (!startsChunk(chunk))
        return -1;
    chunkLength = storedChunkLength(chunk);
    expandedLength = Lh5Expand(chunkStream(chunk), output);
    return expandedLength == be32(chunk.data() + 8) ? 0 : -1;
}

Status ExpandCompFile(std::span<const uint8_t> file, std::vector<uint8_t>& image)
{
    if (CheckCompFile(file) != StatusCompressed)
        return StatusOk;
    // Sizing the image first keeps the buffer as small as the file needs and rejects an oversized
    // image before any work.
    const std::size_t size = statedImageSize(file);
    if (size == 0)
        return StatusBadFormat;
    std::vector<uint8_t> out;
    try {
        out.resize(size);
    } catch (const std::bad_alloc&) {
        return StatusNoMemory;
    }
    std::memcpy(out.data(), file.data(), kHeaderSize);
    std::size_t o = kHeaderSize;
    // The marker at offset 16 begins the first chunk: a file that ends within its header is cut short.
    bool broken = file.size() < kHeaderSize + CKVX_CHUNK_HEADER_SIZE;
    bool crcMismatch = false;
    walkBody(
        file,
        [&](std::span<const uint8_t> chunk, std::size_t& chunkLength) {
            std::size_t expanded = 0;
            const bool whole = UnpackCompChunk(chunk, chunkLength, std::span(out).subspan(o), expanded) == 0;
            broken = broken || !whole || chunkLength > chunk.size();
            crcMismatch = crcMismatch || !matchesStreamCrc(chunk, std::span(out).subspan(o, expanded));
            o += expanded;
            return true;
        },
        [&](uint8_t b) {
            out[o++] = b;
            return true;
        });
    out.resize(o);
    image = std::move(out);
    if (broken)
        return StatusBrokenCompressedData;
    return crcMismatch ? StatusDamagedData : StatusOk;
}

std::vector<uint8_t> PackCompFile(std::span<const uint8_t> image)
{
    const auto plain = [image] { return std::vector<uint8_t>(image.begin(), image.end()); };
    if (image.size() <= kHeaderSize + kTrailerSize ||
        image.size() - kHeaderSize - kTrailerSize > CKVX_EXPAND_BUFFER_SIZE)
        return plain();
    const auto body = image.subspan(kHeaderSize, image.size() - kHeaderSize - kTrailerSize);
    std::vector<uint8_t> packed(image.size() + CKVX_CHUNK_HEADER_SIZE + LH5_STREAM_OVERHEAD);
    std::size_t chunkLength = 0;
    if (PackCompChunk(body, std::span(packed).subspan(kHeaderSize), chunkLength) != 0)
        return plain();
    std::memcpy(packed.data(), image.data(), kHeaderSize);
    std::memcpy(packed.data() + kHeaderSize + chunkLength, image.data() + image.size() - kTrailerSize,
                kTrailerSize);
    packed.resize(kHeaderSize + chunkLength + kTrailerSize);
    return packed;
}

int SaveCompFile(const std::string& path)
{
    if (path.empty())
        return 1;
    std::filesystem::path target = path;
    std::error_code ec;
    // Write next to the real file, so that a symbolic link keeps pointing at it.
    if (std::filesystem::is_symlink(target, ec))
        target = std::filesystem::canonical(target, ec);
    if (ec)
        return 1;
    File in = openFile(target, "rb");
    if (!in)
        return 1;
    const std::filesystem::path temporary = target.string() + "_tmp";
    int result = 1;
    try {
        result = writeCompressedCopy(in.get(), temporary);
    } catch (const std::bad_alloc&) {
        result = 1; // no room for the work buffers: the plain file stays
    }
    in.reset();
    if (result == 0 && !replaceFile(temporary, target))
        result = 1;
    if (result != 0)
        std::fprintf(stderr, "SaveCompFile >> ERROR!!(ret = %d)\n", result);
    removeTemporary(temporary);
    return result;
}

} // namespace kvx
