#include "tests/common/registry.h"

#include <stdexcept>

namespace test_registry {

Value::Value(HKEY root, const std::string& key, const std::string& name, std::optional<DWORD> value) : name_(name) {
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot open " + key + " for writing");
    DWORD size = 0;
    if (RegQueryValueExA(key_, name_.c_str(), nullptr, &oldType_, nullptr, &size) == ERROR_SUCCESS) {
        old_.emplace(size);
        RegQueryValueExA(key_, name_.c_str(), nullptr, &oldType_, old_->data(), &size);
    }
    const LSTATUS status = value ? RegSetValueExA(key_, name_.c_str(), 0, REG_DWORD,
                                                  reinterpret_cast<const BYTE*>(&*value), sizeof *value)
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
