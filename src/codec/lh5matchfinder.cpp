#include "codec/lh5matchfinder.h"

#include <cstring>

namespace kvx {

Lh5MatchFinder::Lh5MatchFinder()
{
    for (int i = WINDOW; i < WINDOW + ROOTS; ++i)
        level_[i] = 1; // roots: stamp stays NIL, which stops percolation
    // Free internal nodes form a list through next_.
    for (int i = 1; i < WINDOW - 1; ++i)
        next_[i] = static_cast<uint16_t>(i + 1);
    next_[WINDOW - 1] = NIL;
}

void Lh5MatchFinder::start()
{
    pos_ = WINDOW;
    matchLength = 0;
    insert();
}

bool Lh5MatchFinder::advance()
{
    if (++pos_ < 2 * WINDOW)
        return false;
    std::memmove(text_.data(), text_.data() + WINDOW, WINDOW + MAX_MATCH);
    pos_ = WINDOW;
    return true;
}

void Lh5MatchFinder::replaceOldest()
{
    remove();
    insert();
}

int Lh5MatchFinder::child(int node, uint8_t c)
{
    int r = next_[hash(node, c)];
    parent_[NIL] = static_cast<uint16_t>(node); // sentinel ends the chain walk
    while (parent_[r] != node)
        r = next_[r];
    return r;
}

void Lh5MatchFinder::makeChild(int node, uint8_t c, int r)
{
    const int h = hash(node, c);
    const int t = next_[h];
    next_[h] = static_cast<uint16_t>(r);
    next_[r] = static_cast<uint16_t>(t);
    prev_[t] = static_cast<uint16_t>(r);
    prev_[r] = static_cast<uint16_t>(h);
    parent_[r] = static_cast<uint16_t>(node);
    ++childCount_[node];
}

// Puts a new internal node at depth matchLength above `old`, with the current position as its
// second child.
void Lh5MatchFinder::split(int old)
{
    const int node = avail_;
    avail_ = next_[node];
    childCount_[node] = 0;
    int t = prev_[old];
    prev_[node] = static_cast<uint16_t>(t);
    next_[t] = static_cast<uint16_t>(node);
    t = next_[old];
    next_[node] = static_cast<uint16_t>(t);
    prev_[t] = static_cast<uint16_t>(node);
    parent_[node] = parent_[old];
    level_[node] = static_cast<uint8_t>(matchLength);
    stamp_[node] = static_cast<uint16_t>(pos_);
    makeChild(node, text_[matchPosition + matchLength], old);
    makeChild(node, text_[pos_ + matchLength], pos_);
}

void Lh5MatchFinder::insert()
{
    int q;
    int r;
    if (matchLength >= 4) {
        // The string here shares matchLength - 1 bytes with the one after the previous match: start
        // from that leaf's ancestor instead of the root.
        --matchLength;
        r = (matchPosition + 1) | WINDOW;
        while ((q = parent_[r]) == NIL)
            r = next_[r]; // a replaced leaf points at its successor
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
        const uint8_t* a = &text_[pos_ + matchLength];
        const uint8_t* b = &text_[matchPosition + matchLength];
        while (matchLength < limit) {
            if (*a != *b) {
                split(r);
                return;
            }
            ++matchLength;
            ++a;
            ++b;
        }
        if (matchLength >= MAX_MATCH)
            break;
        stamp_[r] = static_cast<uint16_t>(pos_);
        q = r;
        if ((r = child(q, *a)) == NIL) {
            makeChild(q, *a, pos_);
            return;
        }
        ++matchLength;
    }
    // A full-length match: the new leaf takes the old one's place in the trie.
    int t = prev_[r];
    prev_[pos_] = static_cast<uint16_t>(t);
    next_[t] = static_cast<uint16_t>(pos_);
    t = next_[r];
    next_[pos_] = static_cast<uint16_t>(t);
    prev_[t] = static_cast<uint16_t>(pos_);
    parent_[pos_] = static_cast<uint16_t>(q);
    parent_[r] = NIL;
    next_[r] = static_cast<uint16_t>(pos_);
}

// Deletes the leaf of the string leaving the window (same slot as the current position). An internal
// node left with one child is merged into it; its newest position percolates to its ancestors.
void Lh5MatchFinder::remove()
{
    if (parent_[pos_] == NIL)
        return;
    int r = prev_[pos_];
    int s = next_[pos_];
    next_[r] = static_cast<uint16_t>(s);
    prev_[s] = static_cast<uint16_t>(r);
    r = parent_[pos_];
    parent_[pos_] = NIL;
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

    s = child(r, text_[t + level_[r]]);
    t = prev_[s];
    u = next_[s];
    next_[t] = static_cast<uint16_t>(u);
    prev_[u] = static_cast<uint16_t>(t);
    t = prev_[r];
    next_[t] = static_cast<uint16_t>(s);
    prev_[s] = static_cast<uint16_t>(t);
    t = next_[r];
    prev_[t] = static_cast<uint16_t>(s);
    next_[s] = static_cast<uint16_t>(t);
    parent_[s] = parent_[r];
    parent_[r] = NIL;
    next_[r] = static_cast<uint16_t>(avail_);
    avail_ = r;
}

} // namespace kvx
