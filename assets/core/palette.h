// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The master palette every picture carries: the 20 static colours at 0-9 and
// 246-255 and 236 art colours at 10-245, laid out as ramps from dark to light.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/color.h"

namespace art {

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

enum class Ramp {
  Grey, Stone, Steel, BoardBlack, BoardCream, BoardRed, BoardGreen, Wood, Maple, Cork,
  Felt, Grass, Skin, Sky, Navy, Ice, Gold, Orange, Purple, Teal, Pink, Brick, Chalk, Night,
  Count
};

struct RampInfo {
  std::string_view name;
  int first;  // palette index of the darkest entry
  int count;
};

// Sprite cels use this index for their transparent key; no art pixel does.
inline constexpr int kKeyIndex = 253;  // static magenta (255, 0, 255)
inline constexpr int kFirstArtIndex = 10;
inline constexpr int kLastArtIndex = 245;

const std::array<Rgb8, 256>& MasterPalette();
RampInfo GetRamp(Ramp ramp);
// The colour of a ramp at t (0 dark .. 1 light), snapped to a palette entry.
Rgb RampColor(Ramp ramp, float t);

}  // namespace art
