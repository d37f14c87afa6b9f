// kvxtool: the editor's command-line companion for scripting and inspecting database files.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include "cli/commands.h"

namespace {

// A command is one short burst of work in a process of its own: loading a large database makes tens
// of thousands of allocations, and every 4 KiB page the heap grows by costs a page fault. Growing the
// heap in one large step marked for huge pages, with the megabyte buffers taken from it too, turns
// those into a few faults per 2 MiB. Untouched address space costs nothing.
void prepareHeap()
{
    constexpr std::size_t kStep = 64 * 1024 * 1024;
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    if (mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024) == 0 || mallopt(M_TOP_PAD, kStep) == 0)
        return;
    // The first allocation beyond what the heap holds makes it grow by the step.
    void* probe = std::malloc(256 * 1024);
    if (probe == nullptr)
        return;
    const auto from = (reinterpret_cast<std::uintptr_t>(probe) + kHugePage - 1) & ~(kHugePage - 1);
    const auto to = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(kHugePage - 1);
    if (to > from)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    std::free(probe);
}

// Option groups are held as subcommands too.
bool isCommand(const CLI::App* app)
{
    return dynamic_cast<const CLI::Option_group*>(app) == nullptr;
}

// A first word that names no command is reported as such, not as an unexpected argument. Returns the
// unknown command's words, empty when the command exists (or none is given).
std::string unknownCommand(const CLI::App& app, int argc, char** argv)
{
    const CLI::App* scope = &app;
    std::string words;
    for (int k = 1; k < argc; ++k) {
        const std::string word = argv[k];
        if (word.empty() || word[0] == '-')
            return {};
        words += (words.empty() ? "" : " ") + word;
        const auto named =
            scope->get_subcommands([&](const CLI::App* c) { return isCommand(c) && c->check_name(word); });
        if (named.empty())
            return words;
        if (named.front()->get_subcommands(isCommand).empty())
            return {};
        scope = named.front();
    }
    return {};
}

// Output that stays in the buffers until the end must reach its destination too: a full disk or a
// closed pipe is a failure, not a success.
bool flushStandardOutput()
{
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    return std::fclose(stdout) == 0 && flushed;
}

} // namespace

int main(int argc, char** argv)
{
    prepareHeap();
    CLI::App app{"kvxtool: inspect and edit KVX and CKVX channel database files"};
    app.require_subcommand(1);
    app.set_version_flag("--version", KVX_VERSION, "Print the version and exit");
    app.footer(kvx::cli::exitStatusHelp());
    int exitCode = 0;
    kvx::cli::addInspectCommands(app, exitCode);
    kvx::cli::addLh5Commands(app, exitCode);
    kvx::cli::addEditCommands(app, exitCode);
    kvx::cli::addImportCommands(app, exitCode);
    kvx::cli::addExportCommands(app, exitCode);
    kvx::cli::addCheckCommands(app, exitCode);
    kvx::cli::addScanCommands(app, exitCode);
    if (const std::string unknown = unknownCommand(app, argc, argv); !unknown.empty())
        return kvx::cli::report("unknown command '" + unknown + "' (see kvxtool --help)",
                                kvx::cli::ExitUsage);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) // --help and --version
            return app.exit(e);
        return kvx::cli::report(std::string(e.what()) + " (see kvxtool --help)", kvx::cli::ExitUsage);
    }
    errno = 0;
    if (!flushStandardOutput() && exitCode != kvx::cli::ExitWriteFailed) {
        const std::string reason =
            errno != 0 ? std::strerror(errno) : "the output was not written completely";
        return kvx::cli::report("(standard output)", "Write error (" + reason + ")",
                                kvx::cli::ExitWriteFailed);
    }
    return exitCode;
}
