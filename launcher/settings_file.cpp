#include "launcher/settings_file.h"

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <optional>

#include "core/error_text.h"
#include "core/ini_values.h"
#include "core/path_text.h"
#include "launcher/settings_keys.h"
#include "resources/texts.h"
#include "ui/code_page.h"
#include "ui/error.h"

namespace launcher {
namespace {

namespace keys = settings_keys;

constexpr DWORD kValueBufferSize = 2048;

// One access object serves one operation and flushes the service's cache
// when it is released.
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

IniFile::~IniFile() {
    // Flush, so that the file on disk is what the next reader (or editor)
    // sees. A file that was neither there nor written has nothing to flush.
    if (wrote_ || (exists_ && *exists_)) WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}

bool IniFile::Exists() const {
    // Asked once per access object: where the file is missing, as before the
    // first close, each read would look for it again (and under Wine each
    // failed lookup reads the whole folder, thousands of scripts long).
    if (!exists_) exists_ = GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
    return *exists_;
}

std::string IniFile::ReadString(const settings_keys::Key& key, const char* fallback) const {
    if (!Exists()) return fallback;
    char value[kValueBufferSize];
    DWORD length = GetPrivateProfileStringA(key.section, key.name, fallback, value, kValueBufferSize, path_.c_str());
    return std::string(value, length);
}

std::int32_t IniFile::ReadInteger(const settings_keys::Key& key) const {
    return core::ini::IntegerOr(ReadString(key, ""), 0);
}

bool IniFile::IsOn(const settings_keys::Switch& item) const {
    return core::ini::IsOn(ReadString(item.key, item.fallback));
}

void IniFile::WriteString(const settings_keys::Key& key, const std::string& value) {
    wrote_ = true;
    if (!WritePrivateProfileStringA(key.section, key.name, value.c_str(), path_.c_str()))
        throw ui::Error(core::FillIn(text::kCannotWriteFormat, {path_}));
}

void IniFile::WriteInteger(const settings_keys::Key& key, std::int32_t value) {
    WriteString(key, std::to_string(value));
}

void IniFile::WriteSwitch(const settings_keys::Switch& item, bool on) { WriteString(item.key, core::ini::SwitchText(on)); }

}  // namespace

std::string ExeFolder() {
    // A path cut at the buffer would name another folder: grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw ui::Error("GetModuleFileName failed");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    // Held another way, it would name another folder, with another settings file.
    const core::CodePagePath exe = ui::ToCodePage(path);
    const std::string folder(core::path_text::FolderPart(exe.text));
    if (!exe.exact) throw ui::Error(core::FillIn(text::kExeFolderNotInCodePageFormat, {folder}));
    return folder;
}

std::string SettingsFilePath() { return ExeFolder() + "kelvaro.ini"; }

core::Settings ReadSettings() {
    IniFile ini(SettingsFilePath());
    core::Settings settings;
    settings.loadFolder = ini.ReadString(keys::kLoadFolder, ExeFolder().c_str());
    for (const keys::Switch& item : keys::kSwitches) settings.*item.field = ini.IsOn(item);
    return settings;
}

void WriteSettings(const core::Settings& settings) {
    IniFile ini(SettingsFilePath());
    ini.WriteString(keys::kLoadFolder, settings.loadFolder);
    for (const keys::Switch& item : keys::kSwitches) ini.WriteSwitch(item, settings.*item.field);
}

static_assert(std::size(keys::kBounds) == 4, "left, top, width and height");

core::Bounds ReadFormBounds() {
    IniFile ini(SettingsFilePath());
    int values[std::size(keys::kBounds)];
    for (std::size_t i = 0; i < std::size(keys::kBounds); ++i) values[i] = ini.ReadInteger(keys::kBounds[i]);
    return {values[0], values[1], values[2], values[3]};
}

void WriteFormBounds(const core::Bounds& bounds) {
    const int values[] = {bounds.left, bounds.top, bounds.width, bounds.height};
    IniFile ini(SettingsFilePath());
    for (std::size_t i = 0; i < std::size(keys::kBounds); ++i) ini.WriteInteger(keys::kBounds[i], values[i]);
}

}  // namespace launcher
