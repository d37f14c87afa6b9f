// kvxtool: the editor's command-line companion for scripting and inspecting database files.
#include <cstdint>
#include <cstdlib>
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

} // namespace

int main(int argc, char** argv)
{
    prepareHeap();
    CLI::App app{"kvxtool: inspect and edit KVX and CKVX channel database files"};
    app.require_subcommand(1);
    int exitCode = 0;
    kvx::cli::addInspectCommands(app, exitCode);
    kvx::cli::addLh5Commands(app, exitCode);
    kvx::cli::addEditCommands(app, exitCode);
    kvx::cli::addImportCommands(app, exitCode);
    kvx::cli::addExportCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    return exitCode;
}
