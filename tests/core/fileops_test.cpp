#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "db/filebytes.h"
#include "db/fileidentity.h"
#include "db/fileops.h"
#include "db/kvximage.h"
#include "db/safefile.h"
#include "platform/clock.h"
#include "support/damagedckvx.h"
#include "support/sampledatabase.h"
#include "support/unreadablefile.h"

using namespace kvx;
namespace fs = std::filesystem;

namespace {

class Folder {
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "kvxfileops-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~Folder()
    {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : fs::recursive_directory_iterator(path_))
            out.push_back(fs::relative(entry.path(), path_).string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    fs::path path_;
};

std::vector<uint8_t> contentOf(const std::string& path)
{
    std::vector<uint8_t> bytes;
    EXPECT_EQ(readFileBytes(path, bytes, 64 * 1024 * 1024), StatusOk) << path;
    return bytes;
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

const FixedClock kToday({2026, 12, 7});

ChannelDatabase sample()
{
    return test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA | FLAG_TP_NAMES);
}

// An existing file that a failing save must leave alone, and the database about to be saved over it.
struct SaveOverOldFile {
    Folder folder;
    std::string path = folder.file("old.kvx");
    std::vector<uint8_t> oldBytes;
    ChannelDatabase db = sample();

    SaveOverOldFile()
    {
        ChannelDatabase old = test::makeVariedDatabase(1, FLAG_PROG_CA);
        EXPECT_EQ(saveDatabase(old, path, false, kToday), StatusOk);
        oldBytes = contentOf(path);
        db.fileName = path;
        db.keepStamp = false;
    }

    // The old file byte for byte, nothing else left in the folder, the database's file and form as
    // they were.
    void expectUntouched(const ChannelDatabase& before) const
    {
        EXPECT_EQ(contentOf(path), oldBytes);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"old.kvx"});
        EXPECT_EQ(db.fileName, path);
        EXPECT_EQ(db.compressed, before.compressed);
        EXPECT_EQ(db.layoutFlags, before.layoutFlags);
        EXPECT_EQ(db.stamp, before.stamp);
    }
};

// Runs the save in a child process without the superuser's rights, so folder permissions apply as
// they do to a user. Returns the save's status.
int saveAsUnprivileged(ChannelDatabase& db, const std::string& path)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(100);
        _exit(saveDatabase(db, path, false, kToday));
    }
    int raw = 0;
    waitpid(child, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A process id no process can have.
long deadProcessId()
{
    long pidMax = 4194304;
    std::ifstream("/proc/sys/kernel/pid_max") >> pidMax;
    return pidMax + 1;
}

// Runs a save in a child process that the file size limit kills part way through writing, the way a
// kill or a crash ends a save.
void saveKilledPartWay(const std::string& path, bool allowUnnamed)
{
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limited{100, 100};
        setrlimit(RLIMIT_FSIZE, &limited);
        std::signal(SIGXFSZ, SIG_DFL);
        replaceFileContent(path, std::vector<uint8_t>(4096, 7), allowUnnamed);
        _exit(0);
    }
    int raw = 0;
    waitpid(child, &raw, 0);
    EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == SIGXFSZ) << raw;
}

} // namespace

TEST(NewDatabase, SatelliteOnlyAndComboModels)
{
    ChannelDatabase db = sample();
    db.fileName = "x.kvx";
    db.keepStamp = true;
    db.compressed = true;
    db.stamp = {0, 1, 2};
    newDatabase(db, ReceiverModel::SatelliteOnly);
    EXPECT_EQ(db.version, 1);
    EXPECT_EQ(db.layoutFlags, 0x04u);
    EXPECT_EQ(db.networks.size(), 64u);
    EXPECT_EQ(db.antennas.size(), 64u);
    EXPECT_TRUE(db.transponders.empty());
    EXPECT_TRUE(db.programs.empty());
    EXPECT_TRUE(
        std::all_of(db.networks.begin(), db.networks.end(), [](const NetInfo& n) { return n.isEmpty(); }));
    EXPECT_EQ(db.favourites.size(), 16u);
    EXPECT_EQ(db.favourites[15].name, "FAV 16");
    EXPECT_TRUE(db.fileName.empty());
    EXPECT_FALSE(db.keepStamp);
    EXPECT_FALSE(db.compressed);
    EXPECT_EQ(db.stamp, (std::array<uint8_t, 3>{0, 1, 2})); // the first save replaces it

    newDatabase(db, ReceiverModel::Combo);
    EXPECT_EQ(db.version, 2);
    EXPECT_EQ(db.layoutFlags, 0x1Cu);
    ASSERT_EQ(db.networks.size(), 65u);
    EXPECT_EQ(db.networks[64].name, "Terrestrial");
    EXPECT_EQ(db.networks[64].netIndex, 64);
    EXPECT_EQ(db.networks[63].name, "");
    for (const AntInfo& ant : db.antennas) {
        EXPECT_EQ(ant.lnbKind(), 1); // Universal
        EXPECT_EQ(ant.power & 3, 3); // ON (Auto)
    }
    EXPECT_TRUE(db.favourites[0].tvList.empty());
}

