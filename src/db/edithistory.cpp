#include "db/edithistory.h"

#include <utility>

#include "db/channeldatabase.h"

namespace kvx {

namespace {

const std::string kNoStep;

} // namespace

EditHistory::EditHistory(std::size_t maxSteps, std::size_t maxBytes)
        : maxSteps_(maxSteps)
        , maxBytes_(maxBytes)
{}

void EditHistory::reset(DatabaseSnapshot state)
{
    states_.clear();
    states_.push_back(State{std::move(state), {}, {}});
    bytes_ = states_.front().snapshot.byteSize();
    current_ = 0;
    clean_ = 0;
}

void EditHistory::record(std::string name, const ChannelDatabase& after, StepPlace place)
{
    if (states_.empty()) { // no reset yet: there is no state the step could be undone to
        reset(after);
        clean_.reset();
        return;
    }
    dropRedoSteps();
    states_.push_back(State{DatabaseSnapshot::take(after), std::move(name), place});
    bytes_ += states_.back().snapshot.byteSize();
    current_ = states_.size() - 1;
    dropOldestBeyondLimits();
}

const std::string& EditHistory::undoName() const
{
    return canUndo() ? states_[current_].stepName : kNoStep;
}

const std::string& EditHistory::redoName() const
{
    return canRedo() ? states_[current_ + 1].stepName : kNoStep;
}

EditHistory::Move EditHistory::undo()
{
    if (!canUndo())
        return {};
    const StepPlace place = states_[current_].stepPlace;
    --current_;
    return {&states_[current_].snapshot, place};
}

EditHistory::Move EditHistory::redo()
{
    if (!canRedo())
        return {};
    ++current_;
    return {&states_[current_].snapshot, states_[current_].stepPlace};
}

void EditHistory::dropRedoSteps()
{
    while (canRedo()) {
        bytes_ -= states_.back().snapshot.byteSize();
        states_.pop_back();
    }
    if (clean_ && *clean_ > current_)
        clean_.reset();
}

void EditHistory::dropOldestBeyondLimits()
{
    while (canUndo() && (undoCount() > maxSteps_ || bytes_ > maxBytes_))
        dropOldest();
}

void EditHistory::dropOldest()
{
    bytes_ -= states_.front().snapshot.byteSize();
    states_.erase(states_.begin());
    --current_;
    if (clean_ == 0u)
        clean_.reset();
    else if (clean_)
        --*clean_;
}

} // namespace kvx
