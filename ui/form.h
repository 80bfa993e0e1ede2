// A top-level window of the program: bounds with size limits, the one key
// step every window takes, the close request and modal showing. Subclasses
// add controls and handlers. form.cpp holds the making, showing, closing and
// keys; form_placement.cpp the bounds, the centring and the densities;
// form_commands.cpp the commands of the system menu and the shortcut keys.
//
// Densities: the layouts are given at 96 dpi. A form knows the density it is
// drawn at (Dpi()) and scales the figures it is given for its own size and
// limits; its subclasses scale their controls' figures with Scale(). The form
// owns its fonts and makes them at its own density, never the system's. When
// the window moves to a monitor of another density, the form, with redraw
// off, makes its fonts again, calls DpiChanged(), where images and metrics
// follow, takes the rectangle Windows suggests (or, when the program itself
// placed it there, the bounds it set), and lays out once.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <memory>
#include <optional>
#include <span>

#include "core/geometry.h"
#include "ui/font.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace ui {

using core::Bounds;

class Form : public Window {
 public:
    ~Form() override;

    // How the form's window is made; given to CreateForm.
    struct Style {
        const char* caption = "";
        Bounds bounds{};  // at 96 dpi
        DWORD style = 0;
        DWORD exStyle = 0;
        FontSpec font{};  // made at the form's density, given to every control it creates
        HWND owner = nullptr;
        // A dialog: its window and controls are made at its first showing
        // (start-up makes only the windows the user sees), which centres it;
        // later showings keep it where it was left.
        bool dialog = false;
        // Forms of one class share its icons.
        const char* className = "KelvaroForm";
        HICON icon = nullptr;
        HICON smallIcon = nullptr;
    };

    // A command of the form beyond its controls' own: an entry of its system
    // menu and, where it has one, a shortcut key. Both run CommandChosen(id).
    struct ShortcutKey {
        BYTE modifiers = 0;  // FCONTROL, FSHIFT, FALT
        WORD key = 0;        // a virtual key; 0 for none
    };
    struct Command {
        int id;
        const char* label;
        char accessKey;  // shown after the label, as Japanese menus do: "(&O)"
        ShortcutKey shortcut;
    };

    // Makes the window now if the form is a dialog not yet shown.
    void EnsureWindow();

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

    // A key message for a window of the form, before it is translated and
    // dispatched: the one step where forms see keys (key preview), as the
    // characters they make. True when it was used, and then no control sees it.
    bool PreviewKey(const MSG& msg);
    // A key message for a window of the form: true when it was one of the
    // form's shortcut keys, whose command has then run.
    bool TranslateShortcut(MSG& msg);

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
    // scaled to the form's density, at every density.
    void SetClientSize(int width, int height);

    int Dpi() const { return dpi_; }
    // A layout figure at the form's density.
    int Scale(int value) const { return core::ScaleToDpi(value, dpi_); }
    Bounds Scale(const Bounds& bounds) const { return core::ScaleToDpi(bounds, dpi_); }

 protected:
    Form() = default;

