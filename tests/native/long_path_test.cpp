#include "core/long_path.h"

#include <gtest/gtest.h>

#include <map>

using core::ExpandLongPath;

namespace {

// A disk that knows some paths (case-insensitively, as Windows looks them up)
// and the long names stored for them; it remembers what was asked.
class FakeDisk {
 public:
    using Entries = std::map<std::string, std::string>;
    explicit FakeDisk(Entries entries) : entries_(std::move(entries)) {}
    core::LongNameLookup Lookup() {
        return [this](const std::string& path) -> std::optional<std::string> {
            asked.push_back(path);
            auto entry = entries_.find(Lower(path));
            if (entry == entries_.end()) return std::nullopt;
            return entry->second;
        };
    }
    std::vector<std::string> asked;

 private:
    static std::string Lower(std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return text;
    }
    std::map<std::string, std::string> entries_;
};

}  // namespace

TEST(LongPath, EachComponentResolvedOutermostFirst) {
    FakeDisk disk({{"c:\\progra~1", "Program Files"},
                   {"c:\\program files\\kelvaro", "Kelvaro"},
                   {"c:\\program files\\kelvaro\\home~1.nsh", "Home Office.nsh"}});
    EXPECT_EQ(ExpandLongPath("C:\\PROGRA~1\\kelvaro\\HOME~1.NSH", disk.Lookup()),
              "C:\\Program Files\\Kelvaro\\Home Office.nsh");
    EXPECT_EQ(disk.asked, (std::vector<std::string>{"C:\\PROGRA~1", "C:\\Program Files\\kelvaro",
                                                     "C:\\Program Files\\Kelvaro\\HOME~1.NSH"}));
}

TEST(LongPath, MissingComponentAndThoseAfterItStayAsGiven) {
    FakeDisk disk(FakeDisk::Entries{{"c:\\nsh", "NSH"}});
    EXPECT_EQ(ExpandLongPath("c:\\nsh\\gone\\a.nsh", disk.Lookup()), "c:\\NSH\\gone\\a.nsh");
}

TEST(LongPath, PathsWithoutANameComeBackUnchanged) {
    FakeDisk disk({});
    for (const char* path : {"", "C:", "C:\\", "C:\\dir\\", "\\"}) EXPECT_EQ(ExpandLongPath(path, disk.Lookup()), path);
    EXPECT_TRUE(disk.asked.empty());
}

TEST(LongPath, RelativeNamesAndDrivesWithoutBackslash) {
    FakeDisk disk({{"home.nsh", "Home.nsh"}, {"c:a.nsh", "A.nsh"}, {"sub\\b.nsh", "B.nsh"}, {"\\r.nsh", "R.nsh"}});
    EXPECT_EQ(ExpandLongPath("home.nsh", disk.Lookup()), "Home.nsh");
    // Neither becomes a path in another folder.
    EXPECT_EQ(ExpandLongPath("C:a.nsh", disk.Lookup()), "C:A.nsh");
    EXPECT_EQ(ExpandLongPath("\\r.nsh", disk.Lookup()), "\\R.nsh");
    EXPECT_EQ(ExpandLongPath("sub\\b.nsh", disk.Lookup()), "sub\\B.nsh");
}

TEST(LongPath, WildcardIsReplacedByTheFirstMatch) {
    FakeDisk disk({{"c:\\nsh", "nsh"}, {"c:\\nsh\\*.nsh", "home.nsh"}});
    EXPECT_EQ(ExpandLongPath("C:\\nsh\\*.nsh", disk.Lookup()), "C:\\nsh\\home.nsh");
}

TEST(LongPath, FolderEndingInABackslashValuedSecondByteKeepsItsDelimiter) {
    // The folder 表 (0x95 0x5C): its last byte is no delimiter, so one is added.
    const std::string hyo = "\x95\x5C";
    FakeDisk disk({{"c:\\" + hyo, hyo}, {"c:\\" + hyo + "\\a.nsh", "A.nsh"}});
    EXPECT_EQ(ExpandLongPath("C:\\" + hyo + "\\a.nsh", disk.Lookup()), "C:\\" + hyo + "\\A.nsh");
    EXPECT_EQ(disk.asked.front(), "C:\\" + hyo);
}

TEST(LongPath, NetworkPathsAreLeftAlone) {
    FakeDisk disk(FakeDisk::Entries{{"\\server", "local-folder"}});
    EXPECT_EQ(ExpandLongPath("\\\\server\\share\\a.nsh", disk.Lookup()), "\\\\server\\share\\a.nsh");
    EXPECT_TRUE(disk.asked.empty());
}

TEST(LongPath, ThousandsOfComponentsDoNotExhaustTheStack) {
    // As long as a command line can be: 16,383 components.
    std::string path = "a";
    while (path.size() + 2 < 32767) path += "\\a";
    std::size_t lookups = 0;
    auto nothingFound = [&lookups](const std::string&) -> std::optional<std::string> {
        ++lookups;
        return std::nullopt;
    };
    EXPECT_EQ(ExpandLongPath(path, nothingFound), path);
    EXPECT_EQ(lookups, (path.size() + 1) / 2);
}
