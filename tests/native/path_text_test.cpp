#include "core/path_text.h"

#include <gtest/gtest.h>

using namespace core::path_text;

namespace {

// 表 and ソ in Shift-JIS: their second byte is a backslash's value.
const std::string kHyo = "\x95\x5C";
const std::string kSo = "\x83\x5C";

}  // namespace

TEST(PathText, TrailingBackslashIsJudgedByCharacters) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\nsh"), "C:\\nsh\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\nsh\\"), "C:\\nsh\\");
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
    // A folder whose name ends in 表 or ソ still needs its backslash.
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kHyo), "C:\\" + kHyo + "\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kSo), "C:\\" + kSo + "\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kSo + "\\"), "C:\\" + kSo + "\\");
    // A lone lead byte at the end is a character of its own, not half of one.
    EXPECT_EQ(IncludeTrailingBackslash("a\x95"), "a\x95\\");
}

TEST(PathText, FolderAndNameSplitAtTheLastBackslashOrColon) {
    EXPECT_EQ(FolderPart("C:\\a\\b.nsh"), "C:\\a\\");
    EXPECT_EQ(NamePart("C:\\a\\b.nsh"), "b.nsh");
    EXPECT_EQ(FolderPart("C:b.nsh"), "C:");
    EXPECT_EQ(NamePart("C:b.nsh"), "b.nsh");
    EXPECT_EQ(FolderPart("b.nsh"), "");
    EXPECT_EQ(NamePart("C:\\a\\"), "");
    // The 0x5C inside 表 and ソ is no delimiter.
    EXPECT_EQ(FolderPart("C:\\" + kHyo + "x.nsh"), "C:\\");
    EXPECT_EQ(NamePart("C:\\d\\" + kSo + kHyo), kSo + kHyo);
    EXPECT_EQ(FolderPart("C:\\" + kSo + "\\" + kHyo), "C:\\" + kSo + "\\");
}

TEST(PathText, LeadBytesFollowTheCodePageInUse) {
    // With a single-byte code page, 0x95 0x5C is two characters and the
    // backslash is real.
    UseLeadByteRanges(nullptr, 0);
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kHyo), "C:\\" + kHyo);
    EXPECT_EQ(NamePart("C:\\" + kHyo + "x"), "x");
    UseShiftJis();
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kHyo), "C:\\" + kHyo + "\\");
}

TEST(PathText, ReplaceCharLeavesSecondBytesAlone) {
    // ポ is 0x83 0x7C: its second byte has the value of "|".
    EXPECT_EQ(ReplaceChar("a|\x83\x7C|b", '|', '\0'), std::string("a\0\x83\x7C\0b", 6));
}
