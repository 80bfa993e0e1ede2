// Window layouts, in pixels at 96 dots per inch.
#pragma once

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

namespace settings {
inline constexpr ui::Bounds kDesignBounds{321, 148, 369, 235};
inline constexpr int kClientWidth = 363;
inline constexpr int kClientHeight = 206;
}  // namespace settings

namespace about {
inline constexpr ui::Bounds kDesignBounds{200, 200, 191, 177};
inline constexpr int kClientWidth = 185;
inline constexpr int kClientHeight = 148;
}  // namespace about

}  // namespace layout
