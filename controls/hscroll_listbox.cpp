#include "controls/hscroll_listbox.h"

#include <utility>

namespace controls {

// A device context on the list's window with a font selected, for as long as
// it lives.
class MeasuringDc {
 public:
    MeasuringDc(HWND window, HFONT font)
        : window_(window), dc_(GetDC(window)), oldFont_(static_cast<HFONT>(SelectObject(dc_, font))) {}
    ~MeasuringDc() {
        SelectObject(dc_, oldFont_);
        ReleaseDC(window_, dc_);
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    HDC Get() const { return dc_; }
    // Another font, while the one it replaces may still be deleted afterwards.
    void Select(HFONT font) { SelectObject(dc_, font); }

 private:
    HWND window_;
    HDC dc_;
    HFONT oldFont_;
};

THScrollListbox::THScrollListbox() = default;

THScrollListbox::~THScrollListbox() = default;

HFONT THScrollListbox::CanvasFont() const {
    return canvasFont_ ? canvasFont_.Get() : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

LRESULT THScrollListbox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: return AddOrInsert(message, wParam, lParam);
    case LB_DELETESTRING: return Delete(message, wParam, lParam);
    case LB_RESETCONTENT: return ResetContent(message, wParam, lParam);
    case WM_SETFONT: return FontChanged(message, wParam, lParam);
    default: return ListBox::HandleMessage(message, wParam, lParam);
    }
}

LRESULT THScrollListbox::AddOrInsert(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = ListBox::HandleMessage(message, wParam, lParam);
    // Measured whether or not the list took the entry.
    GrowExtent(Measure(reinterpret_cast<const char*>(lParam)));
    return result;
}

LRESULT THScrollListbox::Delete(UINT message, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(wParam);
    if (index < 0 || index >= Count()) return ListBox::HandleMessage(message, wParam, lParam);
    bool widest = Measure(Text(index).c_str()) == FMaxWidth;
    LRESULT result = ListBox::HandleMessage(message, wParam, lParam);
    if (widest) RecalcExtent();
    return result;
}

LRESULT THScrollListbox::ResetContent(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = ListBox::HandleMessage(message, wParam, lParam);
    FMaxWidth = 0;
    SendExtent();
    return result;
}

LRESULT THScrollListbox::FontChanged(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = ListBox::HandleMessage(message, wParam, lParam);
    // A copy of the font, so the measuring never depends on the caller's object.
    LOGFONTA attributes{};
    HFONT source = wParam ? reinterpret_cast<HFONT>(wParam) : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    GetObjectA(source, sizeof attributes, &attributes);
    if (ui::OwnedFont copy{CreateFontIndirectA(&attributes)}) {
        if (batchDc_) batchDc_->Select(copy.Get());  // before the old copy goes
        canvasFont_ = std::move(copy);
    }
    FMaxWidth = 0;
    RecalcExtent();
    return result;
}

void THScrollListbox::GrowExtent(int width) {
    if (width <= FMaxWidth) return;
    FMaxWidth = width;
    SendExtent();
}

void THScrollListbox::RecalcExtent() {
    FMaxWidth = 0;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        int width = Measure(Text(i).c_str());
        if (width > FMaxWidth) FMaxWidth = width;
    }
    SendExtent();
}

void THScrollListbox::SendExtent() {
    // Through the control's own handling, like any other request.
    SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(FMaxWidth), 0);
}

int THScrollListbox::Measure(const char* text) {
    measured_.assign(text ? text : "");
    measured_ += ' ';
    SIZE size{};
    if (batchDc_) {
        GetTextExtentPoint32A(batchDc_->Get(), measured_.data(), static_cast<int>(measured_.size()), &size);
    } else {
        MeasuringDc dc(Handle(), CanvasFont());
        GetTextExtentPoint32A(dc.Get(), measured_.data(), static_cast<int>(measured_.size()), &size);
    }
    return size.cx;
}

// Through a batch the list keeps one device context with the canvas font in
// it: selecting a font is not free (under Wine each selection asks the X
// server about the font), and a fill measures every entry.
void THScrollListbox::UpdateStarting() {
    if (!batchDc_) batchDc_ = std::make_unique<MeasuringDc>(Handle(), CanvasFont());
}

void THScrollListbox::UpdateEnded() { batchDc_.reset(); }

}  // namespace controls
