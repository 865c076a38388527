#include "core/StateHash.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
uint64_t HashOf(float value)
{
    StateHash hash;
    hash.AddFloat(value);
    return hash.Value();
}
} // namespace

TEST(StateHash, FloatsCountByTheirBitsWithBothZerosAlike)
{
    EXPECT_EQ(HashOf(-0.0f), HashOf(0.0f)) << "a sign flip of zero is no change of state";
    EXPECT_NE(HashOf(1.0f), HashOf(std::nextafter(1.0f, 2.0f))) << "the smallest step shows";
    EXPECT_NE(HashOf(0.0f), HashOf(std::numeric_limits<float>::denorm_min()));
    EXPECT_NE(HashOf(1.0f), HashOf(-1.0f));
}

TEST(StateHash, OrderAndBoundariesOfWhatIsMixedInMatter)
{
    StateHash ab, ba;
    ab.AddInt(1);
    ab.AddInt(2);
    ba.AddInt(2);
    ba.AddInt(1);
    EXPECT_NE(ab.Value(), ba.Value());

    StateHash split1, split2;
    split1.AddText("ab");
    split1.AddText("c");
    split2.AddText("a");
    split2.AddText("bc");
    EXPECT_NE(split1.Value(), split2.Value());

    // The published FNV-1a value of "a" pins the constants.
    StateHash a;
    a.AddBytes("a", 1);
    EXPECT_EQ(a.Value(), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(StateHash().Value(), 0xcbf29ce484222325ull);
}

TEST(StateHash, HexTextRoundTripsAndRefusesAnythingElse)
{
    uint64_t value = 0;
    EXPECT_EQ(StateHash::ToHex(0x0123456789abcdefull), "0123456789abcdef");
    ASSERT_TRUE(StateHash::FromHex("fedcba9876543210", value));
    EXPECT_EQ(value, 0xfedcba9876543210ull);
    for (const char* bad :
         {"", "123", "0123456789abcdeg", "0123456789abcdef0", "-123456789abcdef", " 123456789abcdef"})
        EXPECT_FALSE(StateHash::FromHex(bad, value)) << bad;
}
