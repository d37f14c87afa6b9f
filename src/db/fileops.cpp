#include "db/fileops.h"

#include <array>
#include <new>

#include "codec/ckvx.h"
#include "db/filebytes.h"
#include "db/fileidentity.h"
#include "db/kvximage.h"
#include "db/safefile.h"

namespace kvx {

namespace {

// The fields a save changes before it knows whether it succeeds.
struct SavedForm {
    explicit SavedForm(const ChannelDatabase& db)
            : compressed(db.compressed)
            , layoutFlags(db.layoutFlags)
            , stamp(db.stamp)
    {}
    void restore(ChannelDatabase& db) const
    {
        db.compressed = compressed;
        db.layoutFlags = layoutFlags;
        db.stamp = stamp;
    }
    bool compressed;
    uint32_t layoutFlags;
    std::array<uint8_t, 3> stamp;
};

void chooseForm(ChannelDatabase& db, bool compressed)
{
    db.compressed = compressed;
    if (compressed)
        db.layoutFlags |= FLAG_COMPRESSED;
    else
        db.layoutFlags &= ~FLAG_COMPRESSED;
}

// The bytes of the file: the image, packed into its CKVX form when the database is compressed. A body
// that does not compress is stored plain, as the container prescribes.
Status fileContent(ChannelDatabase& db, const Clock& clock, std::vector<uint8_t>& content)
{
    std::vector<uint8_t> image(KVX_IMAGE_BUFFER_SIZE);
    const WriteResult written = WriteImage(db, image, clock);
    if (written.status != StatusOk)
        return written.status;
    image.resize(written.size);
    if (!db.compressed) {
        content = std::move(image);
        return StatusOk;
    }
    content = PackCompFile(image);
    return content.empty() ? StatusCreateFailed : StatusOk;
}

} // namespace

namespace {

// Expands a CKVX file's bytes and validates the image they hold; sets `compressed` for the caller.
Status imageFromFileBytes(std::vector<uint8_t>& raw, bool& compressed, OpenOptions options)
{
    compressed = CheckCompFile(raw) == StatusCompressed;
    bool damaged = false;
    if (compressed) {
        std::vector<uint8_t> expanded;
        const Status status = ExpandCompFile(raw, expanded);
        damaged = status == StatusDamagedData;
        if (status != StatusOk && !damaged)
            return status;
        raw = std::move(expanded);
    }
    if (const Status status = ValidateImage(raw); status != StatusOk)
        return status;
    if (damaged && !options.acceptDamagedData)
        return StatusDamagedData;
    return StatusOk;
}

} // namespace

Outcome openDatabaseImage(ChannelDatabase& db, const std::string& path, std::vector<uint8_t>& image,
                          OpenOptions options, FileIdentity* readIdentity)
{
    try {
        std::vector<uint8_t> raw;
        if (const Outcome read = readFileBytes(path, raw); read != StatusOk)
            return read;
        const FileIdentity identity = identityOf(raw);
        bool compressed = false;
        if (const Status status = imageFromFileBytes(raw, compressed, options); status != StatusOk)
            return status;
        db.compressed = compressed;
        db.pendingFileName = path;
        image = std::move(raw);
        if (readIdentity != nullptr)
            *readIdentity = identity;
        return StatusOk;
    } catch (const std::bad_alloc&) {
        return StatusNoMemory;
    }
}

Status loadDatabaseBytes(ChannelDatabase& db, std::vector<uint8_t> bytes, OpenOptions options)
{
    try {
        bool compressed = false;
        if (const Status status = imageFromFileBytes(bytes, compressed, options); status != StatusOk)
            return status;
        ChannelDatabase loaded;
        loaded.compressed = compressed;
        if (const Status status = LoadImage(loaded, bytes); status != StatusOk)
            return status;
        db = std::move(loaded);
        return StatusOk;
    } catch (const std::bad_alloc&) {
        return StatusNoMemory;
    }
}

Status databaseFileBytes(ChannelDatabase& db, std::optional<bool> compressedForm, const Clock& clock,
                         std::vector<uint8_t>& content)
{
    const SavedForm before(db);
    if (compressedForm)
        chooseForm(db, *compressedForm);
    Status status = StatusOk;
    try {
        status = fileContent(db, clock, content);
    } catch (const std::bad_alloc&) {
        status = StatusNoMemory;
    }
    if (status != StatusOk)
        before.restore(db);
    return status;
}

Outcome openDatabase(ChannelDatabase& db, const std::string& path, OpenOptions options)
{
    const bool previousForm = db.compressed;
    std::string previousPending = db.pendingFileName;
    std::vector<uint8_t> image;
    if (const Outcome opened = openDatabaseImage(db, path, image, options); opened != StatusOk)
        return opened;
    Status status = StatusOk;
    try {
        status = LoadImage(db, image);
    } catch (const std::bad_alloc&) {
        status = StatusNoMemory;
    }
    if (status != StatusOk) {
        // A failed open leaves every field as it was.
        db.compressed = previousForm;
        db.pendingFileName = std::move(previousPending);
    }
    return status;
}

Outcome saveDatabase(ChannelDatabase& db, const std::string& path, std::optional<bool> compressedForm,
                     const Clock& clock, FileIdentity* writtenIdentity)
{
    // A failed save leaves the database as it was, its form included, so that a later plain Save
    // does not silently change the form of the file it was opened from.
    const SavedForm before(db);
    if (compressedForm)
        chooseForm(db, *compressedForm);
    Outcome outcome = StatusOk;
    FileIdentity identity;
    try {
        std::vector<uint8_t> content;
        outcome = fileContent(db, clock, content);
        if (outcome == StatusOk) {
            identity = identityOf(content);
            outcome = replaceFileContent(path, content);
        }
    } catch (const std::bad_alloc&) {
        outcome = StatusNoMemory;
    }
    if (outcome != StatusOk) {
        before.restore(db);
        return outcome;
    }
    db.fileName = path;
    if (writtenIdentity != nullptr)
        *writtenIdentity = identity;
    return StatusOk;
}

void closeDatabase(ChannelDatabase& db)
{
    db.clear();
}

void newDatabase(ChannelDatabase& db, ReceiverModel model)
{
    const bool combo = model == ReceiverModel::Combo;
    db.clear();
    db.compressed = false;
    db.version = combo ? 2 : 1;
    db.layoutFlags = combo ? (FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA) : FLAG_PROG_CA;
    const int slots = combo ? COMBO_SLOT_COUNT : SATELLITE_SLOT_COUNT;
    db.antennas.reserve(slots);
    db.networks.reserve(slots);
    for (int i = 0; i < slots; ++i) {
        db.antennas.append(AntInfo{});
        NetInfo net;
        net.reset(static_cast<uint8_t>(i));
        db.networks.append(std::move(net));
    }
    db.favourites.setDefaults();
}

} // namespace kvx
