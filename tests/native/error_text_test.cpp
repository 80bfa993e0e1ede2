#include "core/error_text.h"

#include <gtest/gtest.h>

using core::FillIn;
using core::WithClosingPeriod;

TEST(ErrorText, PeriodAppendedUnlessTheLastCharacterSortsAtOrBelowPeriod) {
    EXPECT_EQ(WithClosingPeriod("Disk full"), "Disk full.");
    EXPECT_EQ(WithClosingPeriod("Disk full."), "Disk full.");
    for (const char* kept : {"a!", "a,", "a)", "a ", "a-", "a\""}) EXPECT_EQ(WithClosingPeriod(kept), kept);
    EXPECT_EQ(WithClosingPeriod("a/"), "a/.");  // "/" sorts just above "."
    EXPECT_EQ(WithClosingPeriod(""), "");
}

TEST(ErrorText, DoubleByteLastCharacterGetsThePeriod) {
    // ん (0x82 0xF1), as the end of a Japanese message.
    EXPECT_EQ(WithClosingPeriod("\x82\xF1"), "\x82\xF1.");
}

TEST(ErrorText, ValuesAreFilledInOnceEvenWhenTheyHoldPlaceholders) {
    EXPECT_EQ(FillIn("%1 cannot: %2", {"C:\\%2%1.nsh", "%OS%"}), "C:\\%2%1.nsh cannot: %OS%");
    EXPECT_EQ(FillIn("100% of %1%3", {"x"}), "100% of x%3");
}
