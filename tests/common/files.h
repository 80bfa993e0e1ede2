// Whole-file reads and writes for the Windows tests, in and out of process.
#pragma once

#include <string>

namespace test_files {

// The file's bytes; "" when it cannot be read.
std::string ReadText(const std::string& path);
// Replaces the file with these bytes; throws when it cannot be written.
void WriteText(const std::string& path, const std::string& text);

}  // namespace test_files
