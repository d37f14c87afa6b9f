#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "db/databasesnapshot.h"
#include "db/stepplace.h"

namespace kvx {

struct ChannelDatabase;

// The undo/redo history of a database: a line of states, each kept once as a snapshot, with the named
// step that led to it. Undo and redo move along the line and hand back the state to restore.
class EditHistory {
public:
    // 100 steps is more than anyone undoes; 256 MiB holds about 190 states of a database whose image is
    // 1 MiB (1.4 MB a snapshot), so even with such databases the step limit is the one that applies.
    static constexpr std::size_t kDefaultMaxSteps = 100;
    static constexpr std::size_t kDefaultMaxBytes = std::size_t{256} << 20;

    // What undo() or redo() did: the state to restore (null when there was no step to move over) and
    // where the step undone or redone happened.
    struct Move {
        const DatabaseSnapshot* state = nullptr;
        StepPlace place;
    };

    // Keeps at most `maxSteps` steps and drops the oldest while all states together take more than
    // `maxBytes` (the current state always stays).
    explicit EditHistory(std::size_t maxSteps = kDefaultMaxSteps, std::size_t maxBytes = kDefaultMaxBytes);

    // Forgets every step; `db` becomes the only state, and the clean one.
    void reset(const ChannelDatabase& db) { reset(DatabaseSnapshot::take(db)); }
    // Same, with the snapshot of that database taken already.
    void reset(DatabaseSnapshot state);
    // Adds the step `name` that led to `after`, at `place`, and forgets the steps that could be redone.
    // Before the first reset, `after` only becomes the first state: there is nothing to undo it to.
    void record(std::string name, const ChannelDatabase& after, StepPlace place);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < states_.size(); }
    // The name of the step undo or redo would move over; empty when there is none.
    const std::string& undoName() const;
    const std::string& redoName() const;
    Move undo();
    Move redo();

    // The current state is the saved one.
    void markClean() { clean_ = current_; }
    // Whether the current state is the saved one. False once that state was dropped, until markClean.
    bool isClean() const { return clean_ == current_; }

    std::size_t undoCount() const { return current_; }
    std::size_t redoCount() const { return states_.empty() ? 0 : states_.size() - 1 - current_; }
    // The bytes of all snapshots kept.
    std::size_t byteSize() const { return bytes_; }

private:
    struct State {
        DatabaseSnapshot snapshot;
        std::string stepName; // the step that led here from the state before; empty for the first
        StepPlace stepPlace;
    };

    void dropRedoSteps();
    void dropOldestBeyondLimits();
    void dropOldest();

    std::size_t maxSteps_;
    std::size_t maxBytes_;
    std::vector<State> states_;
    std::size_t current_ = 0;
    std::optional<std::size_t> clean_;
    std::size_t bytes_ = 0;
};

} // namespace kvx
