// A directory search (FindFirstFileW and on), closed on every path out of its
// scope. Wide, so that a name the system code page cannot hold is seen as it
// is (ui/code_page.h), not as the look-alike the "A" functions would give.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class FileSearch {
 public:
    explicit FileSearch(const std::wstring& pattern) : handle_(FindFirstFileW(pattern.c_str(), &entry_)) {}
    ~FileSearch() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next() { return FindNextFileW(handle_, &entry_) != FALSE; }
    const WIN32_FIND_DATAW& Entry() const { return entry_; }

 private:
    WIN32_FIND_DATAW entry_{};
    HANDLE handle_;
};

}  // namespace ui
