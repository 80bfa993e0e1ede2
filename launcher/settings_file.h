// The settings file "kelvaro.ini" beside the executable, read and written only
// through the private-profile service. One access object serves one operation
// and flushes the service's cache when it is released.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "launcher/settings_keys.h"

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
    std::string ReadString(const settings_keys::Key& key, const char* fallback) const;
    // The integer read, or 0 when the key is missing or holds no integer.
    std::int32_t ReadInteger(const settings_keys::Key& key) const;
    bool IsOn(const settings_keys::Switch& item) const;
    // A refused write raises "<path> に書き込めません".
    void WriteString(const settings_keys::Key& key, const std::string& value);
    void WriteInteger(const settings_keys::Key& key, std::int32_t value);
    void WriteSwitch(const settings_keys::Switch& item, bool on);

 private:
    bool Exists() const;

    std::string path_;
    mutable std::optional<bool> exists_;  // asked at the first read
    bool wrote_ = false;
};

}  // namespace launcher
