#include <gtest/gtest.h>

#include "db/positionlist.h"

namespace kvx {

TEST(PositionList, ListsAndRangesComeBackAscendingOnce)
{
    using Positions = std::vector<uint16_t>;
    EXPECT_EQ(parsePositionList("7"), Positions({7}));
    EXPECT_EQ(parsePositionList(" 9 , 3-5,4"), Positions({3, 4, 5, 9}));
    EXPECT_EQ(parsePositionList("0-0"), Positions({0}));
    EXPECT_EQ(parsePositionList("65533-65534"), Positions({65533, 65534}));
    for (const char* wrong : {"", ",", "3,", "5-3", "1-", "-1", "a", "3 4", "65535", "1-99999"})
        EXPECT_FALSE(parsePositionList(wrong)) << wrong;
    EXPECT_FALSE(parsePositionList("11", 10));
}

} // namespace kvx
