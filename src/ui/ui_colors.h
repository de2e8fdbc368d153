// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chrome's colours: the classic grey 3-D scheme (0x00RRGGBB pixels).
#include <cstdint>

#include "platform/surface.h"

namespace ui_color {
inline constexpr std::uint32_t kFace = ToPixel(192, 192, 192);
inline constexpr std::uint32_t kHighlight = ToPixel(255, 255, 255);
inline constexpr std::uint32_t kShadow = ToPixel(128, 128, 128);
inline constexpr std::uint32_t kDarkShadow = ToPixel(0, 0, 0);
inline constexpr std::uint32_t kText = ToPixel(0, 0, 0);
inline constexpr std::uint32_t kWindow = ToPixel(255, 255, 255);  // edit and list backgrounds
inline constexpr std::uint32_t kSelection = ToPixel(0, 0, 128);   // highlighted menu items, selected text
inline constexpr std::uint32_t kSelectionText = ToPixel(255, 255, 255);
inline constexpr std::uint32_t kCaption = ToPixel(0, 0, 128);
inline constexpr std::uint32_t kCaptionText = ToPixel(255, 255, 255);
inline constexpr std::uint32_t kGrayText = ToPixel(128, 128, 128);
inline constexpr std::uint32_t kTipBack = ToPixel(255, 255, 225);
}  // namespace ui_color
