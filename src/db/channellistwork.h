#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx {

// Kinds of group the channel list shows.
constexpr uint8_t GROUP_ALL = 0;
constexpr uint8_t GROUP_NETWORK = 1;
constexpr uint8_t GROUP_FAVORITE = 2;

// What the channel list changed in its working copies.
constexpr unsigned CHLIST_ORDER = 1;
constexpr unsigned CHLIST_FAVORITES = 2;
constexpr unsigned CHLIST_NAMES = 4;

// sortKey: the column of the last sort in bits 0-30, bit 31 for descending; all ones when unsorted.
constexpr uint32_t SORT_NONE = 0xFFFFFFFF;
constexpr uint32_t SORT_DESCENDING = 0x80000000;

// Columns of the channel list.
constexpr int CHLIST_COLUMN_NAME = 0;
constexpr int CHLIST_COLUMN_CA = 1;
constexpr int CHLIST_COLUMN_NETWORK = 2;
constexpr int CHLIST_COLUMN_FAVORITE = 3;

// favMask has one bit per group, so only the first sixteen groups take channels from the list.
constexpr int FAVORITE_MASK_GROUPS = 16;

// The orders the channel list's Sort menu offers. All of them are stable: rows that compare equal keep
// their order.
enum class ChannelSort {
    Name,             // by name, letter case ignored (as the Name column sorts)
    NetworkFrequency, // by network slot, then transponder frequency (V and R before H and L)
    ServiceId,        // by service ID
    ScrambledLast,    // free channels first, then the scrambled ones (CA system named or marked scrambled)
};

// Whether the program counts as scrambled: the CA column names a system, or it is marked scrambled.
bool isScrambled(const ProgInfo& prog);

struct ChannelGroup {
    uint8_t kind = GROUP_ALL;
    uint8_t index = 0;

    // The group list's item data: kind in the low byte, index in the next.
    uint16_t itemData() const { return static_cast<uint16_t>(kind | (index << 8)); }
    static ChannelGroup fromItemData(uint16_t data)
    {
        return {static_cast<uint8_t>(data & 0xFF), static_cast<uint8_t>(data >> 8)};
    }
    bool operator==(const ChannelGroup&) const = default;
};

// One program of the working program list, or one row of the list.
struct ChannelRow {
    ProgInfo* prog = nullptr;
    uint16_t programIndex = 0; // its position in the database's program list when the list opened
};

// The channel list's working copies: the program order and the favourite groups of a database, the
// rows of the group and tab shown, and the edits on them. Nothing reaches the database before apply().
class ChannelListWork {
public:
    // Copies the program list and the favourite groups, recomputes every favMask and shows the TV
    // channels of all satellites.
    explicit ChannelListWork(ChannelDatabase& db);

    const ChannelDatabase& database() const { return db_; }
    const std::vector<ChannelGroup>& groups() const { return groups_; }
    ChannelGroup currentGroup() const { return group_; }
    int tab() const { return radio_ ? 1 : 0; }
    const std::vector<ChannelRow>& rows() const { return rows_; }
    const std::vector<FavInfo>& favourites() const { return favourites_; }
    uint32_t sortKey() const { return sortKey_; }
    unsigned modifiedFlags() const { return modified_; }
    bool orderDirty() const { return orderDirty_; }

    // Writes the pending row order back, then shows the group or tab.
    void selectGroup(ChannelGroup group);
    void selectTab(int tab);
    // Writes the row order back into the working program list or favourite list it came from.
    void flushOrder();

