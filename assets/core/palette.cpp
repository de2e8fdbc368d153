// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr std::uint32_t kEnd = 0xFFFFFFFFu;

struct RampDef {
  Ramp id;
  std::string_view name;
  int count;
  std::array<std::uint32_t, 5> stops;  // dark to light, evenly spaced; kEnd ends a short list
};

// 236 entries in all; the order fixes the index ranges reported to artists.
constexpr RampDef kRamps[] = {
    {Ramp::Grey, "grey", 24, {0x0C0C0E, 0x606062, 0xB4B4B6, 0xF4F4F2, kEnd}},
    {Ramp::Stone, "warm stone", 8, {0x2A241E, 0x7A6E60, 0xD8CCB8, kEnd, kEnd}},
    {Ramp::Steel, "steel", 8, {0x1E2630, 0x6C7A8A, 0xE6EEF6, kEnd, kEnd}},
    {Ramp::BoardBlack, "board black", 6, {0x0A0A09, 0x1E1D1A, 0x45433E, kEnd, kEnd}},
    {Ramp::BoardCream, "board cream", 8, {0x6E5E42, 0xC9B68C, 0xF8EDCF, kEnd, kEnd}},
    {Ramp::BoardRed, "board red", 10, {0x3A0406, 0xA4161A, 0xE84A3C, 0xFFB0A0, kEnd}},
    {Ramp::BoardGreen, "board green", 8, {0x032612, 0x0A7A3A, 0x5CC884, kEnd, kEnd}},
    {Ramp::Wood, "wood", 22, {0x1C0C04, 0x5A2E12, 0x9A5A26, 0xD8A060, 0xF4D4A0}},
    {Ramp::Maple, "maple", 12, {0x7A4E22, 0xC89450, 0xEACB90, 0xFAEBCC, kEnd}},
    {Ramp::Cork, "cork", 8, {0x4E3218, 0x9C7244, 0xD6B080, kEnd, kEnd}},
    {Ramp::Felt, "felt", 14, {0x022818, 0x0A6A40, 0x2AA86A, 0x7AD8A4, kEnd}},
    {Ramp::Grass, "grass", 10, {0x1A3A0C, 0x4C8A22, 0x9CCC50, 0xD4EE9A, kEnd}},
    {Ramp::Skin, "skin", 10, {0x4A2414, 0x9A5E3A, 0xE0A27A, 0xFCDCC4, kEnd}},
    {Ramp::Sky, "sky", 12, {0x1E3C78, 0x4A86C8, 0x9CC8EE, 0xE4F2FE, kEnd}},
    {Ramp::Navy, "navy", 10, {0x04081E, 0x142C6E, 0x3050C0, 0x7C9CF0, kEnd}},
    {Ramp::Ice, "ice", 6, {0xA6BED2, 0xD4E4F0, 0xF8FCFE, kEnd, kEnd}},
    {Ramp::Gold, "gold", 12, {0x3A2400, 0x8A5E08, 0xE0B030, 0xFFF0A8, kEnd}},
    {Ramp::Orange, "orange", 10, {0x3A1200, 0xA04410, 0xF08A2C, 0xFFD0A0, kEnd}},
    {Ramp::Purple, "purple", 6, {0x1E0A2C, 0x6A3094, 0xC49AE2, kEnd, kEnd}},
    {Ramp::Teal, "teal", 6, {0x04282C, 0x1A8A90, 0x90E0E0, kEnd, kEnd}},
    {Ramp::Pink, "pink", 6, {0x4A0C2A, 0xC04A80, 0xF8B8D4, kEnd, kEnd}},
    {Ramp::Brick, "brick", 8, {0x2A0C08, 0x7A2A1C, 0xC0604A, 0xE8A890, kEnd}},
    {Ramp::Chalk, "chalk", 6, {0x0E1A16, 0x2A3E36, 0x5E7A6E, kEnd, kEnd}},
    {Ramp::Night, "night", 6, {0x06060E, 0x1A1830, 0x3C3A5E, kEnd, kEnd}},
};

constexpr std::uint32_t kStatic[20] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0,
    0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

Rgb StopColor(const RampDef& def, float t) {
  std::vector<std::uint32_t> stops;
  for (std::uint32_t s : def.stops) if (s != kEnd) stops.push_back(s);
  const float pos = t * static_cast<float>(stops.size() - 1);
  const int i = std::min(static_cast<int>(pos), static_cast<int>(stops.size()) - 2);
  return Mix(Hex(stops[i]), Hex(stops[i + 1]), pos - static_cast<float>(i));
}

Rgb8 ToRgb8(Rgb c) {
  c = Clamp(c);
  return {static_cast<std::uint8_t>(std::lround(c.r)), static_cast<std::uint8_t>(std::lround(c.g)),
          static_cast<std::uint8_t>(std::lround(c.b))};
}

std::array<Rgb8, 256> BuildPalette() {
  std::array<Rgb8, 256> pal{};
  for (int i = 0; i < 10; ++i) pal[i] = ToRgb8(Hex(kStatic[i]));
  for (int i = 0; i < 10; ++i) pal[246 + i] = ToRgb8(Hex(kStatic[10 + i]));
  int next = kFirstArtIndex;
  for (const RampDef& def : kRamps) {
    for (int k = 0; k < def.count; ++k) {
      const float t = def.count == 1 ? 0.5f : static_cast<float>(k) / static_cast<float>(def.count - 1);
      Rgb8 c = ToRgb8(StopColor(def, t));
      // Art colours stay distinct from each other and from the static colours,
      // so that realising a palette maps them one to one.
      auto taken = [&](const Rgb8& x) {
        for (int j = 0; j < next; ++j) if (pal[j] == x) return true;
        for (int j = 246; j < 256; ++j) if (pal[j] == x) return true;
        return false;
      };
      while (taken(c)) c.b = static_cast<std::uint8_t>(c.b < 255 ? c.b + 1 : c.b - 3);
      pal[next++] = c;
    }
  }
  return pal;
}

}  // namespace

const std::array<Rgb8, 256>& MasterPalette() {
  static const std::array<Rgb8, 256> pal = BuildPalette();
  return pal;
}

RampInfo GetRamp(Ramp ramp) {
  int first = kFirstArtIndex;
  for (const RampDef& def : kRamps) {
    if (def.id == ramp) return {def.name, first, def.count};
    first += def.count;
  }
  return {"?", kFirstArtIndex, 1};
}

Rgb RampColor(Ramp ramp, float t) {
  const RampInfo info = GetRamp(ramp);
  const int k = std::clamp(static_cast<int>(std::lround(t * static_cast<float>(info.count - 1))), 0, info.count - 1);
  const Rgb8 c = MasterPalette()[info.first + k];
  return {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)};
}

// The layout must fill 10..245 exactly.
static_assert([] {
  int n = 0;
  for (const RampDef& def : kRamps) n += def.count;
  return n;
}() == kLastArtIndex - kFirstArtIndex + 1);

}  // namespace art
