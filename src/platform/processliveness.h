#pragma once

namespace kvx {

// True when no process with this id exists any more, so that files named after it belong to no one.
// A process of another user counts as alive; ids that cannot name a process (0 or below) are never
// reported gone, since such a name was not made by this program.
bool processIsGone(long pid);

// The id of this process, as written into the names of its temporary files.
long currentProcessId();

} // namespace kvx
