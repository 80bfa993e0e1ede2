// A top-level window of the program: bounds with size limits, key preview,
// the close request and modal showing. Subclasses add controls and handlers.
//
// Densities: the layouts are given at 96 dpi. A form knows the density it is
// drawn at (Dpi()) and scales the figures it is given for its own size and
// limits; its subclasses scale their controls' figures with Scale(). When the
// window moves to a monitor of another density, the form takes the size that
// Windows suggests and calls DpiChanged(), where fonts, images and controls
// are made again at the new density.
#pragma once

#include <windows.h>

#include <memory>

#include "core/geometry.h"
#include "ui/font.h"
#include "ui/window.h"

namespace ui {

using core::Bounds;

class Form : public Window {
 public:
    ~Form() override;

    // Makes the window now if its making was put off (windowAtFirstUse).
    void EnsureWindow();

    // How the form's window is made; given to CreateForm.
    struct Style {
        const char* caption;
        Bounds bounds;  // at 96 dpi
        DWORD style;
        DWORD exStyle;
        HFONT font;  // given to every control the form creates
        bool keyPreview;
        HWND owner = nullptr;
        bool centerOnFirstShow = false;  // later showings keep where it was left
        // Controls made at the first showing, not at creation: a form that
        // may never be shown costs start-up nothing but its window.
        bool controlsAtFirstShow = false;
        // Not even the window until the form is first shown (or a form made
        // after it is): start-up makes only the windows the user sees.
        bool windowAtFirstUse = false;
        // Forms of one class share its icons.
        const char* className = "KelvaroForm";
        HICON icon = nullptr;
        HICON smallIcon = nullptr;
    };

    void Show();
    void Hide();
    bool Visible() const { return IsWindowVisible(Handle()) != FALSE; }

    // Shows the form modally: every other window of the program is disabled
    // until a close request ends the run. Returns the modal result.
    int ShowModal();

    // The close request: runs FormClose each time; then the main form ends the
    // program, a modal form ends its run, any other form hides. A failure in
    // FormClose stops the close.
    void Close();

    Bounds GetBounds() const;
    // The bounds the window has, or will have once restored when it is
    // minimised or maximised, in screen coordinates.
    Bounds RestoredBounds() const;
    bool Minimized() const { return IsIconic(Handle()) != FALSE; }
    // Sets the outer bounds, in screen pixels; the size limits apply first.
    void SetBounds(Bounds bounds);
    // The least outer size, at 96 dpi: scaled to the form's density.
    void SetMinSize(int width, int height);
    // Sets the outer size so that the client area gets this size at 96 dpi,
    // scaled to the form's density.
    void SetClientSize(int width, int height);

    int Dpi() const { return dpi_; }
    // A layout figure at the form's density.
    int Scale(int value) const { return core::ScaleToDpi(value, dpi_); }
    Bounds Scale(const Bounds& bounds) const { return core::ScaleToDpi(bounds, dpi_); }

    bool KeyPreview() const { return keyPreview_; }
    // Tab and Shift+Tab move through the tab order; Enter presses the focused
    // push button, or else the default button. True when the key was used.
    bool HandleDialogKey(const MSG& msg);
    void SetDefaultButton(HWND button) { defaultButton_ = button; }
    // The form's look at a typed character; set it to 0 to consume it.
    void PreviewKeyPress(char& key) { FormKeyPress(key); }

 protected:
    Form() = default;

    // Creates the window (hidden), then the controls, then runs FormCreate.
    void CreateForm(const Style& style);
    // Creates a standard control of the form with the form's font.
    HWND CreateControl(const char* className, const char* text, DWORD style, DWORD exStyle, const Bounds& bounds,
                       int id, HWND parent = nullptr);

    virtual void CreateControls() {}
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormClose() {}
    virtual void FormKeyPress(char& /*key*/) {}
    // A control's WM_COMMAND notification.
    virtual void ControlCommand(int /*id*/, int /*code*/) {}
    // A control's WM_NOTIFY; `handled` stays false to get the default handling.
    virtual LRESULT ControlNotify(NMHDR& /*header*/, bool& /*handled*/) { return 0; }
    virtual void ClientResized(int /*width*/, int /*height*/) {}
    // The window is now at Dpi(), with the size Windows suggested; its
    // controls may not be made yet (ControlsCreated()).
    virtual void DpiChanged() {}
    bool ControlsCreated() const { return controlsCreated_; }
    // Colours of a static or check box control; null for the standard ones.
    virtual HBRUSH ControlColor(HWND /*control*/, HDC /*dc*/) { return nullptr; }

    // Places a control, given in pixels at 96 dpi, at the form's density.
    void Place(HWND control, const Bounds& bounds) const;
    // Makes `font` again at the form's density and gives it to the form and
    // each window in it that drew with the old one.
    void RescaleFont(Font& font);

    // Ends a modal run with this result.
    void EndModal(int result) { modalResult_ = result; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    static void RegisterFormClass(const Style& style);
    void ApplyMinSize(MINMAXINFO& info) const;
    void RememberFocus();
    void RestoreFocus();
    void CenterOnActiveMonitor();
    void EnsureControls();
    void CreateWindowNow(const Style& style);
    void MovedToDpi(int dpi, const RECT& suggested);

    std::unique_ptr<Style> deferred_;  // how to make the window, while it is put off
    HFONT font_ = nullptr;
    HWND lastFocus_ = nullptr;
    HWND defaultButton_ = nullptr;
    bool centerOnFirstShow_ = false;
    bool controlsCreated_ = false;
    bool keyPreview_ = false;
    bool shown_ = false;
    bool modal_ = false;
    int modalResult_ = 0;
    int minWidth_ = 0;   // at 96 dpi
    int minHeight_ = 0;
    int dpi_ = core::kDesignDpi;
};

}  // namespace ui
