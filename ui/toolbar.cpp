#include "ui/toolbar.h"

#include <algorithm>

#include "ui/code_page.h"
#include "ui/error.h"
#include "ui/system_api.h"

namespace ui {

void ToolBar::Create(HWND parent, int id, const char* name, HIMAGELIST images, SIZE buttonSize, Tips tips,
                     HFONT font) {
    // No CCS_NODIVIDER: the divider is the etched line along the top edge.
    // No TBSTYLE_TOOLTIPS: comctl32 would make its tooltip without
    // TTS_ALWAYSTIP; the bar is given one made with it, before any button, so
    // that it adds a tool for each button and keeps the tools' rectangles.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_WRAPABLE | CCS_NOPARENTALIGN | CCS_NORESIZE;
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, name, style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!bar) throw Error("CreateWindowEx failed");
    Subclass(bar);
    HWND tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, bar, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip) throw Error("CreateWindowEx failed");
    SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(tips.initialMs, 0));
    SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(tips.shownMs, 0));
    SendMessageA(bar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip), 0);
    // Before the button size: comctl32 sizes the buttons again for a new font.
    SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    int imageWidth = 0, imageHeight = 0;
    api::ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, imageHeight));
    SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonSize.cx, buttonSize.cy));
}

void ToolBar::SetMetrics(HIMAGELIST images, SIZE buttonSize, int separatorWidth) {
    int imageWidth = 0, imageHeight = 0;
    api::ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    SendMessageA(Handle(), TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, imageHeight));
    SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    // A separator's width is fixed when it is added: each is put in again.
    const int count = static_cast<int>(SendMessageA(Handle(), TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageA(Handle(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (!(button.fsStyle & BTNS_SEP)) continue;
        button.iBitmap = separatorWidth;
        SendMessageA(Handle(), TB_DELETEBUTTON, i, 0);
        SendMessageA(Handle(), TB_INSERTBUTTONA, i, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageA(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonSize.cx, buttonSize.cy));
}

HWND ToolBar::Tooltips() const { return reinterpret_cast<HWND>(SendMessageA(Handle(), TB_GETTOOLTIPS, 0, 0)); }

void ToolBar::AddButton(int command, int image, std::string hint) {
    hints_.push_back({command, std::move(hint)});
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    button.iString = -1;
    SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
}

void ToolBar::AddSeparator(int width) {
    TBBUTTON separator{};
    separator.iBitmap = width;
    separator.fsStyle = BTNS_SEP;
    SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator));
}

int ToolBar::Image(int command) const {
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE;
    SendMessageA(Handle(), TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
    return info.iImage;
}

void ToolBar::SetImage(int command, int image) { SendMessageA(Handle(), TB_CHANGEBITMAP, command, image); }

void ToolBar::SetPressed(int command, bool pressed) {
    SendMessageA(Handle(), TB_PRESSBUTTON, command, MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

ToolBar::ButtonHint* ToolBar::FindHint(UINT_PTR command) {
    auto hint = std::find_if(hints_.begin(), hints_.end(),
                             [command](const ButtonHint& h) { return static_cast<UINT_PTR>(h.command) == command; });
    return hint == hints_.end() ? nullptr : &*hint;
}

void ToolBar::SetHint(int command, std::string hint) {
    ButtonHint* button = FindHint(static_cast<UINT_PTR>(command));
    if (!button) throw Error("No such tool button");
    button->text = std::move(hint);
}

bool ToolBar::AnswerHint(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
    const ButtonHint* hint = FindHint(header.idFrom);
    if (!hint) return false;
    if (header.code == TTN_GETDISPINFOA) {
        reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = const_cast<char*>(hint->text.c_str());
        return true;
    }
    wideHint_ = ToWide(hint->text);
    reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = wideHint_.data();
    return true;
}

LRESULT ToolBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The tooltip asks the window of its tools, the bar, for each hint.
    if (message == WM_NOTIFY && AnswerHint(*reinterpret_cast<NMHDR*>(lParam))) return 0;
    if (message == WM_SETFONT) SendMessageA(Tooltips(), WM_SETFONT, wParam, lParam);
    return CallDefault(message, wParam, lParam);
}

}  // namespace ui
