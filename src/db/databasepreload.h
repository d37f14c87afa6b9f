#pragma once

#include <future>
#include <string>

#include "base/status.h"
#include "db/channeldatabase.h"
#include "db/databasesnapshot.h"
#include "db/fileidentity.h"

namespace kvx {

// A database file read and loaded on a thread of its own, so that the caller can do other work
// meanwhile (the editor builds its window while the file named on its command line loads). The
// reading touches nothing but what it returns: a preload nobody takes only cost the reading.
class DatabasePreload {
public:
    struct Loaded {
        Outcome status = StatusCanceled; // anything but StatusOk: open the file the usual way
        ChannelDatabase db;
        FileIdentity identity;
        DatabaseSnapshot snapshot; // of db, the first state of its history
    };

    DatabasePreload() = default; // reads nothing
    // Starts reading `path`; an empty path reads nothing.
    explicit DatabasePreload(std::string path);
    DatabasePreload(const DatabasePreload&) = delete;
    DatabasePreload& operator=(const DatabasePreload&) = delete;
    ~DatabasePreload(); // waits for the reading

    const std::string& path() const { return path_; }
    // Waits for the reading and hands over its result; after that, and without a path, the status is
    // StatusCanceled.
    Loaded take();

private:
    std::string path_;
    std::future<Loaded> loaded_;
};

} // namespace kvx
