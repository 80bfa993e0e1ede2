// What the windows tell accessibility clients (screen readers, automation)
// beyond what their class and text say: a name for a control whose text is
// none ("...") or that has no text, the dialog role for a dialog of the
// program's own window class. Stored with Windows' Dynamic Annotation
// (IAccPropServices) when a client first asks the window for its object
// (WM_GETOBJECT): nothing is loaded for it at start-up, nor while no client asks.
#pragma once

#include <windows.h>

namespace ui::accessibility {

struct Annotation {
    const char* name = nullptr;  // null: the standard one
    long role = 0;               // ROLE_SYSTEM_...; 0: the standard one
    bool Empty() const { return !name && !role; }
};

// Stores the annotation of a window's client object. A variable: Wine's
// oleacc refuses annotations (E_NOTIMPL), so tests keep them in its place and
// read them back as Windows' clients would get them.
using AnnotateFunction = void (*)(HWND window, const Annotation& annotation);
extern AnnotateFunction annotate;

}  // namespace ui::accessibility