TEST(CloseDatabase, EmptiesListsAndFileButKeepsTheForm)
{
    ChannelDatabase db = sample();
    db.fileName = "a.kvx";
    db.keepStamp = true;
    db.compressed = true;
    closeDatabase(db);
    EXPECT_TRUE(db.networks.empty());
    EXPECT_TRUE(db.favourites.empty());
    EXPECT_TRUE(db.fileName.empty());
    EXPECT_FALSE(db.keepStamp);
    EXPECT_TRUE(db.compressed);
}

TEST(SaveAndOpen, PlainRoundTripRefreshesTheStamp)
{
    Folder folder;
    const std::string path = folder.file("db.kvx");
    ChannelDatabase db = sample();
    db.keepStamp = false;
    ASSERT_EQ(saveDatabase(db, path, std::nullopt, kToday), StatusOk);
    EXPECT_EQ(db.fileName, path);
    EXPECT_EQ(db.stamp, (std::array<uint8_t, 3>{0x80 + 26, 12, 7}));
    const std::vector<uint8_t> bytes = contentOf(path);
    db.keepStamp = true;
    EXPECT_EQ(bytes, test::imageOf(db));

    ChannelDatabase opened;
    ASSERT_EQ(openDatabase(opened, path), StatusOk);
    EXPECT_EQ(opened.fileName, path);
    EXPECT_FALSE(opened.compressed);
    EXPECT_FALSE(opened.keepStamp);
    opened.keepStamp = true;
    EXPECT_EQ(test::imageOf(opened), bytes);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"db.kvx"});
}

TEST(SaveAndOpen, CompressedFormStaysUntilSavedAsPlain)
{
    Folder folder;
    const std::string packed = folder.file("db.ckvx");
    ChannelDatabase db = test::makeLargeDatabase({.networks = 4, .transponders = 400, .programs = 1500});
    ASSERT_EQ(saveDatabase(db, packed, true, kToday), StatusOk);
    EXPECT_TRUE(db.compressed);
    EXPECT_TRUE(db.layoutFlags & FLAG_COMPRESSED);
    std::vector<uint8_t> bytes = contentOf(packed);
    ASSERT_GT(bytes.size(), 20u);
    EXPECT_EQ(std::string(bytes.begin() + 16, bytes.begin() + 20), "CKVX");
    const std::vector<uint8_t> image = test::imageOf(db);
    EXPECT_LT(bytes.size(), image.size());

    ChannelDatabase opened;
    std::vector<uint8_t> expanded;
    ASSERT_EQ(openDatabaseImage(opened, packed, expanded), StatusOk);
    EXPECT_EQ(expanded, image);
    EXPECT_TRUE(opened.compressed);
    EXPECT_EQ(opened.pendingFileName, packed);
    EXPECT_TRUE(opened.networks.empty()); // loading is the caller's step
    ASSERT_EQ(openDatabase(opened, packed), StatusOk);
    EXPECT_TRUE(opened.layoutFlags & FLAG_COMPRESSED);

    // Save without a chosen form keeps it compressed; Save As plain clears the flag.
    ASSERT_EQ(saveDatabase(opened, packed, std::nullopt, kToday), StatusOk);
    bytes = contentOf(packed);
    EXPECT_EQ(std::string(bytes.begin() + 16, bytes.begin() + 20), "CKVX");
    const std::string plain = folder.file("plain.kvx");
    ASSERT_EQ(saveDatabase(opened, plain, false, kToday), StatusOk);
    EXPECT_FALSE(opened.compressed);
    bytes = contentOf(plain);
    EXPECT_EQ(bytes[12] & FLAG_COMPRESSED, 0);
    EXPECT_EQ(ValidateImage(bytes), StatusOk);
    EXPECT_EQ(opened.fileName, plain);
}

