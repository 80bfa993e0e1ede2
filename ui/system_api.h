// The few functions of shell32, comdlg32, ole32, oleaut32 and advapi32 that
// the program uses, bound on first use from the system folder. Loading those DLLs (and, under Wine,
// the many they pull in) at start-up would cost more than the rest of the
// start-up together, and only some actions need them.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace ui::api {

HINSTANCE WINAPI ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR name, UINT size);
void DragFinish(HDROP drop);
LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA browse);
BOOL SHGetPathFromIDListA(LPCITEMIDLIST item, LPSTR path);
BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn);
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn);
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
