// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window's measurements, shared by its own files; not for callers.
#include <cstdint>

#include "platform/rect.h"
#include "platform/surface.h"

namespace help_metrics {

inline constexpr SIZE kClient{520, 378};
inline constexpr int kMargin = 8;
inline constexpr int kScrollBarWidth = 16;
inline constexpr int kTextMargin = 10;
inline constexpr int kBulletIndent = 16;
inline constexpr int kLineGap = 2;
inline constexpr int kButtonWidth = 75;
inline constexpr int kButtonHeight = 23;
inline constexpr int kWheelLines = 3;
inline constexpr std::uint32_t kHeadingColor = ToPixel(0, 0, 128);

}  // namespace help_metrics
