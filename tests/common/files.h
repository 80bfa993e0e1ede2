// Files and folders for the Windows tests, in and out of process.
#pragma once

#include <string>

namespace test_files {

// The file's bytes; "" when it cannot be read.
std::string ReadText(const std::string& path);
// Replaces the file with these bytes; throws when it cannot be written.
void WriteText(const std::string& path, const std::string& text);
// Removes a file, or a folder with all it holds; nothing when there is none.
void RemoveTree(const std::string& path);
// The folder of the running test program, with its trailing backslash.
std::string ExeFolder();

// A fresh folder under the temporary folder, removed with what it holds.
class TempFolder {
 public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }  // without a trailing backslash
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
    std::string path_;
};

}  // namespace test_files
