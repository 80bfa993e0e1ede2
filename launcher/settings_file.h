// The settings file "kelvaro.ini" beside the executable, read and written only
// through the private-profile service. One access object serves one operation
// and flushes the service's cache when it is released.
#pragma once

#include <cstdint>
#include <string>

namespace launcher {

// The executable's folder, with its trailing backslash.
std::string ExeFolder();
// The settings file's path: ExeFolder() + "kelvaro.ini".
std::string SettingsFilePath();

class IniFile {
 public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // At most 2047 characters of the value; `fallback` when the key is missing.
    std::string ReadString(const char* section, const char* key, const char* fallback) const;
    std::int32_t ReadInteger(const char* section, const char* key, std::int32_t fallback) const;
    // A refused write raises "<path> に書き込めません".
    void WriteString(const char* section, const char* key, const std::string& value);
    void WriteInteger(const char* section, const char* key, std::int32_t value);

 private:
    std::string path_;
};

}  // namespace launcher
