// A registry value set, or removed, for the life of an object, in the
// programs under test and out of them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace test_registry {

// Sets a REG_DWORD or REG_SZ value (removes it when `value` is empty); what
// was there before comes back at the end. Throws std::runtime_error when the
// value cannot be set.
class Value {
 public:
    Value(HKEY root, const std::string& key, const std::string& name, std::optional<DWORD> value);
    Value(HKEY root, const std::string& key, const std::string& name, std::optional<std::string> text);
    ~Value();
    Value(const Value&) = delete;
    Value& operator=(const Value&) = delete;

 private:
    // `data` of `type`, or none to remove the value.
    Value(HKEY root, const std::string& key, const std::string& name, DWORD type,
          const std::optional<std::vector<BYTE>>& data);

    HKEY key_ = nullptr;
    std::string name_;
    DWORD oldType_ = REG_NONE;
    std::optional<std::vector<BYTE>> old_;
};

// Where cmd.exe looks for its switches, and the one that makes it expand "!NAME!".
inline constexpr char kCommandProcessor[] = "Software\\Microsoft\\Command Processor";
inline constexpr char kDelayedExpansion[] = "DelayedExpansion";
// Commands cmd.exe runs before any other unless it is started with /D.
inline constexpr char kAutoRun[] = "AutoRun";

}  // namespace test_registry