    // Creates the window (hidden), then the controls, then runs FormCreate;
    // a dialog's only at its first showing.
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
    // A control's WM_COMMAND notification.
    virtual void ControlCommand(int /*id*/, int /*code*/) {}
    // Lists the commands in the system menu, under a separator, and makes
    // their shortcut keys; ids below 0xF00.
    void AddCommands(std::span<const Command> commands);
    // A check mark at the command's entry.
    void SetCommandChecked(int id, bool checked);
    // A command of AddCommands, chosen in the menu or by its key.
    virtual void CommandChosen(int /*id*/) {}
    // A character typed in `target`, a window of the form, before that window
    // sees it; setting `key` to 0 consumes it. The default closes the form on
    // Esc (FormKeyPress); overrides pass on what they do not use.
    virtual void KeyPress(HWND target, char& key);
    // Files dropped on a form whose style accepts them; the drop is the
    // caller's to release.
    virtual void FilesDropped(HDROP /*drop*/) {}
    // Windows ends the session (sign-out, shut-down), and the process with it.
    virtual void SessionEnding() {}
    virtual void ClientResized(int /*width*/, int /*height*/) {}
    // ClientResized with the client area's size now.
    void LayOutClient();
    // The window is now at Dpi() and its fonts too; its controls may not be
    // made yet (ControlsCreated()). The form lays out afterwards.
    virtual void DpiChanged() {}
    // The least width of the client area, in pixels at `dpi`; the window is
    // never narrower than that inside its frame.
    virtual int LeastClientWidth(int /*dpi*/) const { return 0; }
    bool ControlsCreated() const { return controlsCreated_; }
    // The system's colours or its high-contrast setting changed; the controls
    // have been told. What the form drew from them is made again here.
    virtual void ColorsChanged() {}
    // Colours of a static or check box control; null for the standard ones.
    virtual HBRUSH ControlColor(HWND /*control*/, HDC /*dc*/) { return nullptr; }

    // Places a control, given in pixels at 96 dpi, at the form's density.
    void Place(HWND control, const Bounds& bounds) const;

    // Ends a modal run with this result.
    void EndModal(int result) { modalResult_ = result; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    static void RegisterFormClass(const Style& style);
    void CreateWindowNow(const Style& style);
    void EnsureControls();
    void RememberFocus();
    void RestoreFocus();
    // A character typed in the form: Esc (27) closes it and is consumed (set to 0).
    void FormKeyPress(char& key);
    // The least outer size at `dpi`: the one given, or more where the client
    // area needs it inside the frame.
    SIZE LeastSize(int dpi) const;
    // The outer size around a client area of this size in pixels at `dpi`.
    SIZE OuterSize(int clientWidth, int clientHeight, int dpi) const;
    void ApplyMinSize(MINMAXINFO& info) const;
    void ApplyBounds(Bounds bounds, UINT flags = 0);
    void PlaceForFirstShow();
    // Centred on the monitor of `window`, or on the primary one for none.
    void CenterOnMonitorOf(HWND window);
    // Every font again at Dpi(), given to each window that drew with the old one.
    void RescaleFonts();
    // The one way the form takes a density, where the window is or is about
    // to be: fonts and metrics, then `rect` (its own bounds for none) with
    // the frame of that density, then one layout, with redraw off meanwhile.
    void ChangeDpi(int dpi, std::optional<Bounds> rect);
    void AdoptFontsAndMetrics(int dpi);
    void MovedToDpi(int dpi, const RECT& suggested);
    // The outer size at `dpi` of a form whose client area SetClientSize
    // fixed; none for a form whose client area follows the window.
    std::optional<SIZE> FixedOuterSize(int dpi) const;
    // Answers WM_GETDPISCALEDSIZE for `size` at Dpi(): true when it has set
    // another size than Windows' scaling of the whole window would give.
    bool ScaledSize(int dpi, SIZE& size) const;
    // A WM_SYSCOMMAND of an entry AddCommands made: its command runs.
    bool SystemCommand(WPARAM command);
    void SystemColorsChanged();

    std::unique_ptr<Style> deferred_;  // how to make a dialog's window, until its first showing
    std::deque<Font> fonts_;  // the form's own first; addresses stay as fonts are added
    Accelerators shortcuts_;
    HWND lastFocus_ = nullptr;
    bool dialog_ = false;
    bool controlsCreated_ = false;
    bool shown_ = false;
    bool modal_ = false;
    bool changingDpi_ = false;
    std::optional<Bounds> placing_;  // the bounds SetBounds is setting
    std::optional<core::Point> fixedClient_;  // the client size SetClientSize set, at 96 dpi
    int modalResult_ = 0;
    int minWidth_ = 0;   // at 96 dpi
    int minHeight_ = 0;
    int dpi_ = core::kDesignDpi;
};

}  // namespace ui
