#include "core/ini_values.h"

#include <gtest/gtest.h>

using core::ini::IntegerOr;
using core::ini::IsOn;

TEST(IniValues, OnlyTheExactTextOneIsOn) {
    EXPECT_TRUE(IsOn("1"));
    for (const char* off : {"", "0", "01", "1 ", " 1", "yes", "true", "TRUE", "2"}) EXPECT_FALSE(IsOn(off)) << off;
}

TEST(IniValues, DecimalWithBlanksAndSign) {
    EXPECT_EQ(IntegerOr("32", -1), 32);
    EXPECT_EQ(IntegerOr("  12", -1), 12);
    EXPECT_EQ(IntegerOr("-7", -1), -7);
    EXPECT_EQ(IntegerOr("+7", -1), 7);
    EXPECT_EQ(IntegerOr("2147483647", -1), 2147483647);
    EXPECT_EQ(IntegerOr("-2147483648", -1), INT32_MIN);
}

TEST(IniValues, HexadecimalByPrefix) {
    EXPECT_EQ(IntegerOr("0x20", -1), 32);
    EXPECT_EQ(IntegerOr("0X1f", -1), 31);
    EXPECT_EQ(IntegerOr("$20", -1), 32);
    EXPECT_EQ(IntegerOr("-$10", -1), -16);
    EXPECT_EQ(IntegerOr("$FFFFFFFF", -1), -1);
    EXPECT_EQ(IntegerOr("0x80000000", -1), INT32_MIN);
}

TEST(IniValues, AnythingElseGivesTheFallback) {
    for (const char* bad : {"", " ", "0x", "$", "-", "1 ", "12a", "1.5", "0x-5", "-0x10", "0x 1", "2147483648",
                            "-2147483649", "$100000000", "0x100000000", "\xEF\xBC\x91" /* full-width 1 */})
        EXPECT_EQ(IntegerOr(bad, 77), 77) << bad;
}
