#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/channeldatabase.h"
#include "db/edithistory.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// State n of a test: a small database told apart by its layout flags; every state has the same size.
ChannelDatabase state(uint32_t n)
{
    return test::makeEmptyModel(1, n);
}

std::size_t stateBytes()
{
    return DatabaseSnapshot::take(state(0)).byteSize();
}

// The number of the state a move hands back, or -1 when it hands back none.
int stateOf(const EditHistory::Move& move)
{
    ChannelDatabase db;
    if (!move.state || !move.state->restoreInto(db))
        return -1;
    return static_cast<int>(db.layoutFlags);
}

StepPlace placeOf(int step)
{
    return StepPlace{.treeLevel = 2, .networkSlot = step, .transponderIndex = 10 * step, .programIndex = -1};
}

// Records the steps from..to-1, step n leading to state n + 1 and named "Step n".
void recordSteps(EditHistory& history, int from, int to)
{
    for (int n = from; n < to; ++n)
        history.record("Step " + std::to_string(n), state(n + 1), placeOf(n));
}

} // namespace

TEST(EditHistory, UndoAndRedoWalkTheStepsAndGiveBackTheirPlaces)
{
    EditHistory history;
    history.reset(state(0));
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(stateOf(history.undo()), -1);
    recordSteps(history, 0, 2);

    EXPECT_EQ(history.undoName(), "Step 1");
    EXPECT_EQ(history.redoName(), "");
    EditHistory::Move move = history.undo();
    EXPECT_EQ(stateOf(move), 1);
    EXPECT_EQ(move.place, placeOf(1));
    EXPECT_EQ(history.undoName(), "Step 0");
    EXPECT_EQ(history.redoName(), "Step 1");
    move = history.undo();
    EXPECT_EQ(stateOf(move), 0);
    EXPECT_EQ(move.place, placeOf(0));
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.undoName(), "");

    move = history.redo();
    EXPECT_EQ(stateOf(move), 1);
    EXPECT_EQ(move.place, placeOf(0));
    move = history.redo();
    EXPECT_EQ(stateOf(move), 2);
    EXPECT_EQ(move.place, placeOf(1));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(stateOf(history.redo()), -1);
}

TEST(EditHistory, RecordingDropsTheRedoStepsAndResetDropsAll)
{
    EditHistory history;
    history.reset(state(0));
    recordSteps(history, 0, 3);
    history.undo();
    history.undo();
    history.record("Branch", state(7), {});
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoCount(), 2u);
    EXPECT_EQ(history.byteSize(), 3 * stateBytes()) << "each state is kept once";
    EXPECT_EQ(stateOf(history.undo()), 1);
    EXPECT_EQ(stateOf(history.redo()), 7);

    history.reset(state(9));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.byteSize(), stateBytes());
}

TEST(EditHistory, CleanIsTheSavedStateUntilItIsDropped)
{
    // r record, u undo, d redo, s markClean; after each operation: c clean, - not clean.
    const struct {
        const char* ops;
        const char* clean;
        std::size_t maxSteps;
    } cases[] = {
        {"rruudd", "---c--", 100},   // undoing back to the saved state
        {"rsrud", "-c-c-", 100},     // saved after a step
        {"rurud", "-c-c-", 100},     // a new branch from the clean state keeps it
        {"rrsuur", "--c---", 100},   // a new branch below the clean state drops it,
        {"rrsuurr", "--c----", 100}, // also when the new branch grows as long,
        {"rrsuurs", "--c---c", 100}, // until the next save
        {"rrruuu", "------", 2},     // the oldest state, the clean one, fell off the end
    };
    for (const auto& c : cases) {
        EditHistory history(c.maxSteps);
        history.reset(state(0));
        EXPECT_TRUE(history.isClean());
        std::string clean;
        for (const char* op = c.ops; *op; ++op) {
            switch (*op) {
            case 'r': history.record("Step", state(static_cast<uint32_t>(clean.size() + 1)), {}); break;
            case 'u': history.undo(); break;
            case 'd': history.redo(); break;
            case 's': history.markClean(); break;
            }
            clean += history.isClean() ? 'c' : '-';
        }
        EXPECT_EQ(clean, c.clean) << c.ops;
    }
}

TEST(EditHistory, OldestStepsGoBeyondTheStepOrByteLimit)
{
    const std::size_t bytes = stateBytes();
    const struct {
        std::size_t maxSteps;
        std::size_t maxBytes;
        std::size_t keptSteps;
    } cases[] = {
        {3, 100 * bytes, 3},
        {100, 3 * bytes + bytes / 2, 2}, // three states fit
        {100, bytes / 2, 0},             // the current state stays even when it alone is too big
    };
    for (const auto& c : cases) {
        EditHistory history(c.maxSteps, c.maxBytes);
        history.reset(state(0));
        recordSteps(history, 0, 6);
        EXPECT_EQ(history.undoCount(), c.keptSteps) << c.maxSteps << " steps, " << c.maxBytes << " bytes";
        EXPECT_EQ(history.byteSize(), (c.keptSteps + 1) * bytes);
        int oldest = 6;
        while (history.canUndo())
            oldest = stateOf(history.undo());
        EXPECT_EQ(oldest, static_cast<int>(6 - c.keptSteps));
    }
}

TEST(EditHistory, DefaultLimitsKeepFiftyStepsOfTheLargeDatabase)
{
    const ChannelDatabase large = test::makeLargeDatabase();
    const std::size_t bytes = DatabaseSnapshot::take(large).byteSize();
    EXPECT_GT(bytes, 1'000'000u); // 20,000 programs cannot take less
    EXPECT_LT(bytes, 2'000'000u);

    EditHistory history;
    history.reset(large);
    for (int n = 0; n < 50; ++n)
        history.record("Step", large, {});
    EXPECT_EQ(history.undoCount(), 50u);
    EXPECT_EQ(history.byteSize(), 51 * bytes);
}
