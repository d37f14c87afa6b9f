#pragma once

#include <array>
#include <cstdint>

namespace kvx {

// Builds the block codes of the encoder. Symbols are 0..n-1 with n at most 510; frequency arrays must
// hold 2n - 1 entries because the merged nodes' counts are kept behind the symbols' own.
class HuffmanBuilder {
public:
    static constexpr int MAX_SYMBOLS = 510;
    static constexpr int MAX_CODE_LENGTH = 16;

    // Fills lengths and canonical codes for the n symbols. Returns the root: a node number >= n when
    // at least two symbols are used; otherwise the one used symbol (0 when none) whose length is 0.
    int build(int n, uint16_t* freq, uint8_t* lengths, uint16_t* codes);

private:
    void siftDown(int i);
    void assignLengths(int root);
    void countLengths(int root);
    static void assignCodes(int n, const uint8_t* lengths, uint16_t* codes);

    int n_ = 0;
    const uint16_t* freq_ = nullptr;
    uint8_t* lengths_ = nullptr;
    int heapSize_ = 0;
    std::array<int, MAX_SYMBOLS + 1> heap_{};
    std::array<int, 2 * MAX_SYMBOLS> left_{};
    std::array<int, 2 * MAX_SYMBOLS> right_{};
    std::array<int, MAX_SYMBOLS> leafOrder_{}; // leaves in the order they left the heap
    int leafCount_ = 0;
    std::array<unsigned, MAX_CODE_LENGTH + 1> lengthCount_{};
};

} // namespace kvx
