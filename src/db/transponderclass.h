#pragma once

namespace kvx {

// How an update tells one transponder of a network from another. A page gives only horizontal or
// vertical, so polarity 0 V and 2 R are one class, 1 H and 3 L the other; transponders of one class
// whose frequencies lie at most this many MHz apart are one transponder.
constexpr int kSameTransponderMHz = 2;

constexpr int polarityClass(int polarity)
{
    return polarity & 1;
}

} // namespace kvx
