// The launcher's rules: which script runs on each route (the list, a chosen
// file, a drop, the command line), how, and what follows; and how the
// current configuration is saved. It needs no window: the main window hands
// it what the user did and acts on what it answers. A name that the code
// page cannot hold (not exact) is refused on every route, in the error box.
// Free of <windows.h>.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/code_page_path.h"
#include "core/settings.h"
#include "launcher/launcher_state.h"
#include "launcher/system.h"
#include "ui/test_access.h"

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
    // says; `ended`, where given, runs once it has ended (System::Start). A
    // path that is not its file's name, or that cmd.exe would read as
    // another, is refused with the reason in the error box, and nothing
    // starts: false then.
    bool RunScript(const core::CodePagePath& path, const System::Ended& ended = {});

    // The list: the selected entry's text, if one is selected. Any list with
    // entries closes the program after it when CloseAfterRun is on.
    After RunListEntry(const std::optional<core::CodePagePath>& selected, bool listHasEntries);
    // A file the user chose in the open dialog.
    After RunChosenFile(const core::CodePagePath& path);
    // The first name dropped on the window: run if it is a file.
    After RunDroppedFile(const core::CodePagePath& name);
    // The program's arguments: each, expanded to its long name, is run when
    // it names a file, one after the other, each once the one before has
    // ended (two netsh at once would change the same adapters in no fixed
    // order). Then `finished` runs: the program ends after them, whatever
    // CloseAfterRun says. False, and nothing runs, without arguments.
    bool RunCommandLine(std::vector<core::CodePagePath> arguments, std::function<void()> finished);
    // The program is closing: no further script of the command line starts
    // (a save under way still finishes).
    void Stop() { stopped_ = true; }

    // Saves the current configuration under the name chosen in the save
    // dialog (".nsh" added when it has no dot); an existing file is replaced
    // only when the user says so. The dump goes to a new file beside it,
    // which takes the name only when netsh has ended well and written
    // something: then `saved` runs. Otherwise the named file stays as it was
    // and the error box says what failed.
    void SaveConfiguration(const core::CodePagePath& chosen, std::function<void()> saved);

 private:
    friend struct test::Access;
    using Arguments = std::shared_ptr<const std::vector<core::CodePagePath>>;

    // Runs the arguments from `next` on, one after the other, then `finished`.
    void RunInTurn(const Arguments& arguments, std::size_t next, const std::function<void()>& finished);
    // The dump into `dump` for `path` has ended with `exitCode`.
    void FinishSave(const std::string& dump, const std::string& path, std::optional<unsigned long> exitCode,
                    const std::function<void()>& saved);
    // Shows in the error box why a name the code page cannot hold is refused
    // (`format`: %1 the text it became); true then.
    bool RefusedAsInexact(const core::CodePagePath& name, const char* format);
    // When cmd.exe would read another text than `checked` (the part of
    // `path` it is given), shows why in the error box (`format`: %1 the
    // path, %2 the part cmd would replace).
    bool RefusedForCmd(const std::string& path, std::string_view checked, const char* format);
    // When cmd.exe would read another path than `path`, shows why in the
    // error box (`format`: %1 the path, %2 the part cmd would replace).
    bool RefusedForCmd(const std::string& path, const char* format);
    After AfterRun() const { return state_.CloseAfterRun ? After::Close : After::Stay; }
    // Starts cmd.exe on the command that `parameters` makes of netsh's full path.
    void StartInterpreter(std::string (*parameters)(std::string_view, std::string_view, bool), const std::string& path,
                          bool visible, const System::Ended& ended);

    System* system_;
    LauncherState state_;
    bool stopped_ = false;
};

}  // namespace launcher
