// The bare limit kelvaro is measured against: one top-level window with a
// tool bar and a list box filled with the *.nsh files of its own folder, and
// nothing else. Built by the same toolchain as kelvaro.exe.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void FillFromOwnFolder(HWND list) {
    char pattern[MAX_PATH + 8];
    DWORD length = GetModuleFileNameA(nullptr, pattern, MAX_PATH);
    while (length > 0 && pattern[length - 1] != '\\') --length;
    lstrcpyA(pattern + length, "*.nsh");
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.cFileName));
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "BaselineWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "BaselineWindow", "baseline", WS_OVERLAPPEDWINDOW, 0, 0, 180, 100, nullptr,
                                  nullptr, instance, nullptr);
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | CCS_NORESIZE, 0, 0, 172, 29,
                               window, nullptr, instance, nullptr);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                0, 29, 172, 44, window, nullptr, instance, nullptr);
    FillFromOwnFolder(list);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
