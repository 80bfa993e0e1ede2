// Window layouts, in pixels at 96 dots per inch.
#pragma once

#include <windows.h>

#include "ui/form.h"

namespace layout {

namespace main_form {
inline constexpr ui::Bounds kDesignBounds{191, 101, 180, 120};  // replaced by the stored bounds
inline constexpr int kMinWidth = 180;
inline constexpr int kMinHeight = 100;
inline constexpr int kFontHeight = -12;
inline constexpr int kToolBarHeight = 29;
inline constexpr int kButtonWidth = 23;
inline constexpr int kButtonHeight = 22;
inline constexpr int kSeparatorWidth = 8;
inline constexpr int kListItemHeight = 12;
inline constexpr int kTipDelayMs = 500;
inline constexpr int kTipShownMs = 2500;
}  // namespace main_form

// Left, top, right and bottom of a control from its left, top, width and height.
constexpr RECT At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

namespace settings {
inline constexpr ui::Bounds kDesignBounds{321, 148, 369, 235};  // replaced when first centred
inline constexpr int kClientWidth = 363;
inline constexpr int kClientHeight = 206;
inline constexpr RECT kSetButton = At(88, 168, 75, 25);
inline constexpr RECT kCancelButton = At(200, 168, 75, 25);
inline constexpr RECT kPanel = At(0, 0, 363, 153);
// In the panel, whose top-left corner is the client's.
inline constexpr RECT kFolderEdit = At(77, 10, 257, 20);
inline constexpr int kLabelSpacing = 3;  // between the edit's label and the edit
inline constexpr RECT kBrowseButton = At(333, 10, 25, 20);  // overlaps the edit by one column
inline constexpr RECT kPromptCheck = At(24, 42, 249, 17);
inline constexpr RECT kCloseCheck = At(24, 69, 257, 17);
inline constexpr RECT kOtherExtCheck = At(24, 96, 257, 17);
inline constexpr RECT kTopCheck = At(24, 124, 257, 17);
}  // namespace settings

namespace about {
inline constexpr ui::Bounds kDesignBounds{200, 200, 191, 177};  // replaced when first centred
inline constexpr int kClientWidth = 185;
inline constexpr int kClientHeight = 148;
inline constexpr RECT kPanel = At(8, 8, 169, 89);
inline constexpr RECT kOkButton = At(56, 114, 75, 25);
// In the panel; labels size themselves to their text.
inline constexpr POINT kImage{13, 16};
inline constexpr POINT kProductName{56, 16};
inline constexpr POINT kVersion{112, 16};
inline constexpr POINT kCopyright{56, 36};
inline constexpr POINT kSiteLink{53, 64};
}  // namespace about

}  // namespace layout
