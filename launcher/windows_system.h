// Windows' own answers to what the launcher asks (launcher/system.h).
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "launcher/system.h"
#include "ui/test_access.h"
#include "ui/window.h"

namespace launcher {

class WindowsSystem : public System {
 public:
    // What it starts is owned by `owner`'s window, if one is given.
    explicit WindowsSystem(const ui::Window* owner);

    std::string SystemFolder() override;
    void Start(std::string_view program, const std::string& parameters, bool visible, const Ended& ended) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::string> FindLongName(const std::string& path) override;
    std::optional<std::string> NewFileBeside(const std::string& path) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    void RemoveFile(const std::string& path) override;
    bool EnvironmentHas(std::string_view name) override;
    // The DelayedExpansion switch under Software\Microsoft\Command Processor,
    // the user's where it is set, else the machine's.
    bool CmdDelayedExpansion() override;
    void ShowError(const std::string& message) override;
    bool ConfirmOverwrite() override;

 private:
    friend struct test::Access;
    // ShellExecuteExA's shape: tests put a recorder in its place.
    using ShellExecuteFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOA* info);

    const ui::Window* owner_;
    ShellExecuteFunction shellExecute_;
};

}  // namespace launcher
