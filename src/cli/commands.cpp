#include "cli/commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include "db/filebytes.h"
#include "db/safefile.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

const std::string kStandardInput = "(standard input)";
const std::string kStandardOutput = "(standard output)";

std::string systemReason(int error)
{
    return std::strerror(error);
}

Outcome readStream(int fd, std::vector<uint8_t>& bytes, std::size_t maxSize)
{
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        return StatusIsFolder;
    std::vector<uint8_t> data;
    constexpr std::size_t kChunk = 64 * 1024;
    for (;;) {
        const std::size_t done = data.size();
        data.resize(done + kChunk);
        const ssize_t n = ::read(fd, data.data() + done, kChunk);
        if (n < 0 && errno == EINTR) {
            data.resize(done);
            continue;
        }
        if (n < 0)
            return {StatusReadFailed, errno};
        data.resize(done + static_cast<std::size_t>(n));
        if (data.size() > maxSize)
            return StatusBadFormat;
        if (n == 0)
            break;
    }
    bytes = std::move(data);
    return StatusOk;
}

bool writeStandardOutput(std::span<const uint8_t> bytes)
{
    std::cout.flush();
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

} // namespace

std::string exitStatusHelp()
{
    return "Exit status:\n"
           "  0      success\n"
           "  1      diff: the databases differ; check: something was found\n"
           "  3      import done in part: the network's transponder list is full\n"
           "  4      lh5 compress: the input does not compress; no stream written\n"
           "  5      out of memory\n"
           "  6      no such file, or it cannot be opened\n"
           "  7      the file cannot be read completely\n"
           "  8      creating or replacing the output file failed\n"
           "  9      not a valid file of its kind (or too large to be one)\n"
           "  10     bad checksum\n"
           "  11     database version not supported\n"
           "  13     the database is too large for a KVX file\n"
           "  14,16,17  the path is a folder, device or socket, not a file\n"
           "  18     damaged data: a CKVX file (see --ignore-checksum) or an LH5 stream\n"
           "  20     a CKVX file's compressed data is damaged or truncated\n"
           "  64     usage error (unknown command or option, value out of range, ...)\n"
           "  65     the file has no such network slot, transponder or program\n"
           "  73     the output file exists (see --force)\n"
           "  74     writing standard output failed\n"
           "A FILE, IN, SDXFILE, PAGE or REF of '-' is standard input; an OUT of '-' is standard output.";
}

std::string inputName(const std::string& path)
{
    return path == "-" ? kStandardInput : path;
}

std::string outputName(const std::string& path)
{
    return path == "-" ? kStandardOutput : path;
}

int report(const std::string& name, const std::string& message, int exit)
{
    std::cerr << "kvxtool: " << name << ": " << message << '\n';
    return exit;
}

int report(const std::string& message, int exit)
{
    std::cerr << "kvxtool: " << message << '\n';
    return exit;
}

int failInput(const std::string& path, const Outcome& outcome)
{
    std::string message = outcomeMessage(outcome);
    if (outcome == StatusDamagedData)
        message += "; use --ignore-checksum to read it as it expands anyway";
    return report(inputName(path), message, outcome.status());
}

int failOutput(const std::string& path, const Outcome& outcome)
{
    return report(outputName(path), outcomeMessage(outcome), outcome.status());
}

Outcome readInput(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxSize)
{
    if (path == "-")
        return readStream(STDIN_FILENO, bytes, maxSize);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode)) {
        // A pipe has no size to check beforehand: it is read to its end, up to the limit.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return {StatusNoFile, errno};
        const Outcome read = readStream(fd, bytes, maxSize);
        ::close(fd);
        return read;
    }
    return readFileBytes(path, bytes, maxSize);
}

int writeOutput(const std::string& path, std::span<const uint8_t> bytes, bool force)
{
    if (path == "-") {
        if (writeStandardOutput(bytes))
            return ExitOk;
        return report(kStandardOutput, "Write error (" + systemReason(errno) + ")", ExitWriteFailed);
    }
    struct stat info {};
    if (!force && ::lstat(path.c_str(), &info) == 0)
        return report(path, "The file exists; use --force to replace it", ExitOutputExists);
    if (const Outcome written = replaceFileContent(path, bytes); written != StatusOk)
        return failOutput(path, written);
    return ExitOk;
}

int checkInPlacePath(const std::string& path)
{
    if (path != "-")
        return ExitOk;
    return report(kStandardInput, "A file changed in place must be named; '-' is not one", ExitUsage);
}

void addIgnoreChecksumFlag(CLI::App& command, bool& ignoreChecksum)
{
    command.add_flag("--ignore-checksum", ignoreChecksum,
                     "Read a CKVX file even when its compressed data fails its checksum");
}

void addForceFlag(CLI::App& command, bool& force)
{
    command.add_flag("--force", force, "Replace OUT when it exists");
}

void addKeepStampFlag(CLI::App& command, bool& keepStamp)
{
    command.add_flag(
        "--keep-stamp", keepStamp,
        "Keep the file's stamp instead of setting today's date (a version stamp is always kept)");
}

namespace {

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The code page a Windows code page number names, or empty.
std::string codePageNumbered(const std::string& digits)
{
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return {};
    const int number = std::stoi(digits);
    if (number >= 1250 && number <= 1258)
        return "WINDOWS-" + digits;
    if (number > 28590 && number <= 28606)
        return "ISO-8859-" + std::to_string(number - 28590);
    if (number == 20866)
        return "KOI8-R";
    if (number == 21866)
        return "KOI8-U";
    return {};
}

// The accepted name of a code page given by name, alias or number; empty when it is not accepted.
std::string acceptedCodePage(const std::string& given)
{
    std::string name = upper(given);
    if (const std::string numbered = codePageNumbered(name); !numbered.empty())
        name = numbered;
    else if (name.starts_with("CP") && !codePageNumbered(name.substr(2)).empty())
        name = codePageNumbered(name.substr(2));
    const auto& choices = NameEncoding::choices();
    return std::find(choices.begin(), choices.end(), name) != choices.end() ? name : std::string();
}

std::string choicesText()
{
    std::string text;
    for (const std::string& name : NameEncoding::choices())
        text += (text.empty() ? "" : " ") + name;
    return text;
}

} // namespace

void addEncodingOption(CLI::App& command, std::string& encoding, const std::string& help)
{
    const CLI::Validator codePage(
        [](std::string& value) {
            const std::string name = acceptedCodePage(value);
            if (name.empty())
                return "'" + value +
                       "' is not a single-byte code page (names are stored one byte per character); "
                       "accepted: " +
                       choicesText() + ", or a Windows code page number such as 1251 or 28595";
            value = name;
            return std::string();
        },
        "CODEPAGE");
    command.add_option("--encoding", encoding, help + "; one of " + choicesText() + " or its Windows number")
        ->transform(codePage)
        ->capture_default_str();
}

} // namespace kvx::cli
