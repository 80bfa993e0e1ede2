// The launcher's rules, against a recorded system: what each route starts,
// what it refuses, what follows it, and how a save ends.
#include "launcher/launcher.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/command_line.h"
#include "tests/common/recording_system.h"

namespace {

using core::CodePagePath;
using launcher::After;
using launcher::Launcher;
using Log = std::vector<std::string>;

// The arguments of a command line, each the name itself.
std::vector<CodePagePath> Arguments(const char* commandLine) {
    std::vector<CodePagePath> arguments;
    for (const std::string& argument : core::SplitCommandLine(commandLine)) arguments.push_back({argument});
    return arguments;
}
// "café.nsh" as code page 932 holds it: not the name.
const CodePagePath kInexact{"C:\\nsh\\caf?.nsh", false};

// cmd.exe and netsh.exe from the system folder, never by a bare name.
const std::string kCmd = "start C:\\Windows\\system32\\cmd.exe /D ";
const std::string kNetsh = "/c C:\\Windows\\system32\\netsh.exe";
const std::string kRun = kCmd + kNetsh + " -f ";
const std::string kDump = kCmd + kNetsh + " -c interface dump > ";

// Each entry of `log` begins with the entry of `expected` at its place.
void ExpectLog(const Log& log, const Log& expected, const std::string& what) {
    ASSERT_EQ(log.size(), expected.size()) << what;
    for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i].substr(0, expected[i].size()), expected[i]) << what;
}

struct System : test::RecordingSystem {
    System() {
        files = {"C:\\nsh\\home.nsh", "C:\\nsh\\office.nsh", "C:\\nsh\\%OS%.nsh"};
        longNames = {{"C:\\NSH", "nsh"}, {"C:\\nsh\\HOME.NSH", "home.nsh"}};
        variables = {"OS"};
    }
};

class LauncherTest : public testing::Test {
 protected:
    // Runs every program started so far, and those they lead to, to its end.
    void EndAll(std::optional<unsigned long> exitCode = 0) {
        while (!system.running.empty()) system.EndOldest(exitCode);
    }

    System system;
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
    const std::string inexact = "error C:\\nsh\\caf?.nsh は実行できません。名前にシステムの文字コードにない文字";
    // The command line's end, once every program it started has ended.
    auto commandLine = [this](std::vector<CodePagePath> arguments) {
        return [this, arguments](Launcher& l) {
            bool finished = false;
            const bool any = l.RunCommandLine(arguments, [&] { finished = true; });
            EndAll();
            EXPECT_EQ(any, finished);
            return finished ? After::Close : After::Stay;
        };
    };
    const Case cases[] = {
        {"list", shown, [](Launcher& l) { return l.RunListEntry(CodePagePath{"home.nsh"}, true); },
         {kRun + "\"C:\\nsh\\home.nsh\""}, After::Stay},
        {"list, console hidden", hidden, [](Launcher& l) { return l.RunListEntry(CodePagePath{"home.nsh"}, true); },
         {kRun + "\"C:\\nsh\\home.nsh\" hidden"}, After::Stay},
        {"list, nothing selected", closing, [](Launcher& l) { return l.RunListEntry({}, true); }, {}, After::Close},
        {"list, empty", closing, [](Launcher& l) { return l.RunListEntry({}, false); }, {}, After::Stay},
        {"list, a name cmd would rewrite", closing, [](Launcher& l) { return l.RunListEntry(CodePagePath{"%OS%.nsh"}, true); },
         {refused}, After::Close},
        {"open dialog, any name", closing, [](Launcher& l) { return l.RunChosenFile({"D:\\my nsh\\typed"}); },
         {kRun + "\"D:\\my nsh\\typed\""}, After::Close},
        {"drop, a file", closing, [](Launcher& l) { return l.RunDroppedFile({"C:\\nsh\\office.nsh"}); },
         {kRun + "\"C:\\nsh\\office.nsh\""}, After::Close},
        {"drop, a folder", closing, [](Launcher& l) { return l.RunDroppedFile({"C:\\nsh"}); }, {}, After::Close},
        {"drop, no file", shown, [](Launcher& l) { return l.RunDroppedFile({"C:\\gone.nsh"}); }, {}, After::Stay},
        {"command line, no arguments", closing, commandLine(Arguments("kelvaro.exe   ")), {}, After::Stay},
        {"command line: long names, in order, missing skipped, then the end", hidden,
         commandLine(Arguments("k \"C:\\NSH\\HOME.NSH\" C:\\nsh\\no.nsh C:\\nsh\\%OS%.nsh C:\\nsh\\office.nsh")),
         {kRun + "\"C:\\nsh\\home.nsh\" hidden", refused, kRun + "\"C:\\nsh\\office.nsh\" hidden"}, After::Close},
        // A name the code page lacks characters of, refused on every route;
        // its "?" is never taken for a wildcard.
        {"list, not the name", closing, [](Launcher& l) { return l.RunListEntry(CodePagePath{"caf?.nsh", false}, true); },
         {inexact}, After::Close},
        {"open dialog, not the name", closing, [](Launcher& l) { return l.RunChosenFile(kInexact); }, {inexact},
         After::Close},
        {"drop, not the name", shown, [](Launcher& l) { return l.RunDroppedFile(kInexact); }, {inexact}, After::Stay},
        {"command line, not the name", shown, commandLine({kInexact, {"C:\\nsh\\office.nsh"}}),
         {inexact, kRun + "\"C:\\nsh\\office.nsh\""}, After::Close},
    };
    for (const Case& c : cases) {
        system.log.clear();
        launcher.Apply(c.settings);
        EXPECT_EQ(c.run(launcher), c.after) << c.route;
        ExpectLog(system.log, c.log, c.route);
    }
    system.delayedExpansion = true;  // as the registry may switch it on
    launcher.Apply(hidden);
    launcher.RunScript({"C:\\nsh\\hi!.nsh"});
    EXPECT_EQ(system.log.back(), kCmd + "/V:OFF " + kNetsh + " -f \"C:\\nsh\\hi!.nsh\" hidden");
}

