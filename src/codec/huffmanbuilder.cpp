#include "codec/huffmanbuilder.h"

#include <vector>

namespace kvx {

int HuffmanBuilder::build(int n, uint16_t* freq, uint8_t* lengths, uint16_t* codes)
{
    n_ = n;
    freq_ = freq;
    lengths_ = lengths;
    heapSize_ = 0;
    heap_[1] = 0;
    for (int i = 0; i < n; ++i) {
        lengths[i] = 0;
        if (freq[i] != 0)
            heap_[++heapSize_] = i;
    }
    if (heapSize_ < 2) {
        codes[heap_[1]] = 0;
        return heap_[1];
    }
    for (int i = heapSize_ / 2; i >= 1; --i)
        siftDown(i);

    // Counts of merged nodes are at most the block's symbol count, which fits 16 bits.
    leafCount_ = 0;
    int next = n;
    int root = 0;
    do {
        const int i = heap_[1];
        if (i < n)
            leafOrder_[leafCount_++] = i;
        heap_[1] = heap_[heapSize_--];
        siftDown(1);
        const int j = heap_[1];
        if (j < n)
            leafOrder_[leafCount_++] = j;
        root = next++;
        freq[root] = static_cast<uint16_t>(freq[i] + freq[j]);
        heap_[1] = root;
        siftDown(1);
        left_[root] = i;
        right_[root] = j;
    } while (heapSize_ > 1);

    assignLengths(root);
    assignCodes(n, lengths, codes);
    return root;
}

void HuffmanBuilder::siftDown(int i)
{
    const int k = heap_[i];
    int j;
    while ((j = 2 * i) <= heapSize_) {
        if (j < heapSize_ && freq_[heap_[j]] > freq_[heap_[j + 1]])
            ++j;
        if (freq_[k] <= freq_[heap_[j]])
            break;
        heap_[i] = heap_[j];
        i = j;
    }
    heap_[i] = k;
}

// Leaf depths, with everything deeper than 16 counted at 16.
void HuffmanBuilder::countLengths(int root)
{
    lengthCount_.fill(0);
    std::vector<std::pair<int, int>> stack{{root, 0}};
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        if (node < n_) {
            ++lengthCount_[depth < MAX_CODE_LENGTH ? depth : MAX_CODE_LENGTH];
        } else {
            stack.emplace_back(right_[node], depth + 1);
            stack.emplace_back(left_[node], depth + 1);
        }
    }
}

void HuffmanBuilder::assignLengths(int root)
{
    countLengths(root);
    unsigned kraft = 0;
    for (int i = MAX_CODE_LENGTH; i > 0; --i)
        kraft += lengthCount_[i] << (MAX_CODE_LENGTH - i);
    // Clipping depths at 16 oversubscribes the code; each step below lowers the sum by exactly one.
    while (kraft != (1u << MAX_CODE_LENGTH)) {
        --lengthCount_[MAX_CODE_LENGTH];
        for (int i = MAX_CODE_LENGTH - 1; i > 0; --i) {
            if (lengthCount_[i] != 0) {
                --lengthCount_[i];
                lengthCount_[i + 1] += 2;
                break;
            }
        }
        --kraft;
    }
    // The rarest leaves, which left the heap first, get the longest codes.
    int leaf = 0;
    for (int len = MAX_CODE_LENGTH; len > 0; --len)
        for (unsigned k = 0; k < lengthCount_[len]; ++k)
            lengths_[leafOrder_[leaf++]] = static_cast<uint8_t>(len);
}

void HuffmanBuilder::assignCodes(int n, const uint8_t* lengths, uint16_t* codes)
{
    unsigned count[MAX_CODE_LENGTH + 1] = {};
    for (int i = 0; i < n; ++i)
        ++count[lengths[i]];
    uint16_t start[MAX_CODE_LENGTH + 2];
    start[1] = 0;
    for (int i = 1; i <= MAX_CODE_LENGTH; ++i)
        start[i + 1] = static_cast<uint16_t>((start[i] + count[i]) << 1);
    for (int i = 0; i < n; ++i)
        codes[i] = start[lengths[i]]++;
}

} // namespace kvx
