#include "ui/system_api.h"

#include <string>

#include "ui/error.h"

namespace ui::api {
namespace {

// The function `name` of `dll`, found once; `Function` only names its type.
// The DLL is loaded from the system folder by its full path: by a bare name
// Windows would look in the exe's folder first, and run elevated a planted
// copy there would run with the program's rights.
template <class Function>
Function* Bind(const char* dll, const char* name) {
    HMODULE module = LoadLibraryA((SystemFolder() + "\\" + dll).c_str());
    FARPROC proc = module ? GetProcAddress(module, name) : nullptr;
    if (!proc) throw Error(std::string("Cannot find ") + name + " in " + dll);
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(proc));
}

#define KELVARO_BOUND(dll, name) \
    static auto* const bound = Bind<decltype(::name)>(dll, #name); \
    return bound

}  // namespace

MessageFilter* changeWindowMessageFilterEx = FindInUser32<MessageFilter>("ChangeWindowMessageFilterEx");

std::string SystemFolder() {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) throw Error("GetSystemDirectory failed");
    return std::string(folder, length);
}

void LoadDllsFromSystemFolderOnly() {
    // Windows 8 on, and 7 with its security update; before, every DLL the
    // program loads itself is named by its full path all the same.
    using SetDefault = BOOL WINAPI(DWORD directories);
    auto* setDefault = reinterpret_cast<SetDefault*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    KELVARO_BOUND("comctl32.dll", InitCommonControlsEx)(controls);
}

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow) {
    KELVARO_BOUND("comctl32.dll", ImageList_Create)(width, height, flags, initial, grow);
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    KELVARO_BOUND("comctl32.dll", ImageList_Add)(list, image, mask);
}

BOOL ImageList_Destroy(HIMAGELIST list) { KELVARO_BOUND("comctl32.dll", ImageList_Destroy)(list); }

BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height) {
    KELVARO_BOUND("comctl32.dll", ImageList_GetIconSize)(list, width, height);
}

HINSTANCE WINAPI ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show) {
    KELVARO_BOUND("shell32.dll", ShellExecuteA)(owner, verb, file, parameters, directory, show);
}

BOOL WINAPI ShellExecuteExA(SHELLEXECUTEINFOA* info) { KELVARO_BOUND("shell32.dll", ShellExecuteExA)(info); }

UINT DragQueryFileW(HDROP drop, UINT index, LPWSTR name, UINT size) {
    KELVARO_BOUND("shell32.dll", DragQueryFileW)(drop, index, name, size);
}

void DragFinish(HDROP drop) { KELVARO_BOUND("shell32.dll", DragFinish)(drop); }

LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA browse) {
    KELVARO_BOUND("shell32.dll", SHBrowseForFolderA)(browse);
}

BOOL SHGetPathFromIDListW(LPCITEMIDLIST item, LPWSTR path) {
    KELVARO_BOUND("shell32.dll", SHGetPathFromIDListW)(item, path);
}

BOOL GetOpenFileNameW(LPOPENFILENAMEW ofn) { KELVARO_BOUND("comdlg32.dll", GetOpenFileNameW)(ofn); }

BOOL GetSaveFileNameW(LPOPENFILENAMEW ofn) { KELVARO_BOUND("comdlg32.dll", GetSaveFileNameW)(ofn); }

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
