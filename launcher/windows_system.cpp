#include "launcher/windows_system.h"

#include "core/path_text.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/code_page.h"
#include "ui/file_search.h"
#include "ui/system_api.h"

namespace launcher {
namespace {

// A REG_DWORD value, if the key holds one of that name.
std::optional<DWORD> RegistryDword(HKEY root, const char* key, const char* name) {
    HKEY opened;
    if (ui::api::RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = REG_NONE, value = 0, size = sizeof value;
    const LSTATUS status =
        ui::api::RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ui::api::RegCloseKey(opened);
    if (status != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
    return value;
}

}  // namespace

WindowsSystem::WindowsSystem(const ui::Window* owner) : owner_(owner), shellExecute_(&ui::api::ShellExecuteExA) {}

std::string WindowsSystem::SystemFolder() { return ui::api::SystemFolder(); }

void WindowsSystem::Start(std::string_view program, const std::string& parameters, bool visible,
                          const Ended& ended) {
    const std::string file(program);
    // No verb (the default action) and no folder: the child inherits ours.
    SHELLEXECUTEINFOA info{sizeof info};
    info.fMask = ended ? SEE_MASK_NOCLOSEPROCESS : 0;
    info.hwnd = owner_ ? owner_->Handle() : nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = visible ? SW_SHOWNORMAL : SW_HIDE;
    const bool started = shellExecute_(&info) && info.hProcess;
    if (!ended) return;
    if (!started) return ended(std::nullopt);
    HANDLE process = info.hProcess;
    ui::Application::Instance().WhenSignalled(process, [process, ended] {
        DWORD exitCode = 0;
        const bool known = GetExitCodeProcess(process, &exitCode);
        CloseHandle(process);
        ended(known ? std::optional<unsigned long>(exitCode) : std::nullopt);
    });
}

bool WindowsSystem::FileExists(const std::string& path) {
    ui::FileSearch search(ui::ToWide(path));
    return search.Found() && !(search.Entry().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> WindowsSystem::FindLongName(const std::string& path) {
    ui::FileSearch search(ui::ToWide(path));
    if (!search.Found()) return std::nullopt;
    // A long name the code page cannot hold would name another file: the
    // name as given (a short one, say) still names this one.
    const core::CodePagePath name = ui::ToCodePage(search.Entry().cFileName);
    return name.exact ? std::optional(name.text) : std::nullopt;
}

std::optional<std::string> WindowsSystem::NewFileBeside(const std::string& path) {
    char name[MAX_PATH];
    const std::string folder(core::path_text::FolderPart(path));
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "kvr", 0, name)) return std::nullopt;
    return std::string(name);
}

std::optional<std::uint64_t> WindowsSystem::FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool WindowsSystem::MoveReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

void WindowsSystem::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

bool WindowsSystem::EnvironmentHas(std::string_view name) {
    char value[1];
    SetLastError(ERROR_SUCCESS);
    // 0 with no error is a variable set to the empty text.
    return GetEnvironmentVariableA(std::string(name).c_str(), value, sizeof value) > 0 ||
           GetLastError() != ERROR_ENVVAR_NOT_FOUND;
}

bool WindowsSystem::CmdDelayedExpansion() {
    // Read through the same 32-bit view of HKLM as the 32-bit cmd.exe that a
    // 32-bit program starts on 64-bit Windows. Any value but 0 counts: where
    // cmd would not expand, "/V:OFF" changes nothing.
    constexpr char kKey[] = "Software\\Microsoft\\Command Processor";
    std::optional<DWORD> value = RegistryDword(HKEY_CURRENT_USER, kKey, "DelayedExpansion");
    if (!value) value = RegistryDword(HKEY_LOCAL_MACHINE, kKey, "DelayedExpansion");
    return value.value_or(0) != 0;
}

void WindowsSystem::ShowError(const std::string& message) { ui::Application::Instance().ShowError(message); }

bool WindowsSystem::ConfirmOverwrite() {
    return ui::Application::Instance().ShowMessageBox(text::kOverwriteQuestion, text::kSaveCaption,
                                                      MB_OKCANCEL | MB_ICONEXCLAMATION) != IDCANCEL;
}

}  // namespace launcher
