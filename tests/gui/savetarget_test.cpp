#include <gtest/gtest.h>

#include "app/savetarget.h"

using namespace kvx;

TEST(SaveTarget, ATypedSuffixDecidesAndTheFilterOnlyWithoutOne)
{
    const struct {
        const char* typed;
        int filter; // 0 plain, 1 compressed, 2 all files
        const char* path;
        bool compressed;
    } cases[] = {
        {"/d/L1.kvx", 0, "/d/L1.kvx", false},
        {"/d/L2.ckvx", 0, "/d/L2.ckvx", true},
        {"/d/L3.CKvx", 0, "/d/L3.CKvx", true},
        {"/d/L4.kvx", 1, "/d/L4.kvx", false},
        {"/d/L5.KVX", 1, "/d/L5.KVX", false},
        {"/d/L6.ckvx", 2, "/d/L6.ckvx", true},
        {"/d/L7", 0, "/d/L7.KVX", false},
        {"/d/L8", 1, "/d/L8.CKVX", true},
        {"/d/L9.bak", 1, "/d/L9.bak.CKVX", true},
        {"/d/L10.ckvx.old", 0, "/d/L10.ckvx.old.KVX", false},
        {"/d.ckvx/L11", 1, "/d.ckvx/L11.CKVX", true},
        {"/d/L12", 2, "/d/L12", false},
        {"/d/L13.bak", 2, "/d/L13.bak", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const SaveTarget target = saveTargetOf(QString::fromUtf8(c.typed), c.filter);
        EXPECT_EQ(target.path.toStdString(), c.path);
        EXPECT_EQ(target.compressed, c.compressed);
    }
}
