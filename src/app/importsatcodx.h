#pragma once

namespace kvx {

struct ChannelDatabase;
struct ImportQuestions;
struct NetInfo;

// Fills `network` from a SATCODX file the user chooses, with the progress in the status bar of the
// questions' window's main window. The import runs on a copy first and changes the database only when
// the user applies its review. Returns StatusOk when the database was changed, StatusCanceled when the
// user cancelled the file dialog or the review or the file changes nothing, and the failing status
// when the file could not be read (the user has been told; the database is unchanged then).
int ImportSatcodx(const ImportQuestions& questions, ChannelDatabase& db, NetInfo& network);

} // namespace kvx
