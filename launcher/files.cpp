#include "launcher/files.h"

#include <windows.h>

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

}  // namespace launcher
