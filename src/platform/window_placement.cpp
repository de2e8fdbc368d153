// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_placement.h"

#include <algorithm>

std::optional<WindowPlacement> SanePlacement(const WindowPlacement& stored, SIZE minimum, SIZE screen) {
  const bool sized = stored.width > 0 && stored.height > 0;
  if (!sized && !stored.maximized) return std::nullopt;
  WindowPlacement safe;
  safe.maximized = stored.maximized;
  if (sized) {
    // A screen smaller than the picture still gets a window of the picture's size.
    safe.width = std::clamp(stored.width, minimum.cx, std::max(minimum.cx, screen.cx));
    safe.height = std::clamp(stored.height, minimum.cy, std::max(minimum.cy, screen.cy));
  }
  return safe;
}
