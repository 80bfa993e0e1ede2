#include "ui/error_text.h"

#include <gtest/gtest.h>

using ui::WithClosingPeriod;

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
