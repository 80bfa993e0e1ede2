#include "ui/toolbar.h"

#include <algorithm>

#include "ui/error.h"

namespace ui {

void ToolBar::Create(HWND parent, int id, HIMAGELIST images, SIZE buttonSize) {
    // No CCS_NODIVIDER: the divider is the etched line along the top edge.
    // No TBSTYLE_TOOLTIPS: the tooltip window is made when the pointer first
    // comes over the bar (ShowTipsFromNowOn), not at start-up.
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_WRAPABLE | CCS_NOPARENTALIGN | CCS_NORESIZE;
    handle_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!handle_) throw Error("CreateWindowEx failed");
    SendMessageA(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    int imageWidth = 0, imageHeight = 0;
    ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    SendMessageA(handle_, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, imageHeight));
    SendMessageA(handle_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(handle_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonSize.cx, buttonSize.cy));
}

void ToolBar::SetMetrics(HIMAGELIST images, SIZE buttonSize, int separatorWidth) {
    int imageWidth = 0, imageHeight = 0;
    ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    SendMessageA(handle_, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, imageHeight));
    SendMessageA(handle_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    // A separator's width is fixed when it is added: each is put in again.
    const int count = static_cast<int>(SendMessageA(handle_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageA(handle_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (!(button.fsStyle & BTNS_SEP)) continue;
        button.iBitmap = separatorWidth;
        SendMessageA(handle_, TB_DELETEBUTTON, i, 0);
        SendMessageA(handle_, TB_INSERTBUTTONA, i, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageA(handle_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonSize.cx, buttonSize.cy));
}

HWND ToolBar::Tooltips() const { return reinterpret_cast<HWND>(SendMessageA(handle_, TB_GETTOOLTIPS, 0, 0)); }

void ToolBar::AddButton(int command, int image) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    button.iString = -1;
    SendMessageA(handle_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    hints_.push_back({command, {}});
}

void ToolBar::AddSeparator(int width) {
    TBBUTTON separator{};
    separator.iBitmap = width;
    separator.fsStyle = BTNS_SEP;
    SendMessageA(handle_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator));
}

int ToolBar::Image(int command) const {
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE;
    SendMessageA(handle_, TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
    return info.iImage;
}

void ToolBar::SetImage(int command, int image) { SendMessageA(handle_, TB_CHANGEBITMAP, command, image); }

void ToolBar::SetPressed(int command, bool pressed) {
    SendMessageA(handle_, TB_PRESSBUTTON, command, MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

ToolBar::ButtonHint& ToolBar::FindHint(int command) {
    auto hint = std::find_if(hints_.begin(), hints_.end(), [command](const ButtonHint& h) { return h.command == command; });
    if (hint == hints_.end()) throw Error("No such tool button");
    return *hint;
}

void ToolBar::SetHint(int command, std::string hint) { FindHint(command).text = std::move(hint); }

void ToolBar::SetTipDelays(int initialMs, int shownMs) {
    tipInitialMs_ = initialMs;
    tipShownMs_ = shownMs;
}

void ToolBar::ShowTipsFromNowOn() {
    if (Tooltips()) return;
    // What TBSTYLE_TOOLTIPS would have made at creation: a tooltip owned by
    // the bar with one tool per button, whose text is asked for at each
    // showing. The bar relays its mouse messages to it and keeps the tools'
    // rectangles up to date, as it does for its own.
    HWND tips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, handle_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tips) throw Error("CreateWindowEx failed");
    for (const ButtonHint& hint : hints_) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;  // what comctl32 5 takes
        tool.hwnd = handle_;
        tool.uId = static_cast<UINT_PTR>(hint.command);
        SendMessageA(handle_, TB_GETRECT, hint.command, reinterpret_cast<LPARAM>(&tool.rect));
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(tipInitialMs_, 0));
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(tipShownMs_, 0));
    SendMessageA(handle_, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips), 0);
}

bool ToolBar::HandleNotify(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
    auto hint = std::find_if(hints_.begin(), hints_.end(),
                             [&](const ButtonHint& h) { return static_cast<UINT_PTR>(h.command) == header.idFrom; });
    if (hint == hints_.end()) return false;
    if (header.code == TTN_GETDISPINFOA) {
        reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = const_cast<char*>(hint->text.c_str());
        return true;
    }
    int length = MultiByteToWideChar(CP_ACP, 0, hint->text.c_str(), -1, nullptr, 0);
    wideHint_.assign(static_cast<std::size_t>(std::max(length, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, hint->text.c_str(), -1, wideHint_.data(), length);
    reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = wideHint_.data();
    return true;
}

}  // namespace ui
