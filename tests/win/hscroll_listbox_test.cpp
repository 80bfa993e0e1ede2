// The list box that keeps its horizontal scroll range fitted to its widest entry.
#include "controls/hscroll_listbox.h"

#include <gtest/gtest.h>

#include "tests/win/access.h"
#include "ui/font.h"

namespace {

class HScrollListboxTest : public testing::Test {
 protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 120, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        HWND hwnd = CreateWindowExA(0, "LISTBOX", "", ui::ListBox::kStyle, 0, 0, 100, 100, parent_, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        list.Attach(hwnd);
        // Counts the extent messages, whoever sends them.
        SetPropA(hwnd, "test.counter", this);
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), FALSE);
        extentMessages.clear();
    }
    void TearDown() override {
        SetWindowLongPtrA(list.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropA(list.Handle(), "test.counter");
        DestroyWindow(parent_);
    }

    static LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<HScrollListboxTest*>(GetPropA(hwnd, "test.counter"));
        if (message == LB_SETHORIZONTALEXTENT) self->extentMessages.push_back(static_cast<int>(wParam));
        return CallWindowProcA(self->previous_, hwnd, message, wParam, lParam);
    }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageA(list.Handle(), message, wParam, lParam);
    }
    LRESULT Add(const char* text) { return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
    LRESULT Insert(int index, const char* text) { return Send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)); }
    int Extent() { return static_cast<int>(Send(LB_GETHORIZONTALEXTENT, 0, 0)); }

    // The width the user sees: the text and one blank in the given font.
    int Width(const std::string& text, HFONT in) {
        HDC dc = GetDC(list.Handle());
        HGDIOBJ old = SelectObject(dc, in);
        SIZE size{};
        std::string measured = text + " ";
        GetTextExtentPoint32A(dc, measured.c_str(), static_cast<int>(measured.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(list.Handle(), dc);
        return size.cx;
    }
    int Width(const std::string& text) { return Width(text, font.Handle()); }

    ui::Font font{{"ＭＳ Ｐゴシック", -12, SHIFTJIS_CHARSET}, 96};
    controls::THScrollListbox list;
    std::vector<int> extentMessages;

 private:
    HWND parent_ = nullptr;
    WNDPROC previous_ = nullptr;
};

TEST_F(HScrollListboxTest, ResetAlwaysSendsZero) {
    Add("some entry");
    extentMessages.clear();
    list.Clear();
    list.Clear();  // also when already empty
    EXPECT_EQ(extentMessages, (std::vector<int>{0, 0}));
    EXPECT_EQ(test::Access::MaxWidth(list), 0);
    EXPECT_FALSE(GetWindowLongA(list.Handle(), GWL_STYLE) & WS_HSCROLL) << "no scroll bar for an empty list";
}

TEST_F(HScrollListboxTest, AdditionsWidenOnlyForAStrictlyWiderEntry) {
    EXPECT_EQ(Add(""), 0) << "the list's own answer comes back";
    EXPECT_EQ(extentMessages, std::vector<int>{Width("")}) << "an empty text measures one blank";
    EXPECT_GT(extentMessages[0], 0);
    {
        ui::ListBox::UpdateScope batch(list);  // measured the same while the list does not redraw
        Add("abc");
    }
    Add("ab");
    Add("cab");  // as wide as the widest
    Add("abc");
    EXPECT_EQ(extentMessages, (std::vector<int>{Width(""), Width("abc")}));
    EXPECT_EQ(Insert(0, "a script name far too long for a list one hundred pixels wide.nsh"), 0);
    EXPECT_EQ(extentMessages.back(), Width("a script name far too long for a list one hundred pixels wide.nsh"));
    EXPECT_EQ(Extent(), test::Access::MaxWidth(list));
    EXPECT_TRUE(GetWindowLongA(list.Handle(), GWL_STYLE) & WS_HSCROLL) << "the scroll bar shows";
}

TEST_F(HScrollListboxTest, DeletingTheWidestRecalculatesOthersDoNot) {
    Add("wide entry");
    Add("wide entry");
    Add("x");
    extentMessages.clear();
    const int wide = Width("wide entry");

    EXPECT_EQ(Send(LB_DELETESTRING, 2, 0), 2) << "entries left";
    EXPECT_TRUE(extentMessages.empty()) << "a narrower entry changes nothing";
    Send(LB_DELETESTRING, 0, 0);
    EXPECT_EQ(extentMessages, std::vector<int>{wide}) << "recalculated, same value sent again";
    EXPECT_EQ(Send(LB_DELETESTRING, 5, 0), LB_ERR);
    EXPECT_EQ(extentMessages.size(), 1u) << "no entry at that index: nothing measured or sent";
    Send(LB_DELETESTRING, 0, 0);
    EXPECT_EQ(extentMessages.back(), 0);
    EXPECT_EQ(Extent(), 0);
}

TEST_F(HScrollListboxTest, FontChangeRemeasuresEveryEntry) {
    // 会議室 (2F).nsh: double-byte text is measured as the font renders it.
    const std::string japanese = "\x89\xEF\x8B\x63\x8E\xBA (2F).nsh";
    Add(japanese.c_str());
    Add("short");
    EXPECT_EQ(test::Access::MaxWidth(list), Width(japanese));

    ui::Font larger{{"ＭＳ Ｐゴシック", -24, SHIFTJIS_CHARSET}, 96};
    extentMessages.clear();
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(larger.Handle()), FALSE);
    EXPECT_EQ(extentMessages, std::vector<int>{Width(japanese, larger.Handle())});
    EXPECT_GT(test::Access::MaxWidth(list), Width(japanese));

    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), FALSE);  // and it shrinks back
    EXPECT_EQ(test::Access::MaxWidth(list), Width(japanese));

    list.Clear();
    extentMessages.clear();
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(larger.Handle()), FALSE);
    EXPECT_EQ(extentMessages, std::vector<int>{0});
}

}  // namespace
