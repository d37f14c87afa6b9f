#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

// Program-list indices of the programs of one favourite list, in group order.
class CChList : public std::vector<uint16_t> {
public:
    using std::vector<uint16_t>::vector;
    // Position of the program index in the list, or -1.
    int indexOf(uint16_t program) const
    {
        for (std::size_t i = 0; i < size(); ++i)
            if ((*this)[i] == program)
                return static_cast<int>(i);
        return -1;
    }
};

// One favourite group: a name and its TV and radio programs.
struct FavInfo {
    std::string name;
    CChList tvList;
    CChList radioList;

    CChList& listFor(bool radio) { return radio ? radioList : tvList; }
    const CChList& listFor(bool radio) const { return radio ? radioList : tvList; }

    bool operator==(const FavInfo&) const = default;
};

} // namespace kvx
