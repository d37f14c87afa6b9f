#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvx {

struct ChannelDatabase;

// A lossless copy of a whole ChannelDatabase in one contiguous buffer: every header field and every
// field of every record, including what the KVX layout cannot store (transponder names in layouts
// without them, names beyond the format's lengths, favMask). Tree items are not kept; a restored
// database has none, and the window rebuilds its tree. The buffer is this class's own format
// (fixed-width little-endian fields, length-prefixed strings and lists), about 1.4 MB for a database
// whose KVX image is 1 MiB.
class DatabaseSnapshot {
public:
    DatabaseSnapshot() = default; // holds no database; restoring it fails

    static DatabaseSnapshot take(const ChannelDatabase& db);

    // Replaces every field and record of `db` with the snapshot's. False, with `db` unchanged, when the
    // bytes do not read as one whole database (only an empty or damaged buffer can do that).
    bool restoreInto(ChannelDatabase& db) const;
    // Same, from bytes taken from a snapshot.
    static bool restore(std::span<const uint8_t> bytes, ChannelDatabase& db);

    std::span<const uint8_t> bytes() const { return bytes_; }
    std::size_t byteSize() const { return bytes_.size(); }

    bool operator==(const DatabaseSnapshot&) const = default;

private:
    std::vector<uint8_t> bytes_;
};

} // namespace kvx
