// The few functions of comctl32, shell32, comdlg32, ole32, oleaut32 and
// advapi32 that the program uses, bound on first use from the system folder.
// Loading those DLLs (and, under Wine, the many they pull in) at start-up
// would cost more than the rest of the start-up together, and only some
// actions need them; comctl32, which is not one of Windows' known DLLs, would
// be looked for beside the exe first.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

namespace ui::api {

// The system folder (System32), without a trailing backslash. A 32-bit
// program on 64-bit Windows is led from there to the 32-bit system's twin.
std::string SystemFolder();
// From now on, DLLs loaded by name come from the system folder only, also
// those that system DLLs load (where Windows offers it). First thing at start.
void LoadDllsFromSystemFolderOnly();

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
BOOL ImageList_Destroy(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height);

HINSTANCE WINAPI ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);
BOOL WINAPI ShellExecuteExA(SHELLEXECUTEINFOA* info);
UINT DragQueryFileW(HDROP drop, UINT index, LPWSTR name, UINT size);
void DragFinish(HDROP drop);
LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA browse);
BOOL SHGetPathFromIDListW(LPCITEMIDLIST item, LPWSTR path);
BOOL GetOpenFileNameW(LPOPENFILENAMEW ofn);
BOOL GetSaveFileNameW(LPOPENFILENAMEW ofn);
void CoTaskMemFree(void* memory);
HRESULT CoCreateInstance(REFCLSID type, IUnknown* outer, DWORD context, REFIID wanted, void** object);
BSTR SysAllocString(const OLECHAR* text);
void SysFreeString(BSTR text);
LSTATUS RegOpenKeyExA(HKEY root, LPCSTR key, DWORD options, REGSAM access, PHKEY opened);
LSTATUS RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
LSTATUS RegCloseKey(HKEY key);
// A user32 function of a later Windows, or null where the system lacks it:
// looked up, so that the exe still starts there. `Function` names its type.
template <class Function>
Function* FindInUser32(const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}
// ChangeWindowMessageFilterEx's shape (Windows 7 on).
using MessageFilter = BOOL WINAPI(HWND window, UINT message, DWORD action, void* status);
// The system's, or null before Windows 7. A variable, so that tests can
// record the calls: Wine has no integrity levels to show their effect.
extern MessageFilter* changeWindowMessageFilterEx;
// COM in a single-threaded apartment on this thread, which the shell's folder
// browser needs; made once, on first use, and kept for the rest of the process.
void InitializeComOnce();

}  // namespace ui::api
