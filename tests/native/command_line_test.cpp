#include "core/command_line.h"

#include <gtest/gtest.h>

using core::SplitCommandLine;
using Args = std::vector<std::string>;

TEST(CommandLine, ProgramIsNotAnArgument) {
    EXPECT_EQ(SplitCommandLine(""), Args{});
    EXPECT_EQ(SplitCommandLine("kelvaro.exe"), Args{});
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\kelvaro.exe\"   "), Args{});
    EXPECT_EQ(SplitCommandLine("kelvaro.exe a.nsh"), Args{"a.nsh"});
}

TEST(CommandLine, BlanksAndControlCharactersSeparate) {
    EXPECT_EQ(SplitCommandLine("k  a.nsh\tb.nsh\r\n c.nsh  "), (Args{"a.nsh", "b.nsh", "c.nsh"}));
    EXPECT_EQ(SplitCommandLine("k\x01" "a\x1f" "b"), (Args{"a", "b"}));
}

TEST(CommandLine, QuotesGroupAndAreDropped) {
    EXPECT_EQ(SplitCommandLine("k \"C:\\my nsh\\home.nsh\" x"), (Args{"C:\\my nsh\\home.nsh", "x"}));
    EXPECT_EQ(SplitCommandLine("k C:\\\"my nsh\"\\a b"), (Args{"C:\\my nsh\\a", "b"}));
    EXPECT_EQ(SplitCommandLine("k \"unclosed quote"), Args{"unclosed quote"});
    EXPECT_EQ(SplitCommandLine("k a\"\"b"), Args{"ab"});
    // The wide line the same way; 0x8340 has no lead byte to step over.
    EXPECT_EQ(SplitCommandLine(L"k \"\" \"a b\" \x8340\"x\""), (std::vector<std::wstring>{L"a b", L"\x8340x"}));
}

TEST(CommandLine, LeadingPairOfQuotesIsSkipped) {
    EXPECT_EQ(SplitCommandLine("k \"\" a"), Args{"a"});
    EXPECT_EQ(SplitCommandLine("k \"\"\"\" a"), Args{"a"});
    EXPECT_EQ(SplitCommandLine("k \"\"a b"), (Args{"a", "b"}));
    // A lone pair at the end is the first empty argument: the count ends there.
    EXPECT_EQ(SplitCommandLine("k a \"\""), Args{"a"});
}

TEST(CommandLine, DoubleByteCharactersAreSteppedOverWhole) {
    // ソ is 0x83 0x5C; 0x81 0x40 is the full-width blank, which separates nothing.
    EXPECT_EQ(SplitCommandLine("k \x83\x5C.nsh \x81\x40x"), (Args{"\x83\x5C.nsh", "\x81\x40x"}));
    // A lead byte swallows the byte after it, even a quote or a blank.
    EXPECT_EQ(SplitCommandLine("k \"\x83\" b\""), Args{"\x83\" b"});
    EXPECT_EQ(SplitCommandLine("k \x83 b"), Args{"\x83 b"});
}

TEST(CommandLine, TextEndsAtTheFirstNul) {
    EXPECT_EQ(SplitCommandLine(std::string("k a\0b", 5)), Args{"a"});
}
