// A top-level window of the program: bounds with size limits, key preview,
// the close request and modal showing. Subclasses add controls and handlers.
//
// Densities: the layouts are given at 96 dpi. A form knows the density it is
// drawn at (Dpi()) and scales the figures it is given for its own size and
// limits; its subclasses scale their controls' figures with Scale(). The form
// owns its fonts and makes them at its own density, never the system's. When
// the window moves to a monitor of another density, the form takes the size
// that Windows suggests (unless the program itself placed it there), makes
// its fonts again and calls DpiChanged(), where images and controls follow.
#pragma once

#include <windows.h>

#include <deque>
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
        FontSpec font;  // made at the form's density, given to every control it creates
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
    // FormClose is shown in the error box and the close goes on: a user must
    // never be kept in a window (a settings file that cannot be written).
    void Close();

    Bounds GetBounds() const;
    // The bounds the window has, or will have once restored when it is
    // minimised or maximised, in screen coordinates.
    Bounds RestoredBounds() const;
    // Minimised or maximised: its bounds on the screen are not its own.
    bool Placed() const { return IsIconic(Handle()) || IsZoomed(Handle()); }
    // Sets the outer bounds, in screen pixels; the size limits apply first.
    // A change of density that this move brings keeps the bounds as set.
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
    // The form's font, at the form's density.
    HFONT FontHandle() const { return fonts_.empty() ? nullptr : fonts_.front().Handle(); }
    // Another font of the form, made at its density now and at every change.
    HFONT AddFont(const FontSpec& spec);
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
    // The window is now at Dpi() and its fonts too; its controls may not be
    // made yet (ControlsCreated()).
    virtual void DpiChanged() {}
    bool ControlsCreated() const { return controlsCreated_; }
    // Colours of a static or check box control; null for the standard ones.
    virtual HBRUSH ControlColor(HWND /*control*/, HDC /*dc*/) { return nullptr; }

    // Places a control, given in pixels at 96 dpi, at the form's density.
    void Place(HWND control, const Bounds& bounds) const;

    // Ends a modal run with this result.
    void EndModal(int result) { modalResult_ = result; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    static void RegisterFormClass(const Style& style);
    void ApplyMinSize(MINMAXINFO& info) const;
    void ApplyBounds(Bounds bounds);
    void RememberFocus();
    void RestoreFocus();
    void PlaceForFirstShow();
    void CenterOnMonitorOf(HWND window);
    // Every font again at Dpi(), given to each window that drew with the old one.
    void RescaleFonts();
    // Fonts, images and layout at `dpi`, where the window is or is about to be.
    void AdoptDpi(int dpi);
    void EnsureControls();
    void CreateWindowNow(const Style& style);
    void MovedToDpi(int dpi, const RECT& suggested);

    std::unique_ptr<Style> deferred_;  // how to make the window, while it is put off
    std::deque<Font> fonts_;  // the form's own first; addresses stay as fonts are added
    HWND lastFocus_ = nullptr;
    HWND defaultButton_ = nullptr;
    bool centerOnFirstShow_ = false;
    bool controlsCreated_ = false;
    bool keyPreview_ = false;
    bool shown_ = false;
    bool centering_ = false;      // placing the first showing
    bool modal_ = false;
    int modalResult_ = 0;
    int minWidth_ = 0;   // at 96 dpi
    int minHeight_ = 0;
    int dpi_ = core::kDesignDpi;
};

}  // namespace ui
