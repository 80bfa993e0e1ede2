#include "launcher/settings_file.h"

#include <windows.h>

#include "launcher/ini_values.h"
#include "resources/texts.h"
#include "ui/error.h"
#include "ui/error_text.h"
#include "ui/path_text.h"

namespace launcher {
namespace {

constexpr DWORD kValueBufferSize = 2048;

}  // namespace

std::string ExeFolder() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path_text::FolderPart(std::string_view(path, length)));
}

std::string SettingsFilePath() { return ExeFolder() + "kelvaro.ini"; }

IniFile::~IniFile() {
    // Flush, so that the file on disk is what the next reader (or editor) sees.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}

std::string IniFile::ReadString(const char* section, const char* key, const char* fallback) const {
    char value[kValueBufferSize];
    DWORD length = GetPrivateProfileStringA(section, key, fallback, value, kValueBufferSize, path_.c_str());
    return std::string(value, length);
}

std::int32_t IniFile::ReadInteger(const char* section, const char* key, std::int32_t fallback) const {
    return ini_values::IntegerOr(ReadString(section, key, ""), fallback);
}

void IniFile::WriteString(const char* section, const char* key, const std::string& value) {
    if (!WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str())) {
        throw ui::Error(ui::FillIn(text::kCannotWriteFormat, {path_}));
    }
}

void IniFile::WriteInteger(const char* section, const char* key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

}  // namespace launcher
