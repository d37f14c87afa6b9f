#pragma once

namespace kvx {

// Where an editing step happened, as the window knows it, so that undoing or redoing the step can
// select that place again. The history stores it and gives it back; it never reads it. -1: none.
struct StepPlace {
    int treeLevel = -1;        // the tree level of the selection (network, transponder, program)
    int networkSlot = -1;      // slot in the network list
    int transponderIndex = -1; // position in the transponder list
    int programIndex = -1;     // position in the program list

    bool operator==(const StepPlace&) const = default;
};

} // namespace kvx