    // Sorts the rows by the column (again: the other way round). Returns the old row of each new row,
    // or nothing when fewer than two rows are shown.
    std::vector<int> sortByColumn(int column);
    // Takes the row out and puts it in again at the drop row's index; false when nothing moved.
    bool moveRow(int source, int drop);
    // Takes the rows out (in their present order, however `rows` lists them; rows that do not exist
    // and repeats are ignored) and puts them back as one block whose first row is `targetRow` of the
    // list after the move (clamped so that the block fits). Returns the block's new rows, ascending, or
    // nothing when no row moved. When `oldRowOf` is given it receives, for each row after the move, the
    // row it was before (left empty when nothing moved). One pass over the rows.
    std::vector<int> moveRows(const std::vector<int>& rows, int targetRow,
                              std::vector<int>* oldRowOf = nullptr);
    // Moves each of the rows one place up (step < 0) or down, past its neighbour when that one is not
    // among them: a block keeps its order, a row at the edge stays. Returns the rows' new rows, ascending,
    // or nothing when no row moved; `oldRowOf` as for moveRows.
    std::vector<int> stepRows(const std::vector<int>& rows, int step, std::vector<int>* oldRowOf = nullptr);
    // Sorts the rows given (all rows when fewer than two are given) among themselves: the sorted rows
    // take the places the rows held, the others stay. Returns the old row of each row of the list, or
    // nothing when fewer than two rows take part or none moves (then nothing counts as changed). Forgets
    // the column sort.
    std::vector<int> sortRows(ChannelSort order, const std::vector<int>& rows = {});

    // Favourite groups the menu offers: the first sixteen.
    int menuGroupCount() const;
    bool inFavourite(int row, int group) const;
    // Adds the row's channel to the group's list for the current tab; false when it was in it.
    bool addToFavourite(int row, int group);
    // The rows that removeFromFavourite(row, group) takes out of the list, highest first.
    std::vector<int> rowsLeaving(int row, int group) const;
    // Takes the row's channel out of the group; returns the rows removed from the list (highest first),
    // which are those of the channel when the group itself is shown.
    std::vector<int> removeFromFavourite(int row, int group);
    // The same for several rows at once, as one edit: adds the channels of the rows not yet in the group
    // in row order; returns how many it added.
    int addRowsToFavourite(const std::vector<int>& rows, int group);
    // The rows that removeRowsFromFavourite(rows, group) takes out of the list, ascending.
    std::vector<int> rowsLeavingFavourite(const std::vector<int>& rows, int group) const;
    // Takes the channels of the rows out of the group (every copy, both lists) in one pass; returns the
    // rows removed from the list, ascending: those of the channels when the group itself is shown.
    std::vector<int> removeRowsFromFavourite(const std::vector<int>& rows, int group);
    // How many of the rows have their channel in the group.
    int countInFavourite(const std::vector<int>& rows, int group) const;
    // New names for the groups (extra names are ignored); whether any changed.
    bool renameFavourites(const std::vector<std::string>& names);

    // The first row after `selected` (from the top when none is, wrapping round, never `selected`
    // itself) whose channel matches; -1 when none does.
    int findNext(int selected, const std::function<bool(const ProgInfo&)>& matches) const;

    // The network a program belongs to, or -1 when its transponder does not exist.
    int networkOf(const ProgInfo& prog) const;

    // OK: writes the order, favourite lists and names back into the database and renumbers the
    // favourite entries after a reorder. Returns whether the database now differs from before.
    bool apply();

private:
    void fill();
    // The rows given that exist, ascending, each once.
    std::vector<int> validRows(const std::vector<int>& rows) const;
    // Puts the rows in the order given (the old row of each new row) and notes the change.
    void reorderRows(const std::vector<int>& oldRowOf);
    void markOrderChanged();
    bool shows(const ChannelRow& row) const;
    void markChanged(unsigned flag);
    bool groupListed(int group) const;
    void listGroup(int group);
    void unlistGroup(int group);
    void flushFavouriteOrder();
    void flushProgramOrder();
    bool applyNames();
    bool applyOrder(std::vector<uint16_t>& newIndexOf);
    bool applyFavourites();

    ChannelDatabase& db_;
    std::vector<ChannelRow> programs_;
    std::vector<FavInfo> favourites_;
    std::vector<ChannelGroup> groups_;
    std::vector<ChannelRow> rows_;
    ChannelGroup group_;
    bool radio_ = false;
    uint32_t sortKey_ = SORT_NONE;
    bool orderDirty_ = false;
    unsigned modified_ = 0;
};

} // namespace kvx
