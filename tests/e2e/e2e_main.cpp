#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/common/registry.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Under Wine, the recording netsh in the system folder (e2e_support.h)
    // runs only where the load order says the file's, not Wine's own; on
    // Windows the key means nothing.
    test_registry::Value netsh(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "netsh.exe",
                               std::optional<std::string>("native"));
    return RUN_ALL_TESTS();
}
