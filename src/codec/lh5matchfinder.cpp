#include "codec/lh5matchfinder.h"

#include <bit>
#include <cstring>

namespace kvx {

namespace {

// Number of equal leading bytes of a and b, at most n; eight at a time where possible.
int commonPrefix(const uint8_t* a, const uint8_t* b, int n)
{
    int i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= n; i += 8) {
            uint64_t x;
            uint64_t y;
            std::memcpy(&x, a + i, 8);
            std::memcpy(&y, b + i, 8);
            if (x != y)
                return i + std::countr_zero(x ^ y) / 8;
        }
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

void Lh5MatchFinder::reset(bool clearZeros)
{
    static_assert(NIL == 0);
    if (clearZeros) {
        text_.fill(0);
        level_.fill(0);
        childCount_.fill(0);
        stamp_.fill(0);
        childXor_.fill(0);
        parent_.fill(NIL);
        prev_.fill(0);
        link_.fill({NIL, NIL});
    }
    pos_ = WINDOW;
    avail_ = 1;
    matchLength = 0;
    matchPosition = 0;
    for (int i = WINDOW; i < WINDOW + ROOTS; ++i)
        level_[i] = 1; // roots: stamp stays NIL, which stops percolation
    // Free internal nodes form a list through their links.
    for (int i = 1; i < WINDOW - 1; ++i)
        link_[i].next = static_cast<uint16_t>(i + 1);
    link_[WINDOW - 1].next = NIL;
}

void Lh5MatchFinder::slide()
{
    std::memmove(text_.data(), text_.data() + WINDOW, WINDOW + MAX_MATCH);
    pos_ = WINDOW;
}

inline int Lh5MatchFinder::child(int node, uint8_t c)
{
    Link e = link_[hash(node, c)];
    while (e.nextParent != node && e.next != NIL)
        e = link_[e.next];
    return e.next;
}

inline void Lh5MatchFinder::makeChild(int node, uint8_t c, int r)
{
    const int h = hash(node, c);
    const int t = link_[h].next;
    link_[r] = link_[h];
    link_[h] = {static_cast<uint16_t>(r), static_cast<uint16_t>(node)};
    prev_[t] = static_cast<uint16_t>(r);
    prev_[r] = static_cast<uint16_t>(h);
    parent_[r] = static_cast<uint16_t>(node);
    ++childCount_[node];
    childXor_[node] ^= static_cast<uint16_t>(r);
}

// Puts a new internal node at depth matchLength above `old`, with the current position as its
// second child.
inline void Lh5MatchFinder::split(int old)
{
    const int node = avail_;
    avail_ = link_[node].next;
    childCount_[node] = 0;
    childXor_[node] = 0;
    int t = prev_[old];
    prev_[node] = static_cast<uint16_t>(t);
    parent_[node] = parent_[old];
    link_[t] = {static_cast<uint16_t>(node), parent_[old]};
    link_[node] = link_[old];
    prev_[link_[old].next] = static_cast<uint16_t>(node);
    childXor_[parent_[old]] ^= static_cast<uint16_t>(old ^ node);
    level_[node] = static_cast<uint8_t>(matchLength);
    stamp_[node] = static_cast<uint16_t>(pos_);
    makeChild(node, text_[matchPosition + matchLength], old);
    makeChild(node, text_[pos_ + matchLength], pos_);
}

inline void Lh5MatchFinder::insert()
{
    int q;
    int r;
    if (matchLength >= 4) {
        // The string here shares matchLength - 1 bytes with the one after the previous match: start
        // from that leaf's ancestor instead of the root.
        --matchLength;
        r = (matchPosition + 1) | WINDOW;
        while ((q = parent_[r]) == NIL)
            r = link_[r].next; // a replaced leaf points at its successor
        while (level_[q] >= matchLength) {
            r = q;
            q = parent_[q];
        }
        int t = q;
        while (stamp_[t] & PERC_FLAG) {
            stamp_[t] = static_cast<uint16_t>(pos_);
            t = parent_[t];
        }
        if (t < WINDOW)
            stamp_[t] = static_cast<uint16_t>(pos_ | PERC_FLAG);
    } else {
        q = text_[pos_] + WINDOW;
        const uint8_t c = text_[pos_ + 1];
        if ((r = child(q, c)) == NIL) {
            makeChild(q, c, pos_);
            matchLength = 1;
            return;
        }
        matchLength = 2;
    }
    for (;;) {
        int limit;
        if (r >= WINDOW) {
            limit = MAX_MATCH;
            matchPosition = r;
        } else {
            limit = level_[r];
            matchPosition = stamp_[r] & ~PERC_FLAG;
        }
        if (matchPosition >= pos_)
            matchPosition -= WINDOW;
        matchLength += commonPrefix(&text_[pos_ + matchLength], &text_[matchPosition + matchLength],
                                    limit - matchLength);
        if (matchLength < limit) {
            split(r);
            return;
        }
        if (matchLength >= MAX_MATCH)
            break;
        stamp_[r] = static_cast<uint16_t>(pos_);
        q = r;
        const uint8_t next = text_[pos_ + matchLength];
        if ((r = child(q, next)) == NIL) {
            makeChild(q, next, pos_);
            return;
        }
        ++matchLength;
    }
    // A full-length match: the new leaf takes the old one's place in the trie.
    const int t = prev_[r];
    prev_[pos_] = static_cast<uint16_t>(t);
    link_[t] = {static_cast<uint16_t>(pos_), static_cast<uint16_t>(q)};
    link_[pos_] = link_[r];
    prev_[link_[r].next] = static_cast<uint16_t>(pos_);
    parent_[pos_] = static_cast<uint16_t>(q);
    childXor_[q] ^= static_cast<uint16_t>(r ^ pos_);
    parent_[r] = NIL;
    link_[r].next = static_cast<uint16_t>(pos_);
}

// Deletes the leaf of the string leaving the window (same slot as the current position). An internal
// node left with one child is merged into it; its newest position percolates to its ancestors.
inline void Lh5MatchFinder::remove()
{
    if (parent_[pos_] == NIL)
        return;
    int r = prev_[pos_];
    int s = link_[pos_].next;
    link_[r] = link_[pos_];
    prev_[s] = static_cast<uint16_t>(r);
    r = parent_[pos_];
    parent_[pos_] = NIL;
    childXor_[r] ^= static_cast<uint16_t>(pos_);
    if (r >= WINDOW || --childCount_[r] > 1)
        return;

    int t = stamp_[r] & ~PERC_FLAG;
    if (t >= pos_)
        t -= WINDOW;
    s = t;
    int q = parent_[r];
    int u;
    while ((u = stamp_[q]) & PERC_FLAG) {
        u &= ~PERC_FLAG;
        if (u >= pos_)
            u -= WINDOW;
        if (u > s)
            s = u;
        stamp_[q] = static_cast<uint16_t>(s | WINDOW);
        q = parent_[q];
    }
    if (q < WINDOW) {
        if (u >= pos_)
            u -= WINDOW;
        if (u > s)
            s = u;
        stamp_[q] = static_cast<uint16_t>(s | WINDOW | PERC_FLAG);
    }

    s = childXor_[r];
    t = prev_[s];
    link_[t] = link_[s];
    prev_[link_[s].next] = static_cast<uint16_t>(t);
    t = prev_[r];
    link_[t] = {static_cast<uint16_t>(s), parent_[r]};
    prev_[s] = static_cast<uint16_t>(t);
    link_[s] = link_[r];
    prev_[link_[r].next] = static_cast<uint16_t>(s);
    parent_[s] = parent_[r];
    childXor_[parent_[r]] ^= static_cast<uint16_t>(r ^ s);
    parent_[r] = NIL;
    link_[r].next = static_cast<uint16_t>(avail_);
    avail_ = r;
}

void Lh5MatchFinder::start()
{
    pos_ = WINDOW;
    matchLength = 0;
    insert();
}

void Lh5MatchFinder::replaceOldest()
{
    remove();
    insert();
}

// The text, the position and the last match, then for every leaf in slot order its ancestors not yet
// described (depth, child count, newest position with its percolation mark) and where its path joins
// the part described before: a root, or an internal node by the order in which it was described. A
// replaced leaf is described by the successor it points at.
std::size_t Lh5MatchFinder::describeState(uint32_t* out) const
{
    static_assert(TEXT_SIZE % 4 == 0);
    std::size_t n = 0;
    out[n++] = static_cast<uint32_t>(pos_);
    out[n++] = static_cast<uint32_t>(matchLength);
    out[n++] = static_cast<uint32_t>(matchPosition);
    std::memcpy(out + n, text_.data(), TEXT_SIZE);
    n += TEXT_SIZE / 4;
    std::array<uint16_t, WINDOW> order{}; // 0: not described yet
    uint16_t described = 0;
    for (int leaf = WINDOW; leaf < 2 * WINDOW; ++leaf) {
        int a = parent_[leaf];
        if (a == NIL) {
            out[n++] = 0xFFFFFFFFu;
            out[n++] = link_[leaf].next;
            continue;
        }
        const std::size_t pathWord = n++;
        uint32_t added = 0; // fewer than 256: depths grow along a path
        while (a < WINDOW && order[a] == 0) {
            order[a] = ++described;
            out[n++] = level_[a] | static_cast<uint32_t>(childCount_[a]) << 8 |
                       static_cast<uint32_t>(stamp_[a]) << 16;
            ++added;
            a = parent_[a];
        }
        out[pathWord] = added << 24 | (a >= WINDOW ? static_cast<uint32_t>(a) : 0x10000u | order[a]);
    }
    return n;
}

} // namespace kvx