// Each script of the command line starts once the one before has ended,
// however it ended; the window's own routes never wait.
TEST_F(LauncherTest, CommandLineRunsEachScriptOnceTheOneBeforeHasEnded) {
    bool finished = false;
    launcher.Apply({"C:\\nsh", true});
    launcher.RunCommandLine(Arguments("k C:\\nsh\\home.nsh C:\\nsh\\office.nsh C:\\nsh\\home.nsh"),
                            [&] { finished = true; });
    for (const std::optional<unsigned long> exitCode : {std::optional<unsigned long>(1), std::optional<unsigned long>()}) {
        EXPECT_EQ(system.running.size(), 1u);
        system.EndOldest(exitCode);
        EXPECT_FALSE(finished);
    }
    system.EndOldest(0);
    EXPECT_TRUE(finished);
    EXPECT_EQ(system.log, (Log{kRun + "\"C:\\nsh\\home.nsh\"", kRun + "\"C:\\nsh\\office.nsh\"",
                               kRun + "\"C:\\nsh\\home.nsh\""}));
    launcher.RunListEntry(CodePagePath{"home.nsh"}, true);
    EXPECT_TRUE(system.running.empty()) << "not waited for";
    // Closed meanwhile: what is running ends, nothing more starts.
    launcher.RunCommandLine(Arguments("k C:\\nsh\\home.nsh C:\\nsh\\office.nsh"), [&] { finished = false; });
    launcher.Stop();
    system.EndOldest(0);
    EXPECT_EQ(system.log.size(), 5u);
    EXPECT_TRUE(finished);
}

// The dump goes to a new file beside the target, which takes its place only
// when netsh ended with 0 and wrote something; otherwise the target stays.
TEST(LauncherSave, TheNamedFileIsReplacedOnlyByADumpThatWorked) {
    struct Case {
        CodePagePath chosen;
        std::optional<unsigned long> exitCode;  // how the dump ends
        std::uint64_t written;
        Log log;  // after the start, when there is one
        void (*set)(System&) = nullptr;
    };
    const std::string dump = kDump + "\"C:\\nsh\\kvr3.tmp\"";
    const std::string failed = "error C:\\nsh\\home.nsh に保存できませんでした。";
    const Case cases[] = {
        {{"C:\\nsh\\new"}, 0, 10, {dump, "move C:\\nsh\\kvr3.tmp C:\\nsh\\new.nsh"}},
        {{"C:\\nsh\\home.nsh"}, 0, 10, {"overwrite?", dump, "move C:\\nsh\\kvr3.tmp C:\\nsh\\home.nsh"}},
        {{"C:\\nsh\\home"}, 0, 10, {"overwrite?"}, [](System& s) { s.overwriteAnswer = false; }},
        {{"C:\\nsh\\home"}, 0, 0, {"overwrite?", dump, "remove C:\\nsh\\kvr3.tmp", failed + "netsh が何も出力"}},
        {{"C:\\nsh\\home"}, 1, 10, {"overwrite?", dump, "remove C:\\nsh\\kvr3.tmp", failed + "netsh が終了コード 1 で"}},
        {{"C:\\nsh\\home"}, {}, 0, {"overwrite?", dump, "remove C:\\nsh\\kvr3.tmp", failed + "コマンド プロンプトを起動"}},
        {{"C:\\nsh\\home"}, 0, 10, {"overwrite?", dump, "remove C:\\nsh\\kvr3.tmp", failed + "ファイルを置き換えられ"},
         [](System& s) { s.moveWorks = false; }},
        {{"C:\\nsh\\home"}, 0, 10, {"overwrite?", "error C:\\nsh\\home.nsh に保存できません。フォルダに書き込めません"},
         [](System& s) { s.folderWritable = false; }},
        // cmd sees only the folder and the dump's own name.
        {{"C:\\n!sh\\%OS%"}, 0, 10,
         {kCmd + "/V:OFF " + kNetsh + " -c interface dump > \"C:\\n!sh\\kvr3.tmp\"",
          "move C:\\n!sh\\kvr3.tmp C:\\n!sh\\%OS%.nsh"},
         [](System& s) { s.delayedExpansion = true; }},
        {{"C:\\%OS%\\x"}, 0, 10, {"error C:\\%OS%\\x.nsh には保存できません。「%OS%」の部分が"}},
        {kInexact, 0, 10, {"error C:\\nsh\\caf?.nsh には保存できません。名前にシステムの文字コードにない"}},
    };
    for (const Case& c : cases) {
        System system;
        if (c.set) c.set(system);
        Launcher launcher(system);
        launcher.Apply({"C:\\nsh", false, true});  // neither switch applies to a save
        bool saved = false;
        launcher.SaveConfiguration(c.chosen, [&] { saved = true; });
        for (const char* made : {"C:\\nsh\\kvr3.tmp", "C:\\n!sh\\kvr3.tmp"}) system.sizes[made] = c.written;
        if (!system.running.empty()) system.EndOldest(c.exitCode);
        ExpectLog(system.log, c.log, c.chosen.text);
        EXPECT_EQ(saved, c.log.back().starts_with("move")) << c.chosen.text;
    }
}

}  // namespace
