// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's 0x00RRGGBB pixels as the R, G, B, A bytes a web canvas takes.
#include <cstdint>
#include <vector>

#include "platform/rect.h"
#include "platform/surface.h"

// Converts `area` of `frame` into `rgba`, an image of the frame's size
// (resized to it when it is not), leaving the rest of `rgba` as it was.
void ConvertToRgba(const Surface32& frame, const CRect& area, std::vector<std::uint8_t>& rgba);
