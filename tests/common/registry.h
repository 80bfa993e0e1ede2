// A registry value set, or removed, for the life of an object, in the
// programs under test and out of them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace test_registry {

// Sets a REG_DWORD value (removes it when `value` is empty); what was there
// before comes back at the end. Throws std::runtime_error when the value
// cannot be set.
class Value {
 public:
    Value(HKEY root, const std::string& key, const std::string& name, std::optional<DWORD> value);
    ~Value();
    Value(const Value&) = delete;
    Value& operator=(const Value&) = delete;

 private:
    HKEY key_ = nullptr;
    std::string name_;
    DWORD oldType_ = REG_NONE;
    std::optional<std::vector<BYTE>> old_;
};

// Where cmd.exe looks for its switches, and the one that makes it expand "!NAME!".
inline constexpr char kCommandProcessor[] = "Software\\Microsoft\\Command Processor";
inline constexpr char kDelayedExpansion[] = "DelayedExpansion";

}  // namespace test_registry
