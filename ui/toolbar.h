// A thin tool bar over comctl32's "ToolbarWindow32": raised (not flat) image
// buttons whose hints are the bar's own. Its tooltip is there from the start
// with one tool per button, so that a screen reader can name each image-only
// button before any hover; it shows also while another program is active
// (a pinned window is used over other programs); the bar keeps the tools'
// rectangles when it wraps or changes density, and answers the tooltip's
// request for a hint itself, at every showing. The hints are drawn in the
// bar's font: the tooltip, a popup, is no child that its window's fonts reach.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/window.h"

namespace ui {

class ToolBar : public Window {
 public:
    struct Tips {
        int initialMs;  // the pointer rests this long before a hint shows
        int shownMs;    // and the hint hides after this long
    };
    // A bar that the parent places itself, with an etched line along its top,
    // its hints in `font`; its window text, never shown, is its name for
    // accessibility clients.
    void Create(HWND parent, int id, const char* name, HIMAGELIST images, SIZE buttonSize, Tips tips, HFONT font);
    // New images, button size and separator width, for another density; the
    // buttons keep their images, states and hints.
    void SetMetrics(HIMAGELIST images, SIZE buttonSize, int separatorWidth);
    HWND Tooltips() const;

    void AddButton(int command, int image, std::string hint);
    void AddSeparator(int width);

    int Image(int command) const;
    void SetImage(int command, int image);
    void SetPressed(int command, bool pressed);
    // The hint the button's tooltip shows from its next appearance on.
    void SetHint(int command, std::string hint);

 protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    struct ButtonHint {
        int command;
        std::string text;
    };
    ButtonHint* FindHint(UINT_PTR command);
    // Answers the tooltip's request for a hint; false for other notifications.
    bool AnswerHint(NMHDR& header);

    std::vector<ButtonHint> hints_;
    std::wstring wideHint_;  // lives until the tooltip has copied it
};

}  // namespace ui
