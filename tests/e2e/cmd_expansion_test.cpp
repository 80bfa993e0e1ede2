// The "%" and "!" rules judged by the real cmd.exe, which shares nothing with
// them: every generated name they let through must reach netsh unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "core/netsh_commands.h"
#include "launcher/windows_system.h"
#include "tests/e2e/e2e_support.h"

namespace {

// "%" alone and in pairs, around names of set, empty, unset and cmd's own
// variables, whole or edited; "!", "^" and quotes. The same names each time.
std::vector<std::string> GeneratedNames() {
    const std::vector<std::string> variables = {"OS", "kv_set", "KV_EMPTY", "KV_UNSET", "x", "", "CD", "date", "TIME",
        "RANDOM", "ERRORLEVEL", "CMDEXTVERSION", "CmdCmdLine", "HIGHESTNUMANODENUMBER", "FIRMWARE_TYPE", "__CD__",
        "__APPDIR__", "=ExitCode", "=EXITCODEASCII", "=C:", "CDX"};
    const std::vector<std::string> edits = {"", "", ":~1", ":~0,2", ":~-3,1", ":s=t", ":*e=", ":~x", ":"};
    const std::vector<std::string> glue = {"%", "%%", "a", " ", ".nsh", "~", ":", "=", "^", "\"", "!", "%0", "%*"};
    std::mt19937 random(1904);
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    std::vector<std::string> names = {"%KV_EMPTY%"};
    while (names.size() < 400) {
        std::string name;
        for (unsigned pieces = 1 + random() % 4; pieces > 0; --pieces) {
            const unsigned form = random() % 16;
            name += form < 8    ? "%" + pick(variables) + pick(edits) + (form < 7 ? "%" : "")
                    : form == 8 ? "!" + pick(variables) + "!"
                                : pick(glue);
        }
        // Outside quotes "^" escapes, which the rules leave to the quotes;
        // Wine's cmd loops forever on an empty text to replace ("%OS:=x%").
        const auto lacks = [&](const char* text) { return name.find(text) == std::string::npos; };
        if ((lacks("\"") || lacks("^")) && lacks(":=") && lacks(":*=")) names.push_back(name);
    }
    return names;
}

// One cmd.exe for many names: it reads each line alone, as it reads a /c line.
void RunCmd(const e2e::Installation& installation, const std::string& switches, const std::string& lines) {
    e2e::WriteText(installation / "lines.txt", lines);
    std::string commandLine = "cmd.exe /c cmd.exe " + switches + " < lines.txt > NUL 2>&1";
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION cmd{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               installation.Folder().c_str(), &startup, &cmd));
    EXPECT_EQ(WaitForSingleObject(cmd.hProcess, e2e::kPatience), WAIT_OBJECT_0) << "cmd.exe hangs";
    for (HANDLE handle : {cmd.hThread, cmd.hProcess}) CloseHandle(handle);
}

TEST(CmdExpansion, EveryNameTheRulesLetThroughReachesNetshUnchanged) {
    e2e::Installation installation;
    e2e::InstallRecordingNetsh(installation);
    // cmd.exe inherits them; the rules ask the program's own lookup.
    SetEnvironmentVariableA("KV_SET", "its value");
    SetEnvironmentVariableA("KV_EMPTY", "");
    const std::vector<std::string> names = GeneratedNames();
    auto letThrough = [](const std::string& name) {
        launcher::WindowsSystem system(nullptr);
        return core::CmdVariableReference(name, [&](std::string_view variable) { return system.EnvironmentHas(variable); })
            .empty();
    };

    // Each name as the program hands it to cmd, with delayed expansion on (as
    // the registry may switch it) unless the "!" rule turns it off. netsh takes
    // some 50 ms to start under Wine, so "set" keeps what cmd makes of each
    // "-f ..." and lists it at the end; every 8th name let through is also
    // run, to show that netsh gets the same.
    std::vector<std::string> netshCalls;
    for (const bool off : {false, true}) {
        std::string lines;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string parameters = core::RunScriptParameters("netsh", names[i], true);
            if (parameters.starts_with("/D /V:OFF ") != off) continue;
            const std::string command = parameters.substr(parameters.find("netsh "));
            lines += "set KVN" + std::to_string(i) + "=" + command.substr(6) + "\r\n";
            if (i % 8 == 0 && letThrough(names[i])) {
                lines += command + "\r\n";
                netshCalls.push_back("ARGS=[" + command.substr(6) + "]");
            }
        }
        RunCmd(installation, off ? "/V:OFF" : "/V:ON", lines + "set >> values.txt\r\n");
    }
    std::sort(netshCalls.begin(), netshCalls.end());
    EXPECT_EQ(e2e::WaitForNetshLog(installation, netshCalls.size()), netshCalls);
    std::vector<std::string> arrived(names.size());
    const std::string values = e2e::ReadText(installation / "values.txt");
    for (std::size_t begin = 0, end; (end = values.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        if (values.compare(begin, 3, "KVN") == 0) {
            const std::size_t equals = values.find('=', begin);
            arrived.at(std::stoul(values.substr(begin + 3))) = values.substr(equals + 1, end - equals - 1);
        }
    EXPECT_EQ(arrived[0], "-f \"\"") << "cmd.exe must have KV_EMPTY, set to empty text";

    std::size_t accepted = 0, leftAlone = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool same = arrived[i] == "-f \"" + names[i] + "\"";
        if (letThrough(names[i])) {
            ++accepted;
            EXPECT_TRUE(same) << names[i] << " became " << arrived[i];
        } else {
            leftAlone += same;  // a refusal to spare, not a fault
        }
    }
    std::printf("%zu names: %zu let through, %zu refused, %zu of those left alone by this cmd\n", names.size(),
                accepted, names.size() - accepted, leftAlone);
}

}  // namespace
