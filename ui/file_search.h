// A directory search (FindFirstFileA and on), closed on every path out of its
// scope.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class FileSearch {
 public:
    explicit FileSearch(const std::string& pattern) : handle_(FindFirstFileA(pattern.c_str(), &entry_)) {}
    ~FileSearch() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next() { return FindNextFileA(handle_, &entry_) != FALSE; }
    const WIN32_FIND_DATAA& Entry() const { return entry_; }

 private:
    WIN32_FIND_DATAA entry_{};
    HANDLE handle_;
};

}  // namespace ui
