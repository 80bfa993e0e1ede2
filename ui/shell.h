// Starting programs through the shell.
#pragma once

#include <windows.h>

namespace ui {

// ShellExecuteA's shape; windows that start programs hold one, so that tests
// can put a recorder in its place.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                                LPCSTR directory, INT show);

}  // namespace ui
