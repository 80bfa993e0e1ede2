// The list of scripts in the load folder.
#include <windows.h>

#include "core/path_text.h"
#include "launcher/main_form.h"
#include "resources/texts.h"
#include "ui/error.h"

namespace launcher {
namespace {

constexpr int kFirstRoom = 256;

// A directory search that is closed on every path out of its scope.
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

}  // namespace

void TMainForm::RefreshList(const std::string& folder) {
    ui::ListBox::UpdateScope noRepaint(list_);
    list_.Clear();
    FileSearch search(path_text::IncludeTrailingBackslash(folder) + "*." + state_.ListExt);
    // Every kind of entry is enumerated; only folders (also "." and "..") are left out.
    int count = 0;
    int room = 0;
    for (bool more = search.Found(); more; more = search.Next()) {
        if (search.Entry().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // Room for twice as many entries whenever it runs out: a list that
        // grows by a few entries at a time fills in quadratic time.
        if (count == room) room = list_.Reserve(room == 0 ? kFirstRoom : room);
        LRESULT added = list_.Add(search.Entry().cFileName);
        if (added == LB_ERR || added == LB_ERRSPACE) throw ui::Error(text::kCannotInsertLine);
        count = static_cast<int>(added) + 1;  // the list is unsorted: each entry goes last
    }
}

}  // namespace launcher
