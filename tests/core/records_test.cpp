#include <gtest/gtest.h>

#include "db/channeldatabase.h"

using namespace kvx;

TEST(Records, Placeholder)
{
    ChannelDatabase db;
    EXPECT_TRUE(db.networks.empty());
}
