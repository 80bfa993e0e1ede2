#include "launcher/launcher.h"

#include <vector>

#include "core/command_line.h"
#include "core/error_text.h"
#include "core/long_path.h"
#include "core/netsh_commands.h"
#include "core/path_text.h"
#include "resources/texts.h"

namespace launcher {

void Launcher::Apply(const core::Settings& settings) {
    state_.LoadDir = settings.loadFolder;
    state_.ShowPrompt = settings.showPrompt;
    state_.CloseAfterRun = settings.closeAfterRun;
    state_.ListExt = settings.otherExtensions ? "*" : "nsh";
}

bool Launcher::RefusedForCmd(const std::string& path, const char* format) {
    const std::string_view part =
        core::CmdVariableReference(path, [this](std::string_view name) { return system_->EnvironmentHas(name); });
    if (part.empty()) return false;
    system_->ShowError(core::FillIn(format, {path, part}));
    return true;
}

void Launcher::RunScript(const std::string& path) {
    // Reported here rather than raised, so that every route goes on as it
    // would after a run: the command line to its next argument and its end,
    // the others to their close.
    if (RefusedForCmd(path, text::kCmdRewritesRunFormat)) return;
    // Not awaited and not examined: netsh reports to the console itself.
    StartInterpreter(&core::RunScriptParameters, path, state_.ShowPrompt);
}

void Launcher::StartInterpreter(std::string (*parameters)(std::string_view, std::string_view, bool),
                                const std::string& path, bool visible) {
    const std::string folder = core::path_text::IncludeTrailingBackslash(system_->SystemFolder());
    system_->Start(folder + core::kCommandInterpreter,
                   parameters(folder + core::kNetworkShell, path, system_->CmdDelayedExpansion()), visible);
}

After Launcher::RunListEntry(const std::optional<std::string>& selected, bool listHasEntries) {
    if (selected) RunScript(core::path_text::IncludeTrailingBackslash(state_.LoadDir) + *selected);
    // Any list with entries closes, a selection or not; an empty one never does.
    return listHasEntries ? AfterRun() : After::Stay;
}

After Launcher::RunChosenFile(const std::string& path) {
    RunScript(path);
    return AfterRun();
}

After Launcher::RunDroppedFile(const std::string& name) {
    if (system_->FileExists(name)) RunScript(name);
    return AfterRun();  // a folder or a vanished name closes too
}

After Launcher::RunCommandLine(std::string_view commandLine) {
    const std::vector<std::string> arguments = core::SplitCommandLine(commandLine);
    if (arguments.empty()) return After::Stay;
    for (const std::string& argument : arguments) {
        const std::string path =
            core::ExpandLongPath(argument, [this](const std::string& name) { return system_->FindLongName(name); });
        if (system_->FileExists(path)) RunScript(path);
    }
    // One close after every argument has run, so that a refused store of the
    // bounds cannot leave later scripts unrun.
    return After::Close;
}

bool Launcher::SaveConfiguration(const std::string& chosen) {
    const std::string path = core::WithScriptExtension(chosen);
    if (RefusedForCmd(path, text::kCmdRewritesSaveFormat)) return false;
    if (system_->FileExists(path) && !system_->ConfirmOverwrite()) return false;
    // The interpreter's redirection creates the file; the dump is not awaited
    // and is always shown.
    StartInterpreter(&core::DumpParameters, path, true);
    return true;
}

}  // namespace launcher
