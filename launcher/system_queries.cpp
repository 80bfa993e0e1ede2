#include "launcher/system_queries.h"

#include <windows.h>

#include "ui/system_api.h"

namespace launcher {
namespace {

// The first entry of a lookup; the search is closed at once.
std::optional<WIN32_FIND_DATAA> FirstEntry(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return entry;
}

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

bool FileExists(const std::string& path) {
    std::optional<WIN32_FIND_DATAA> entry = FirstEntry(path);
    return entry && !(entry->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> FindLongName(const std::string& path) {
    std::optional<WIN32_FIND_DATAA> entry = FirstEntry(path);
    if (!entry) return std::nullopt;
    return std::string(entry->cFileName);
}

bool EnvironmentHas(std::string_view name) {
    char value[1];
    SetLastError(ERROR_SUCCESS);
    // 0 with no error is a variable set to the empty text.
    return GetEnvironmentVariableA(std::string(name).c_str(), value, sizeof value) > 0 ||
           GetLastError() != ERROR_ENVVAR_NOT_FOUND;
}

bool CmdDelayedExpansion() {
    // Read through the same 32-bit view of HKLM as the 32-bit cmd.exe that a
    // 32-bit program starts on 64-bit Windows. Any value but 0 counts: where
    // cmd would not expand, "/V:OFF" changes nothing.
    constexpr char kKey[] = "Software\\Microsoft\\Command Processor";
    std::optional<DWORD> value = RegistryDword(HKEY_CURRENT_USER, kKey, "DelayedExpansion");
    if (!value) value = RegistryDword(HKEY_LOCAL_MACHINE, kKey, "DelayedExpansion");
    return value.value_or(0) != 0;
}

}  // namespace launcher
