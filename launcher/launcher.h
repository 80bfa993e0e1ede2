// The launcher's rules: which script runs on each route (the list, a chosen
// file, a drop, the command line), how, and what follows; and how the
// current configuration is saved. It needs no window: the main window hands
// it what the user did and acts on what it answers. Free of <windows.h>.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "launcher/launcher_state.h"
#include "launcher/system.h"

namespace launcher {

// What the window does once a route has run.
enum class After { Stay, Close };

class Launcher {
 public:
    explicit Launcher(System& system) : system_(&system) {}

    // The settings as the list and the runs use them.
    void Apply(const core::Settings& settings);
    const LauncherState& State() const { return state_; }

    // Starts the network shell on a script, visible or not as ShowPrompt
    // says. A path that cmd.exe would read as another is refused with the
    // reason in the error box, and nothing starts.
    void RunScript(const std::string& path);

    // The list: the selected entry's text, if one is selected. Any list with
    // entries closes the program after it when CloseAfterRun is on.
    After RunListEntry(const std::optional<std::string>& selected, bool listHasEntries);
    // A file the user chose in the open dialog.
    After RunChosenFile(const std::string& path);
    // The first name dropped on the window: run if it is a file.
    After RunDroppedFile(const std::string& name);
    // The program's command line: each argument, expanded to its long name,
    // is run when it names a file, in order. With any argument the program
    // ends after them, whatever CloseAfterRun says.
    After RunCommandLine(std::string_view commandLine);

    // Saves the current configuration under the name chosen in the save
    // dialog (".nsh" added when it has no dot); an existing file is replaced
    // only when the user says so. True when the dump was started.
    bool SaveConfiguration(const std::string& chosen);

 private:
    // When cmd.exe would read another path than `path`, shows why in the
    // error box (`format`: %1 the path, %2 the part cmd would replace).
    bool RefusedForCmd(const std::string& path, const char* format);
    After AfterRun() const { return state_.CloseAfterRun ? After::Close : After::Stay; }
    // Starts cmd.exe on the command that `parameters` makes of netsh's full path.
    void StartInterpreter(std::string (*parameters)(std::string_view, std::string_view, bool), const std::string& path,
                          bool visible);

    System* system_;
    LauncherState state_;
};

}  // namespace launcher
