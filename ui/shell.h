// Starting programs through the shell.
#pragma once

#include <windows.h>

namespace ui {

// ShellExecuteA's shape; windows that start programs hold one, so that tests
// can put a recorder in its place.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                                LPCSTR directory, INT show);

// Opens `file` as the signed-in user would from the desktop: the desktop
// shell's own ShellExecute does it, so that a program run as administrator
// does not hand its rights on (to a browser, say). Where no desktop shell
// answers, ShellExecuteA from this process. The thread must be in a COM
// apartment. Above 32 when the shell took the request, as ShellExecuteA.
HINSTANCE WINAPI ShellExecuteAsDesktopUser(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                           LPCSTR directory, INT show);

}  // namespace ui
