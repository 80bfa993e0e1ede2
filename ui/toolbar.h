// A thin tool bar over comctl32's "ToolbarWindow32": raised (not flat) image
// buttons with tooltips whose hint text is asked for at every showing.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace ui {

class ToolBar {
 public:
    // A bar that the parent places itself, with an etched line along its top.
    void Create(HWND parent, int id, HIMAGELIST images, SIZE buttonSize);
    // New images, button size and separator width, for another density; the
    // buttons keep their images, states and hints.
    void SetMetrics(HIMAGELIST images, SIZE buttonSize, int separatorWidth);
    HWND Handle() const { return handle_; }
    // The tooltip window, once made (null before).
    HWND Tooltips() const;
    // Makes the tooltip window if it is not there yet: to be called when the
    // pointer comes over the bar, before the bar sees the move.
    void ShowTipsFromNowOn();

    void AddButton(int command, int image);
    void AddSeparator(int width);

    int Image(int command) const;
    void SetImage(int command, int image);
    void SetPressed(int command, bool pressed);

    // The hint the button's tooltip shows from its next appearance on.
    void SetHint(int command, std::string hint);
    // The tooltip's delays, given to it when it is made (before ShowTipsFromNowOn).
    void SetTipDelays(int initialMs, int shownMs);

    // Answers the tooltip's request for a hint; false for other notifications.
    bool HandleNotify(NMHDR& header);

 private:
    struct ButtonHint {
        int command;
        std::string text;
    };
    ButtonHint& FindHint(int command);

    HWND handle_ = nullptr;
    std::vector<ButtonHint> hints_;
    std::wstring wideHint_;  // lives until the tooltip has copied it
    int tipInitialMs_ = 0;
    int tipShownMs_ = 0;
};

}  // namespace ui
