#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/status.h"
#include "db/channeldatabase.h"

namespace kvx {

class Clock;
struct FileIdentity;

enum class ReceiverModel { SatelliteOnly, Combo };

struct OpenOptions {
    // Opens a CKVX file whose expanded data fails the CRC of its compressed stream, as expanded.
    bool acceptDamagedData = false;
};

// Reads the file at `path`, expands it when it is CKVX and validates the image. On StatusOk `image`
// holds the validated image, `compressed` and `pendingFileName` are set, and nothing else of the
// database changed; the caller loads the image (LoadImage). On failure the database is untouched.
// A valid image whose compressed data fails its CRC gives StatusDamagedData unless the options accept
// it; the checks of the image itself come first, so that the question is only asked when the answer
// matters. A file that cannot be read gives its status with the system's reason (readFileBytes). On
// StatusOk `readIdentity`, when given, describes the bytes read.
Outcome openDatabaseImage(ChannelDatabase& db, const std::string& path, std::vector<uint8_t>& image,
                          OpenOptions options = {}, FileIdentity* readIdentity = nullptr);

// openDatabaseImage followed by LoadImage.
Outcome openDatabase(ChannelDatabase& db, const std::string& path, OpenOptions options = {});

// openDatabase for the bytes of a file that is not a path of its own (standard input, a pipe); the
// database is replaced only on StatusOk.
Status loadDatabaseBytes(ChannelDatabase& db, std::vector<uint8_t> bytes, OpenOptions options = {});

// The bytes saveDatabase would write, for a destination that is not a file (standard output). The form
// and stamp change as in a save; on failure they are left as they were.
Status databaseFileBytes(ChannelDatabase& db, std::optional<bool> compressedForm, const Clock& clock,
                         std::vector<uint8_t>& content);

// Writes the database to `path`. `compressedForm` is the form chosen in the save dialog (it sets or
// clears FLAG_COMPRESSED and `compressed`); without it the database's current form is kept. The new
// file is written completely beside the old one and renamed into place, so a failed save leaves the
// old file exactly as it was. Failures: StatusNoMemory, StatusTooLarge (the image does not fit a KVX
// file), StatusCreateFailed (cannot create or write, disk full, read-only file or folder, packing
// failed), with the system's reason where it gave one. On failure fileName, the form (compressed,
// layoutFlags) and the stamp are unchanged. On success `writtenIdentity`, when given, describes the
// bytes written.
Outcome saveDatabase(ChannelDatabase& db, const std::string& path, std::optional<bool> compressedForm,
                     const Clock& clock, FileIdentity* writtenIdentity = nullptr);

// Empties the database (lists, fileName, keepStamp).
void closeDatabase(ChannelDatabase& db);

// Fills the database with the model's slots, antennas and sixteen favourite groups.
void newDatabase(ChannelDatabase& db, ReceiverModel model);

} // namespace kvx
