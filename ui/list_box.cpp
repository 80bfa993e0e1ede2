#include "ui/list_box.h"

namespace ui {

std::string ListBox::Text(int index) const {
    LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int ListBox::Reserve(int more) {
    constexpr int kBytesPerName = 32;  // a guess; the list grows the string space as needed
    SendMessageA(Handle(), LB_INITSTORAGE, static_cast<WPARAM>(more), static_cast<LPARAM>(more) * kBytesPerName);
    return Count() + more;
}

ListBox::UpdateScope::UpdateScope(ListBox& list) : list_(list) {
    SendMessageA(list_.Handle(), WM_SETREDRAW, FALSE, 0);
    list_.UpdateStarting();
}

ListBox::UpdateScope::~UpdateScope() {
    list_.UpdateEnded();
    SendMessageA(list_.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_.Handle(), nullptr, TRUE);
}

}  // namespace ui
