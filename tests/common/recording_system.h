// A system for the launcher's tests, native and in the windows: files, long
// names and variables as a test sets them; what the launcher starts, moves
// or says, in order; and programs that run until the test ends them.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "launcher/system.h"

namespace test {

// What it logs for a script run, and for a dump, both visible.
inline std::string RunLogged(const std::string& script) {
    return "start C:\\Windows\\system32\\cmd.exe /D /c C:\\Windows\\system32\\netsh.exe -f \"" + script + "\"";
}
inline std::string DumpLogged(const std::string& file) {
    return "start C:\\Windows\\system32\\cmd.exe /D /c C:\\Windows\\system32\\netsh.exe -c interface dump > \"" +
           file + "\"";
}

struct RecordingSystem : launcher::System {
    std::set<std::string> files;                   // those that exist
    std::map<std::string, std::string> longNames;  // a path -> its last component as stored
    std::map<std::string, std::uint64_t> sizes;    // of files the programs wrote
    std::set<std::string, std::less<>> variables;
    bool delayedExpansion = false;
    bool overwriteAnswer = true;
    bool folderWritable = true;
    bool moveWorks = true;
    // "start <program> <parameters>[ hidden]", "error <message>",
    // "overwrite?", "move <from> <to>", "remove <path>".
    std::vector<std::string> log;
    std::deque<Ended> running;  // started and waited for, oldest first

    // Ends the oldest program still running, with this exit code (none: it
    // never started).
    void EndOldest(std::optional<unsigned long> exitCode) {
        const Ended ended = running.front();
        running.pop_front();
        ended(exitCode);
    }

    std::string SystemFolder() override { return "C:\\Windows\\system32"; }
    void Start(std::string_view program, const std::string& parameters, bool visible, const Ended& ended) override {
        log.push_back("start " + std::string(program) + " " + parameters + (visible ? "" : " hidden"));
        if (ended) running.push_back(ended);
    }
    bool FileExists(const std::string& path) override { return files.contains(path); }
    std::optional<std::string> FindLongName(const std::string& path) override {
        auto found = longNames.find(path);
        return found == longNames.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> NewFileBeside(const std::string& path) override {
        if (!folderWritable) return std::nullopt;
        const std::string made = path.substr(0, path.rfind('\\') + 1) + "kvr" + std::to_string(files.size()) + ".tmp";
        files.insert(made);
        return made;
    }
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        if (!files.contains(path)) return std::nullopt;
        return sizes.contains(path) ? sizes[path] : 0;
    }
    bool MoveReplacing(const std::string& from, const std::string& to) override {
        if (!moveWorks) return false;
        log.push_back("move " + from + " " + to);
        files.erase(from);
        files.insert(to);
        return true;
    }
    void RemoveFile(const std::string& path) override {
        log.push_back("remove " + path);
        files.erase(path);
    }
    bool EnvironmentHas(std::string_view name) override { return variables.contains(name); }
    bool CmdDelayedExpansion() override { return delayedExpansion; }
    void ShowError(const std::string& message) override { log.push_back("error " + message); }
    bool ConfirmOverwrite() override {
        log.push_back("overwrite?");
        return overwriteAnswer;
    }
};

}  // namespace test
