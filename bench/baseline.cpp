// The bare limit kelvaro is measured against: the least Win32 program that
// does kelvaro's visible start-up job. A 180 x 100 window at 0,0 with a
// comctl32 tool bar (six 23 x 22 buttons, four separators) over a list box in
// kelvaro's font, filled with the *.nsh files of its own folder before the
// window shows, then a plain message loop. Built by the same compiler as
// kelvaro.exe, in three forms:
//   baseline.exe          the bare limit;
//   baseline_measure.exe  the same plus one text measurement per name (the
//                         name and one blank, on one device context with the
//                         font selected once) and the horizontal extent they
//                         give: the floor that kelvaro's own measuring sets;
//   baseline_plain.exe    the bare limit without WM_SETREDRAW around the fill,
//                         as a first bare program would be written: the list
//                         then updates its scroll bar on every entry.
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

// The hints are part of the visible job: comctl32 makes the tooltip and one
// tool per button, as kelvaro's bar has them from the start.
void AddToolBar(HWND window, HINSTANCE instance) {
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 172,
                               29, window, nullptr, instance, nullptr);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(23, 22));
    // Button, button, separator, button, separator, button, separator, button, separator, button.
    constexpr bool kIsButton[] = {true, true, false, true, false, true, false, true, false, true};
    TBBUTTON buttons[10] = {};
    for (int i = 0; i < 10; ++i) {
        buttons[i].iBitmap = kIsButton[i] ? I_IMAGENONE : 8;
        buttons[i].idCommand = kIsButton[i] ? 100 + i : 0;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = kIsButton[i] ? BTNS_BUTTON : BTNS_SEP;
        buttons[i].iString = -1;
    }
    SendMessageA(bar, TB_ADDBUTTONSA, 10, reinterpret_cast<LPARAM>(buttons));
}

void FillFromOwnFolder(HWND list) {
    char pattern[MAX_PATH + 8];
    DWORD length = GetModuleFileNameA(nullptr, pattern, MAX_PATH);
    while (length > 0 && pattern[length - 1] != '\\') --length;
    lstrcpyA(pattern + length, "*.nsh");
#ifndef BASELINE_PLAIN_FILL
    // Without it the list recomputes and sets its scroll bar on every entry.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
#endif
#ifdef BASELINE_MEASURES_NAMES
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    int widest = 0;
#endif
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern, &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.cFileName));
#ifdef BASELINE_MEASURES_NAMES
            int nameLength = lstrlenA(entry.cFileName);
            entry.cFileName[nameLength] = ' ';  // the name plus one blank; the list has its copy
            SIZE size{};
            GetTextExtentPoint32A(dc, entry.cFileName, nameLength + 1, &size);
            if (size.cx > widest) widest = size.cx;
#endif
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
#ifdef BASELINE_MEASURES_NAMES
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
#endif
#ifndef BASELINE_PLAIN_FILL
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
#endif
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
    AddToolBar(window, instance);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                0, 29, 172, 44, window, nullptr, instance, nullptr);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック");
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    FillFromOwnFolder(list);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
