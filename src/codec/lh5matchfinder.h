#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kvx {

// Longest-match finder of the encoder: a Patricia trie over the strings starting in the 8 KiB window,
// with hashed child lists, so that inserting and deleting a position costs time bounded by the match
// length. Every node on an insertion's path is stamped with the newest position, so among equally
// long matches the most recent one is found; a deletion percolates positions upwards.
//
// The text buffer holds two window halves plus one longest match of look-ahead. Nodes 1..8191 are
// internal nodes, 8192..16383 the leaves (one per window slot), and 8192..8447 double as the roots of
// the 256 first bytes.
class Lh5MatchFinder {
public:
    static constexpr int WINDOW = 8192;
    static constexpr int MAX_MATCH = 256;
    static constexpr int TEXT_SIZE = 2 * WINDOW + MAX_MATCH;

    Lh5MatchFinder() { reset(); }
    // A finder placed in memory that is known to read as zero (fresh pages) leaves the zeros unwritten:
    // on a fresh mapping that saves a page fault for every page the trie never reaches.
    struct InZeroedMemory {};
    explicit Lh5MatchFinder(InZeroedMemory) { reset(false); }
    // Back to the state of a new finder; clearZeros false when every table already reads as zero.
    void reset(bool clearZeros = true);

    uint8_t* text() { return text_.data(); }
    int position() const { return pos_; }

    // Starts at the first position of the text (offset WINDOW) and inserts it.
    void start();
    // Moves to the next position; when the end of the text is reached, the upper half and the look-ahead
    // move down and true is returned: the caller then refills WINDOW bytes at WINDOW + MAX_MATCH.
    bool advance()
    {
        if (++pos_ < 2 * WINDOW)
            return false;
        slide();
        return true;
    }
    // Deletes the string that has just left the window and inserts the one at the current position,
    // updating matchLength and matchPosition.
    void replaceOldest();

    // Longest match for the current position: its length (at most MAX_MATCH) and its text offset. The
    // caller may shorten matchLength; the next insertion starts from it.
    int matchLength = 0;
    int matchPosition = 0;

    // The match's distance minus one, as the stream codes it.
    unsigned distanceCode() const { return static_cast<unsigned>(pos_ - matchPosition - 1) & (WINDOW - 1); }

    // Writes down the finder's state in a form that does not depend on how internal nodes are numbered
    // (which only decides where a node sits in the hash chains): two finders with equal descriptions
    // find the same matches from here on, whatever text follows. Returns the number of words written to
    // `out`, which holds at most MAX_STATE_WORDS.
    std::size_t describeState(uint32_t* out) const;
    // Position and match, the text, and per leaf at most a path word plus the internal nodes (fewer than
    // a window) it is the first to reach, or two words for a replaced leaf.
    static constexpr std::size_t MAX_STATE_WORDS = 3 + TEXT_SIZE / 4 + 3 * WINDOW;

private:
    static constexpr int NIL = 0;
    static constexpr uint16_t PERC_FLAG = 0x8000;
    static constexpr int ROOTS = 256;
    // The chain head of child byte c of a node is a hash slot after the nodes' own links. Any slot
    // function that keeps the 256 bytes of one node apart finds the same children; this one spreads
    // neighbouring nodes widely, which keeps the chains short.
    static constexpr int HASH_SLOTS = 32768;
    static constexpr int MAX_HASH = 2 * WINDOW + HASH_SLOTS - 1;
    static_assert(MAX_HASH <= 0xFFFF, "prev_ holds slot numbers in 16 bits");

    static int hash(int node, uint8_t c)
    {
        return 2 * WINDOW +
               static_cast<int>(((static_cast<uint32_t>(node) * 0x9E3779B1u >> 17) ^ c) & (HASH_SLOTS - 1));
    }
    void slide();
    [[gnu::always_inline]] int child(int node, uint8_t c);
    [[gnu::always_inline]] void makeChild(int node, uint8_t c, int r);
    [[gnu::always_inline]] void split(int old);
    [[gnu::always_inline]] void insert();
    [[gnu::always_inline]] void remove();

    // Fixed arrays rather than vectors: the byte stores below would otherwise make the compiler reload
    // every vector's data pointer after each of them. reset() gives them their values.
    std::array<uint8_t, TEXT_SIZE> text_;
    std::array<uint8_t, WINDOW + ROOTS> level_;      // depth of internal nodes and roots
    std::array<uint8_t, WINDOW + ROOTS> childCount_; // of internal nodes
    std::array<uint16_t, WINDOW + ROOTS> stamp_;     // newest position below a node; PERC_FLAG: percolating
    std::array<uint16_t, WINDOW + ROOTS> childXor_;  // xor of the children: the last child when one is left
    std::array<uint16_t, 2 * WINDOW> parent_;
    std::array<uint16_t, 2 * WINDOW> prev_;
    // Sibling chains, chain heads (hash slots) and the free list. Each link also holds the parent of
    // the node it points to, so a chain walk checks a node without loading its parent.
    struct Link {
        uint16_t next;
        uint16_t nextParent;
    };
    std::array<Link, MAX_HASH + 1> link_;
    int pos_ = WINDOW;
    int avail_ = 1;
};

} // namespace kvx
