// A thin list box over the standard "LISTBOX" control: single selection,
// unsorted text entries. Subclassed so that derived controls can take part in
// its messages.
#pragma once

#include <windows.h>

#include <string>

#include "ui/window.h"

namespace ui {

class ListBox : public Window {
 public:
    static constexpr DWORD kStyle =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

    // Takes over a list box created by the form.
    void Attach(HWND control) { Subclass(control); }

    void Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }
    // The list's answer: the new index, or LB_ERR / LB_ERRSPACE.
    LRESULT Add(const char* text) { return SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
    int Count() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }
    // The selected entry of a single-selection list; -1 (LB_ERR) for none.
    int SelectedIndex() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }
    std::string Text(int index) const;
    // A value kept with an entry (0 unless set).
    LPARAM ItemData(int index) const { return SendMessageA(Handle(), LB_GETITEMDATA, index, 0); }
    void SetItemData(int index, LPARAM data) { SendMessageA(Handle(), LB_SETITEMDATA, index, data); }
    void SetItemHeight(int height) { SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height); }
    // Makes room for `more` entries beyond those present; returns the room now
    // known to be there (the count plus `more`).
    int Reserve(int more);

    // Keeps the list from repainting while it is refilled.
    class UpdateScope {
     public:
        explicit UpdateScope(ListBox& list);
        ~UpdateScope();
        UpdateScope(const UpdateScope&) = delete;
        UpdateScope& operator=(const UpdateScope&) = delete;

     private:
        ListBox& list_;
    };

 protected:
    // A batch of changes begins or ends; derived lists may hold resources meanwhile.
    virtual void UpdateStarting() {}
    virtual void UpdateEnded() {}
};

}  // namespace ui
