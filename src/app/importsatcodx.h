#pragma once

class QWidget;

namespace kvx {

class Prompter;
struct ChannelDatabase;
struct NetInfo;

// Fills `network` from a SATCODX file the user chooses, with the progress in the status bar of
// `window`'s main window. Returns StatusOk when the file was read to its end, StatusCanceled when the
// user cancelled the file dialog, and the failing status when the file could not be read (the user has
// been told; the database is unchanged then).
int ImportSatcodx(Prompter& prompter, QWidget* window, ChannelDatabase& db, NetInfo& network);

} // namespace kvx
