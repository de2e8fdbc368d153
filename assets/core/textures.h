// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Material shaders: each returns the colour of the material at a point.
#include <cstdint>

#include "core/color.h"
#include "core/palette.h"

namespace art {

// Planks of wood whose grain runs along x (`alongX`) or y.
Rgb WoodGrain(float x, float y, std::uint32_t seed, bool alongX = true, Ramp ramp = Ramp::Wood,
              float darkT = 0.3f, float lightT = 0.7f);
// Fine cloth: a base colour with a faint fibre texture.
Rgb Felt(float x, float y, std::uint32_t seed, Rgb base, float strength = 0.06f);
// Speckled cork board.
Rgb Cork(float x, float y, std::uint32_t seed);
// Brushed metal along x.
Rgb BrushedMetal(float x, float y, std::uint32_t seed, Rgb base);

}  // namespace art
