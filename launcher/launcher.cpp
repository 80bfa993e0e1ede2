#include "launcher/launcher.h"

#include <vector>

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

bool Launcher::RefusedAsInexact(const core::CodePagePath& name, const char* format) {
    if (name.exact) return false;
    system_->ShowError(core::FillIn(format, {name.text}));
    return true;
}

bool Launcher::RefusedForCmd(const std::string& path, const char* format) { return RefusedForCmd(path, path, format); }

bool Launcher::RefusedForCmd(const std::string& path, std::string_view checked, const char* format) {
    const std::string_view part =
        core::CmdVariableReference(checked, [this](std::string_view name) { return system_->EnvironmentHas(name); });
    if (part.empty()) return false;
    system_->ShowError(core::FillIn(format, {path, part}));
    return true;
}

bool Launcher::RunScript(const core::CodePagePath& path, const System::Ended& ended) {
    // Reported here rather than raised, so that every route goes on as it
    // would after a run: the command line to its next argument and its end,
    // the others to their close.
    if (RefusedAsInexact(path, text::kNotInCodePageRunFormat) ||
        RefusedForCmd(path.text, text::kCmdRewritesRunFormat))
        return false;
    // Not examined: netsh reports to the console itself.
    StartInterpreter(&core::RunScriptParameters, path.text, state_.ShowPrompt, ended);
    return true;
}

void Launcher::StartInterpreter(std::string (*parameters)(std::string_view, std::string_view, bool),
                                const std::string& path, bool visible, const System::Ended& ended) {
    const std::string folder = core::path_text::IncludeTrailingBackslash(system_->SystemFolder());
    system_->Start(folder + core::kCommandInterpreter,
                   parameters(folder + core::kNetworkShell, path, system_->CmdDelayedExpansion()), visible, ended);
}

After Launcher::RunListEntry(const std::optional<core::CodePagePath>& selected, bool listHasEntries) {
    if (selected) RunScript({core::path_text::IncludeTrailingBackslash(state_.LoadDir) + selected->text, selected->exact});
    // Any list with entries closes, a selection or not; an empty one never does.
    return listHasEntries ? AfterRun() : After::Stay;
}

After Launcher::RunChosenFile(const core::CodePagePath& path) {
    RunScript(path);
    return AfterRun();
}

After Launcher::RunDroppedFile(const core::CodePagePath& name) {
    // A name that is not its own is refused, whatever its look-alike names.
    if (!name.exact || system_->FileExists(name.text)) RunScript(name);
    return AfterRun();  // a folder or a vanished name closes too
}

bool Launcher::RunCommandLine(std::vector<core::CodePagePath> arguments, std::function<void()> finished) {
    if (arguments.empty()) return false;
    RunInTurn(std::make_shared<const std::vector<core::CodePagePath>>(std::move(arguments)), 0, finished);
    return true;
}

void Launcher::RunInTurn(const Arguments& arguments, std::size_t next, const std::function<void()>& finished) {
    if (stopped_) return;
    while (next < arguments->size()) {
        const core::CodePagePath& argument = (*arguments)[next++];
        auto runNext = [this, arguments, next, finished](std::optional<unsigned long>) {
            RunInTurn(arguments, next, finished);
        };
        // Refused before the expansion: a "?" in the place of a character is no wildcard.
        if (!argument.exact) {
            RunScript(argument);
            continue;
        }
        const std::string path = core::ExpandLongPath(
            argument.text, [this](const std::string& name) { return system_->FindLongName(name); });
        if (system_->FileExists(path) && RunScript({path}, runNext)) return;
    }
    finished();
}

void Launcher::SaveConfiguration(const core::CodePagePath& chosen, std::function<void()> saved) {
    if (RefusedAsInexact(chosen, text::kNotInCodePageSaveFormat)) return;
    const std::string path = core::WithScriptExtension(chosen.text);
    // cmd.exe sees only the folder, with a name of the dump's own in it.
    if (RefusedForCmd(path, core::path_text::FolderPart(path), text::kCmdRewritesSaveFormat)) return;
    if (system_->FileExists(path) && !system_->ConfirmOverwrite()) return;
    // Beside the target, so that the move is a rename on the same volume.
    const std::optional<std::string> dump = system_->NewFileBeside(path);
    if (!dump) {
        system_->ShowError(core::FillIn(text::kSaveFolderRefusedFormat, {path}));
        return;
    }
    // Always shown: the dump is the user's to watch.
    StartInterpreter(&core::DumpParameters, *dump, true,
                     [this, dump = *dump, path, saved](std::optional<unsigned long> exitCode) {
                         FinishSave(dump, path, exitCode, saved);
                     });
}

void Launcher::FinishSave(const std::string& dump, const std::string& path, std::optional<unsigned long> exitCode,
                          const std::function<void()>& saved) {
    const char* failure = !exitCode                                  ? text::kDumpNotStarted
                          : *exitCode != 0                           ? text::kDumpExitCodeFormat
                          : system_->FileSize(dump).value_or(0) == 0 ? text::kDumpEmpty
                          : !system_->MoveReplacing(dump, path)      ? text::kDumpNotReplaced
                                                                     : nullptr;
    if (!failure) {
        saved();
        return;
    }
    system_->RemoveFile(dump);
    const std::string reason = core::FillIn(failure, {exitCode ? std::to_string(*exitCode) : ""});
    system_->ShowError(core::FillIn(text::kSaveFailedFormat, {path, reason}));
}

}  // namespace launcher
