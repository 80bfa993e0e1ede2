#include "tests/common/registry.h"

#include <stdexcept>

namespace test_registry {

namespace {

std::vector<BYTE> Bytes(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    return std::vector<BYTE>(bytes, bytes + size);
}

}  // namespace

Value::Value(HKEY root, const std::string& key, const std::string& name, std::optional<DWORD> value)
    : Value(root, key, name, REG_DWORD, value ? std::optional(Bytes(&*value, sizeof *value)) : std::nullopt) {}

Value::Value(HKEY root, const std::string& key, const std::string& name, std::optional<std::string> text)
    : Value(root, key, name, REG_SZ, text ? std::optional(Bytes(text->c_str(), text->size() + 1)) : std::nullopt) {}

Value::Value(HKEY root, const std::string& key, const std::string& name, DWORD type,
             const std::optional<std::vector<BYTE>>& data)
    : name_(name) {
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot open " + key + " for writing");
    DWORD size = 0;
    if (RegQueryValueExA(key_, name_.c_str(), nullptr, &oldType_, nullptr, &size) == ERROR_SUCCESS) {
        old_.emplace(size);
        RegQueryValueExA(key_, name_.c_str(), nullptr, &oldType_, old_->data(), &size);
    }
    const LSTATUS status = data ? RegSetValueExA(key_, name_.c_str(), 0, type, data->data(),
                                                 static_cast<DWORD>(data->size()))
                                : RegDeleteValueA(key_, name_.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        RegCloseKey(key_);
        throw std::runtime_error("cannot set " + key + "\\" + name);
    }
}

Value::~Value() {
    if (old_) RegSetValueExA(key_, name_.c_str(), 0, oldType_, old_->data(), static_cast<DWORD>(old_->size()));
    else RegDeleteValueA(key_, name_.c_str());
    RegCloseKey(key_);
}

}  // namespace test_registry
