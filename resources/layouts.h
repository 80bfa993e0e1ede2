// Window layouts, in pixels at 96 dots per inch.
#pragma once

#include "core/font_spec.h"
#include "core/geometry.h"
#include "resources/texts.h"

namespace layout {

using core::Bounds;
using core::Point;

// Every window's font: 12 pixels high, Shift-JIS (128); the link's is underlined.
inline constexpr core::FontSpec kFont{text::kFontFace, -12, 128};
inline constexpr core::FontSpec kLinkFont{text::kFontFace, -12, 128, true};

namespace main_form {
inline constexpr Bounds kDesignBounds{191, 101, 180, 120};  // replaced by the stored bounds
inline constexpr int kMinWidth = 180;
inline constexpr int kMinHeight = 100;
inline constexpr int kToolBarHeight = 29;
inline constexpr int kButtonWidth = 23;
inline constexpr int kButtonHeight = 22;
inline constexpr int kSeparatorWidth = 8;
inline constexpr int kListItemHeight = 12;
inline constexpr int kTipDelayMs = 500;
inline constexpr int kTipShownMs = 2500;
}  // namespace main_form

namespace settings {
inline constexpr Bounds kDesignBounds{321, 148, 369, 235};  // replaced when first centred
inline constexpr int kClientWidth = 363;
inline constexpr int kClientHeight = 206;
inline constexpr Bounds kSetButton{88, 168, 75, 25};
inline constexpr Bounds kCancelButton{200, 168, 75, 25};
inline constexpr Bounds kPanel{0, 0, 363, 153};
// In the panel, whose top-left corner is the client's.
inline constexpr Bounds kFolderEdit{77, 10, 257, 20};
inline constexpr int kLabelSpacing = 3;  // between the edit's label and the edit
inline constexpr Bounds kBrowseButton{333, 10, 25, 20};  // overlaps the edit by one column
inline constexpr Bounds kPromptCheck{24, 42, 249, 17};
inline constexpr Bounds kCloseCheck{24, 69, 257, 17};
inline constexpr Bounds kOtherExtCheck{24, 96, 257, 17};
inline constexpr Bounds kTopCheck{24, 124, 257, 17};
}  // namespace settings

namespace about {
inline constexpr Bounds kDesignBounds{200, 200, 191, 177};  // replaced when first centred
inline constexpr int kClientWidth = 185;
inline constexpr int kClientHeight = 148;
inline constexpr Bounds kPanel{8, 8, 169, 89};
inline constexpr Bounds kOkButton{56, 114, 75, 25};
// In the panel; labels size themselves to their text.
inline constexpr Bounds kImage{13, 16, 32, 32};
inline constexpr Point kProductName{56, 16};
inline constexpr Point kVersion{112, 16};
inline constexpr Point kCopyright{56, 36};
inline constexpr Point kSiteLink{53, 64};
}  // namespace about

}  // namespace layout
