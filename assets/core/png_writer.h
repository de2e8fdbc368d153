// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG with straight alpha: the desktop's icon format.
#include <cstdint>
#include <vector>

#include "core/canvas.h"

namespace art {

// 8-bit RGBA, one IDAT, no filtering; empty when the canvas is empty.
std::vector<std::uint8_t> EncodePngRgba(const Canvas& image);

}  // namespace art
