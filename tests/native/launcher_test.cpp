// The launcher's rules, against a recorded system: what each route starts,
// what it refuses, and whether the window closes after it.
#include "launcher/launcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

namespace {

using launcher::After;
using launcher::Launcher;
using Log = std::vector<std::string>;

// Files, long names and variables as a test sets them; what the launcher
// starts or says, in order: "start <program> <parameters>[ hidden]",
// "error <message>", "overwrite?".
struct RecordingSystem : launcher::System {
    std::set<std::string> files{"C:\\nsh\\home.nsh", "C:\\nsh\\office.nsh", "C:\\nsh\\%OS%.nsh"};
    std::map<std::string, std::string> longNames{{"C:\\NSH", "nsh"}, {"C:\\nsh\\HOME.NSH", "home.nsh"}};
    bool delayedExpansion = false;
    bool overwriteAnswer = true;
    Log log;

    std::string SystemFolder() override { return "C:\\Windows\\system32"; }
    void Start(std::string_view program, const std::string& parameters, bool visible) override {
        log.push_back("start " + std::string(program) + " " + parameters + (visible ? "" : " hidden"));
    }
    bool FileExists(const std::string& path) override { return files.contains(path); }
    std::optional<std::string> FindLongName(const std::string& path) override {
        auto found = longNames.find(path);
        return found == longNames.end() ? std::nullopt : std::optional(found->second);
    }
    bool EnvironmentHas(std::string_view name) override { return name == "OS"; }
    bool CmdDelayedExpansion() override { return delayedExpansion; }
    void ShowError(const std::string& message) override { log.push_back("error " + message); }
    bool ConfirmOverwrite() override {
        log.push_back("overwrite?");
        return overwriteAnswer;
    }
};

// cmd.exe and netsh.exe from the system folder, never by a bare name.
const std::string kCmd = "start C:\\Windows\\system32\\cmd.exe /D ";
const std::string kNetsh = "/c C:\\Windows\\system32\\netsh.exe";
const std::string kRun = kCmd + kNetsh + " -f ";
const std::string kDump = kCmd + kNetsh + " -c interface dump > ";

class LauncherTest : public testing::Test {
 protected:
    RecordingSystem system;
    Launcher launcher{system};
};

TEST_F(LauncherTest, EachRouteStartsWhatItShouldAndClosesAsCloseAfterRunSays) {
    struct Case {
        const char* route;
        core::Settings settings;  // the load folder, ShowPrompt and CloseAfterRun
        std::function<After(Launcher&)> run;
        Log log;  // each entry as far as given
        After after;
    };
    const core::Settings shown{"C:\\nsh", true}, hidden{"C:\\nsh\\", false}, closing{"C:\\nsh", true, true};
    const std::string refused = "error C:\\nsh\\%OS%.nsh は実行できません。「%OS%」の部分が";
    const Case cases[] = {
        {"list", shown, [](Launcher& l) { return l.RunListEntry("home.nsh", true); },
         {kRun + "\"C:\\nsh\\home.nsh\""}, After::Stay},
        {"list, console hidden", hidden, [](Launcher& l) { return l.RunListEntry("home.nsh", true); },
         {kRun + "\"C:\\nsh\\home.nsh\" hidden"}, After::Stay},
        {"list, nothing selected", closing, [](Launcher& l) { return l.RunListEntry({}, true); }, {}, After::Close},
        {"list, empty", closing, [](Launcher& l) { return l.RunListEntry({}, false); }, {}, After::Stay},
        {"list, a name cmd would rewrite", closing, [](Launcher& l) { return l.RunListEntry("%OS%.nsh", true); },
         {refused}, After::Close},
        {"open dialog, any name", closing, [](Launcher& l) { return l.RunChosenFile("D:\\my nsh\\typed"); },
         {kRun + "\"D:\\my nsh\\typed\""}, After::Close},
        {"drop, a file", closing, [](Launcher& l) { return l.RunDroppedFile("C:\\nsh\\office.nsh"); },
         {kRun + "\"C:\\nsh\\office.nsh\""}, After::Close},
        {"drop, a folder", closing, [](Launcher& l) { return l.RunDroppedFile("C:\\nsh"); }, {}, After::Close},
        {"drop, no file", shown, [](Launcher& l) { return l.RunDroppedFile("C:\\gone.nsh"); }, {}, After::Stay},
        {"command line, no arguments", closing, [](Launcher& l) { return l.RunCommandLine("kelvaro.exe   "); }, {},
         After::Stay},
        {"command line: long names, in order, missing skipped, then the end", hidden,
         [](Launcher& l) {
             return l.RunCommandLine("k \"C:\\NSH\\HOME.NSH\" C:\\nsh\\no.nsh C:\\nsh\\%OS%.nsh C:\\nsh\\office.nsh");
         },
         {kRun + "\"C:\\nsh\\home.nsh\" hidden", refused, kRun + "\"C:\\nsh\\office.nsh\" hidden"}, After::Close},
    };
    for (const Case& c : cases) {
        system.log.clear();
        launcher.Apply(c.settings);
        EXPECT_EQ(c.run(launcher), c.after) << c.route;
        ASSERT_EQ(system.log.size(), c.log.size()) << c.route;
        for (std::size_t i = 0; i < c.log.size(); ++i)
            EXPECT_EQ(system.log[i].substr(0, c.log[i].size()), c.log[i]) << c.route;
    }
    system.delayedExpansion = true;  // as the registry may switch it on
    launcher.RunScript("C:\\nsh\\hi!.nsh");
    EXPECT_EQ(system.log.back(), kCmd + "/V:OFF " + kNetsh + " -f \"C:\\nsh\\hi!.nsh\" hidden");
}

TEST_F(LauncherTest, SaveAddsTheExtensionAsksBeforeReplacingAndAlwaysShowsTheDump) {
    struct Case {
        const char* chosen;
        bool overwrite;
        Log log;
    };
    const Case cases[] = {
        {"C:\\nsh\\new", true, {kDump + "\"C:\\nsh\\new.nsh\""}},
        {"C:\\nsh\\hi!", true, {kCmd + "/V:OFF " + kNetsh + " -c interface dump > \"C:\\nsh\\hi!.nsh\""}},
        {"C:\\nsh\\home", false, {"overwrite?"}},
        {"C:\\nsh\\home.nsh", true, {"overwrite?", kDump + "\"C:\\nsh\\home.nsh\""}},
        {"C:\\nsh\\%OS%", true,
         {"error C:\\nsh\\%OS%.nsh には保存できません。「%OS%」の部分がコマンド "
          "プロンプトで環境変数の値に置き換えられ、別の名前で保存されます"}},
    };
    launcher.Apply({"C:\\nsh", false, true});  // neither switch applies to a save
    system.delayedExpansion = true;
    for (const Case& c : cases) {
        system.log.clear();
        system.overwriteAnswer = c.overwrite;
        EXPECT_EQ(launcher.SaveConfiguration(c.chosen), c.log.back().starts_with("start")) << c.chosen;
        EXPECT_EQ(system.log, c.log) << c.chosen;
    }
}

}  // namespace
