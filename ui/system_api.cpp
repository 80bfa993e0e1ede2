#include "ui/system_api.h"

#include <string>

#include "ui/error.h"

namespace ui::api {
namespace {

// A DLL of the system folder, by its full path: a bare name is looked for in
// the exe's folder first, where anyone who can write there could put one for
// the elevated program to run.
HMODULE LoadSystemLibrary(const char* dll) {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryA((std::string(folder, length) + "\\" + dll).c_str());
}

// The function `name` of `dll`, found once; `Function` only names its type.
template <class Function>
Function* Bind(const char* dll, const char* name) {
    HMODULE module = LoadSystemLibrary(dll);
    FARPROC proc = module ? GetProcAddress(module, name) : nullptr;
    if (!proc) throw Error(std::string("Cannot find ") + name + " in " + dll);
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(proc));
}

#define KELVARO_BOUND(dll, name) \
    static auto* const bound = Bind<decltype(::name)>(dll, #name); \
    return bound

}  // namespace

MessageFilter* changeWindowMessageFilterEx = FindInUser32<MessageFilter>("ChangeWindowMessageFilterEx");

HINSTANCE WINAPI ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show) {
    KELVARO_BOUND("shell32.dll", ShellExecuteA)(owner, verb, file, parameters, directory, show);
}

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR name, UINT size) {
    KELVARO_BOUND("shell32.dll", DragQueryFileA)(drop, index, name, size);
}

void DragFinish(HDROP drop) { KELVARO_BOUND("shell32.dll", DragFinish)(drop); }

LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA browse) {
    KELVARO_BOUND("shell32.dll", SHBrowseForFolderA)(browse);
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST item, LPSTR path) {
    KELVARO_BOUND("shell32.dll", SHGetPathFromIDListA)(item, path);
}

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) { KELVARO_BOUND("comdlg32.dll", GetOpenFileNameA)(ofn); }

BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) { KELVARO_BOUND("comdlg32.dll", GetSaveFileNameA)(ofn); }

void CoTaskMemFree(void* memory) { KELVARO_BOUND("ole32.dll", CoTaskMemFree)(memory); }

HRESULT CoCreateInstance(REFCLSID type, IUnknown* outer, DWORD context, REFIID wanted, void** object) {
    KELVARO_BOUND("ole32.dll", CoCreateInstance)(type, outer, context, wanted, object);
}

BSTR SysAllocString(const OLECHAR* text) { KELVARO_BOUND("oleaut32.dll", SysAllocString)(text); }

void SysFreeString(BSTR text) { KELVARO_BOUND("oleaut32.dll", SysFreeString)(text); }

LSTATUS RegOpenKeyExA(HKEY root, LPCSTR key, DWORD options, REGSAM access, PHKEY opened) {
    KELVARO_BOUND("advapi32.dll", RegOpenKeyExA)(root, key, options, access, opened);
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
    KELVARO_BOUND("advapi32.dll", RegQueryValueExA)(key, name, reserved, type, data, size);
}

LSTATUS RegCloseKey(HKEY key) { KELVARO_BOUND("advapi32.dll", RegCloseKey)(key); }

namespace {

HRESULT CoInitializeEx(void* reserved, DWORD model) { KELVARO_BOUND("ole32.dll", CoInitializeEx)(reserved, model); }

}  // namespace

void InitializeComOnce() {
    static bool initialized = false;
    if (initialized) return;
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // Already in another apartment (nothing in the program makes one): the
    // browser works there too.
    if (FAILED(result) && result != RPC_E_CHANGED_MODE) throw Error("CoInitializeEx failed");
    initialized = true;
}

}  // namespace ui::api