TEST(SaveAndOpen, ReplacedFileKeepsPermissionsAndLinkedFileIsUpdated)
{
    Folder folder;
    const std::string path = folder.file("db.kvx");
    ChannelDatabase db = sample();
    ASSERT_EQ(saveDatabase(db, path, false, kToday), StatusOk);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    fs::create_symlink(path, folder.file("link.kvx"));
    db.networks[0].name = "Changed";
    ASSERT_EQ(saveDatabase(db, folder.file("link.kvx"), false, kToday), StatusOk);
    EXPECT_TRUE(fs::is_symlink(folder.file("link.kvx")));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ChannelDatabase opened;
    ASSERT_EQ(openDatabase(opened, path), StatusOk);
    EXPECT_EQ(opened.networks[0].name, "Changed");
}

TEST(SaveAndOpen, SavingThroughLinksWritesTheEndOfTheChain)
{
    // A relative link behind an absolute one; the file at the end exists or is still to be made.
    for (const bool targetExists : {true, false}) {
        Folder folder;
        fs::create_directory(folder.file("real"));
        const std::string target = folder.file("real/db.kvx");
        if (targetExists)
            writeBytes(target, {1, 2, 3});
        fs::create_symlink("real/db.kvx", folder.file("hop.kvx"));
        fs::create_symlink(folder.file("hop.kvx"), folder.file("link.kvx"));
        ChannelDatabase db = sample();
        ASSERT_EQ(saveDatabase(db, folder.file("link.kvx"), false, kToday), StatusOk) << targetExists;
        EXPECT_TRUE(fs::is_symlink(folder.file("link.kvx")));
        EXPECT_TRUE(fs::is_symlink(folder.file("hop.kvx")));
        db.keepStamp = true;
        EXPECT_EQ(contentOf(target), test::imageOf(db));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 3);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.file("real")), {}), 1);
    }
}

TEST(SaveTemporaries, NothingOfAKilledSaveOutlivesTheNextSave)
{
    // The unnamed temporary file dies with the process; the named one is removed by the next save,
    // which also removes those of other processes that are gone and keeps those of live ones.
    for (const bool unnamed : {true, false}) {
        Folder folder;
        const std::string path = folder.file("db.kvx");
        writeBytes(path, {1, 2, 3});
        const std::string live = ".db.kvx.saving-" + std::to_string(getppid()) + "-0";
        writeBytes(folder.file(live), {9});
        saveKilledPartWay(path, unnamed);
        EXPECT_EQ(contentOf(path), (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_EQ(folder.names().size(), unnamed ? 2u : 3u) << unnamed;
        writeBytes(folder.file(".db.kvx.saving-" + std::to_string(deadProcessId()) + "-0"), {9});

        const std::vector<uint8_t> bytes(300, 5);
        ASSERT_EQ(replaceFileContent(path, bytes, unnamed), StatusOk);
        EXPECT_EQ(contentOf(path), bytes);
        EXPECT_EQ(folder.names(), (std::vector<std::string>{live, "db.kvx"})) << unnamed;
    }
}

TEST(OpenFailures, StatusesAndTheDatabaseUntouched)
{
    Folder folder;
    ChannelDatabase db = sample();
    db.compressed = true;
    db.pendingFileName = "before";
    db.fileName = "current.kvx";
    const std::vector<uint8_t> before = test::imageOf(db);
    const auto expectUntouched = [&] {
        EXPECT_EQ(test::imageOf(db), before);
        EXPECT_TRUE(db.compressed);
        EXPECT_EQ(db.pendingFileName, "before");
        EXPECT_EQ(db.fileName, "current.kvx");
    };

    EXPECT_EQ(outcomeMessage(openDatabase(db, folder.file("missing.kvx"))), "No file found");
    EXPECT_EQ(openDatabase(db, folder.path().string()), StatusIsFolder);
    expectUntouched();
    // A file that is there but may not be read is not called missing.
    ChannelDatabase other = test::makeVariedDatabase(1, FLAG_PROG_CA);
    ASSERT_EQ(saveDatabase(other, folder.file("secret.kvx"), false, kToday), StatusOk);
    {
        const test::UnreadableFile unreadable(folder.file("secret.kvx"));
        const Outcome outcome = openDatabase(db, folder.file("secret.kvx"));
        EXPECT_EQ(outcome, StatusNoFile);
        EXPECT_EQ(outcomeMessage(outcome), "Permission denied");
    }
    expectUntouched();

    std::vector<uint8_t> shortImage = {'K', 'V', 'X', 0, 20, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    writeBytes(folder.file("short.kvx"), shortImage);
    EXPECT_EQ(openDatabase(db, folder.file("short.kvx")), StatusBadFormat);
    shortImage[8] = 3;
    writeBytes(folder.file("v3.kvx"), shortImage);
    EXPECT_EQ(openDatabase(db, folder.file("v3.kvx")), StatusBadVersion);
    expectUntouched();

    // Valid header, trailer and checksum around sections that do not parse.
    ChannelDatabase small = test::makeEmptyModel(1, FLAG_PROG_CA);
    std::vector<uint8_t> broken = test::imageOf(small);
    broken[16] = 200; // more antennas than the image holds
    uint8_t sum = 1;
    for (std::size_t i = 0; i + 1 < broken.size(); ++i)
        sum = static_cast<uint8_t>(sum + broken[i]);
    broken.back() = sum;
    writeBytes(folder.file("broken.kvx"), broken);
    EXPECT_EQ(openDatabase(db, folder.file("broken.kvx")), StatusBadFormat);
    expectUntouched();

    // A CKVX file whose stream header is damaged, or that is cut short, is told by its compressed
    // data, not as an invalid image.
    ChannelDatabase packedDb = sample();
    ASSERT_EQ(saveDatabase(packedDb, folder.file("p.ckvx"), true, kToday), StatusOk);
    const std::vector<uint8_t> packed = contentOf(folder.file("p.ckvx"));
    std::vector<uint8_t> badHeader = packed;
    badHeader[40] ^= 0x5A;
    const std::vector<uint8_t> cut(packed.begin(),
                                   packed.begin() + static_cast<std::ptrdiff_t>(packed.size() * 2 / 3));
    for (const auto& bytes : {badHeader, cut}) {
        writeBytes(folder.file("p.ckvx"), bytes);
        EXPECT_EQ(outcomeMessage(openDatabase(db, folder.file("p.ckvx"))),
                  "The file's compressed data is damaged or truncated");
        expectUntouched();
    }

    // Far larger than any image: rejected without being read whole.
    {
        std::ofstream huge(folder.file("huge.kvx"), std::ios::binary);
        huge.write("KVX", 4);
        huge.seekp(64 * 1024 * 1024);
        huge.put(0);
    }
    EXPECT_EQ(openDatabase(db, folder.file("huge.kvx")), StatusBadFormat);
    expectUntouched();
}

TEST(OpenFailures, DamagedCompressedDataOpensOnlyWhenAccepted)
{
    Folder folder;
    ChannelDatabase packedDb = sample();
    const test::DamagedCkvx damaged = test::damagedCkvxOf(packedDb);
    ASSERT_FALSE(damaged.file.empty());
    writeBytes(folder.file("p.ckvx"), damaged.file);

    ChannelDatabase db = test::makeVariedDatabase(1, FLAG_PROG_CA);
    const std::vector<uint8_t> before = test::imageOf(db);
    std::vector<uint8_t> image;
    EXPECT_EQ(openDatabaseImage(db, folder.file("p.ckvx"), image), StatusDamagedData);
    EXPECT_EQ(openDatabase(db, folder.file("p.ckvx")), StatusDamagedData);
    EXPECT_EQ(test::imageOf(db), before);
    EXPECT_TRUE(db.pendingFileName.empty());

    ASSERT_EQ(openDatabase(db, folder.file("p.ckvx"), {.acceptDamagedData = true}), StatusOk);
    EXPECT_TRUE(db.compressed);
    db.keepStamp = true;
    EXPECT_EQ(test::imageOf(db), damaged.image);
}

TEST(SaveFailures, MissingFolderOrTargetThatIsNoFile)
{
    SaveOverOldFile s;
    const ChannelDatabase before = s.db;
    const auto expectFailure = [&](const std::string& path, const std::string& message) {
        const Outcome outcome = saveDatabase(s.db, path, true, kToday);
        EXPECT_EQ(outcome, StatusCreateFailed) << path;
        EXPECT_EQ(outcomeMessage(outcome), message) << path;
    };
    expectFailure(s.folder.file("nowhere/db.kvx"), "Creating file failed: No such file or directory");
    s.expectUntouched(before);
    // A folder in the path that is a file.
    expectFailure(s.path + "/db.kvx", "Creating file failed: Not a directory");
    s.expectUntouched(before);
    fs::create_directory(s.folder.file("sub.kvx"));
    expectFailure(s.folder.file("sub.kvx"), "Creating file failed: Is a directory");
    EXPECT_TRUE(fs::is_directory(s.folder.file("sub.kvx")));
    fs::remove(s.folder.file("sub.kvx"));
    s.expectUntouched(before);
}

TEST(SaveFailures, ReadOnlyTargetIsNotReplaced)
{
    SaveOverOldFile s;
    const ChannelDatabase before = s.db;
    ASSERT_EQ(chmod(s.path.c_str(), 0444), 0);
    EXPECT_EQ(outcomeMessage(saveDatabase(s.db, s.path, std::nullopt, kToday)),
              "Creating file failed: Permission denied");
    s.expectUntouched(before);
}

TEST(SaveFailures, ReadOnlyFolder)
{
    {
        // The unprivileged save works where the folder allows it.
        SaveOverOldFile writable;
        ASSERT_EQ(chmod(writable.folder.path().c_str(), 0777), 0);
        ASSERT_EQ(chmod(writable.path.c_str(), 0666), 0);
        EXPECT_EQ(saveAsUnprivileged(writable.db, writable.path), StatusOk);
    }
    SaveOverOldFile s;
    const ChannelDatabase before = s.db;
    ASSERT_EQ(chmod(s.path.c_str(), 0666), 0);          // the file itself may be written
    ASSERT_EQ(chmod(s.folder.path().c_str(), 0555), 0); // but nothing may be created beside it
    EXPECT_EQ(saveAsUnprivileged(s.db, s.path), StatusCreateFailed);
    ASSERT_EQ(chmod(s.folder.path().c_str(), 0700), 0);
    s.expectUntouched(before);
}

TEST(SaveFailures, DatabaseTooLargeForTheFile)
{
    SaveOverOldFile s;
    const ChannelDatabase before = s.db;
    for (int i = 0; i < 4000; ++i) {
        ProgInfo prog = ProgInfo::create(0, 0);
        prog.name = std::string(250, 'x');
        s.db.programs.append(prog);
    }
    EXPECT_EQ(saveDatabase(s.db, s.path, true, kToday), StatusTooLarge);
    s.expectUntouched(before);
}

TEST(SaveFailures, DiskFullLeavesTheOldFile)
{
    SaveOverOldFile s;
    const ChannelDatabase before = s.db;
    // A file size limit makes writes fail part way, as a full disk does.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const Outcome outcome = saveDatabase(s.db, s.path, false, kToday);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    // The write's own reason is told, not one guessed before writing.
    EXPECT_EQ(outcomeMessage(outcome), "Creating file failed: File too large");
    s.expectUntouched(before);
}

TEST(ChangedOnDisk, TheContentDecidesNotTheTime)
{
    Folder folder;
    const std::string path = folder.file("db.kvx");
    ChannelDatabase db = sample();
    FileIdentity saved;
    ASSERT_EQ(saveDatabase(db, path, false, kToday, &saved), StatusOk);
    const std::vector<uint8_t> original = contentOf(path);
    const fs::file_time_type savedTime = fs::last_write_time(path);
    ChannelDatabase reopened;
    std::vector<uint8_t> image;
    FileIdentity read;
    ASSERT_EQ(openDatabaseImage(reopened, path, image, {}, &read), StatusOk);
    EXPECT_EQ(read, saved);

    std::vector<uint8_t> oneByteOther = original;
    oneByteOther[20] ^= 1;
    std::vector<uint8_t> longer = original;
    longer.push_back(0);
    const struct {
        const char* what;
        std::function<void()> change;
        bool changed;
    } cases[] = {
        {"written again with the same bytes", [&] { writeBytes(path, original); }, false},
        {"one byte other, its time set back",
         [&] {
             writeBytes(path, oneByteOther);
             fs::last_write_time(path, savedTime);
         },
         true},
        {"longer", [&] { writeBytes(path, longer); }, true},
        {"removed", [&] { fs::remove(path); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path, original);
        c.change();
        EXPECT_EQ(fileChangedSince(path, saved), c.changed);
    }
}

// Of two contents that differ in any one byte, in any bit of it, or only in their length, the
// identities differ: in the word-wise lanes and in the tail behind them alike.
TEST(FileIdentityOf, AnyOneByteOtherOrAnotherLengthChangesIt)
{
    for (const std::size_t length : {1, 7, 31, 32, 33, 70, 100}) {
        std::vector<uint8_t> content(length);
        for (std::size_t k = 0; k < length; ++k)
            content[k] = static_cast<uint8_t>(k * 37 + 11);
        const FileIdentity original = identityOf(content);
        EXPECT_EQ(identityOf(std::vector<uint8_t>(content)), original);
        for (std::size_t at = 0; at < length; ++at) {
            for (const uint8_t bit : {0x01, 0x80}) {
                content[at] ^= bit;
                EXPECT_NE(identityOf(content).fingerprint, original.fingerprint) << length << " " << at;
                content[at] ^= bit;
            }
        }
        content.push_back(0);
        EXPECT_NE(identityOf(content), original);
    }
}
