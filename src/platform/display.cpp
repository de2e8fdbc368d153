// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display.h"

#include "platform/surface.h"

namespace {

struct StaticColor {
  int index;
  BYTE r, g, b;
};

// The 20 colours the display keeps for itself: 0-9 at the bottom, 246-255 at the top.
constexpr StaticColor kStaticColors[] = {
    {0, 0, 0, 0},         {1, 128, 0, 0},       {2, 0, 128, 0},       {3, 128, 128, 0},
    {4, 0, 0, 128},       {5, 128, 0, 128},     {6, 0, 128, 128},     {7, 192, 192, 192},
    {8, 192, 220, 192},   {9, 166, 202, 240},   {246, 255, 251, 240}, {247, 160, 160, 164},
    {248, 128, 128, 128}, {249, 255, 0, 0},     {250, 0, 255, 0},     {251, 255, 255, 0},
    {252, 0, 0, 255},     {253, 255, 0, 255},   {254, 0, 255, 255},   {255, 255, 255, 255},
};

constexpr int kFirstFree = kStaticColorsPerSide;
constexpr int kLastFree = 255 - kStaticColorsPerSide;

bool SameColor(const PALETTEENTRY& a, const PALETTEENTRY& b) {
  return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

}  // namespace

DisplayCaps DisplayCaps::FromBits(int bits) {
  if (bits <= 4) return Colors16();
  if (bits <= 8) return Palette8();
  DisplayCaps caps = TrueColor();
  caps.bitsPerPixel = bits;
  return caps;
}

SystemPalette::SystemPalette() { Reset(); }

void SystemPalette::Reset() {
  m_entries.fill(PALETTEENTRY{});
  for (const StaticColor& c : kStaticColors) {
    m_entries[static_cast<std::size_t>(c.index)] = PALETTEENTRY{c.r, c.g, c.b, 0};
  }
  UpdateLut();
}

int SystemPalette::RealizeForeground(std::span<const PALETTEENTRY> logical, std::span<BYTE> mapping) {
  int changed = 0;
  int next = kFirstFree;
  for (std::size_t i = 0; i < logical.size(); ++i) {
    const PALETTEENTRY& want = logical[i];
    int target = -1;
    if ((want.peFlags & PC_EXPLICIT) != 0) {
      // The entry names a system palette index instead of a colour.
      target = want.peRed;
    } else if ((want.peFlags & (PC_NOCOLLAPSE | PC_RESERVED)) == 0) {
      for (const StaticColor& c : kStaticColors) {
        if (SameColor(m_entries[static_cast<std::size_t>(c.index)], want)) {
          target = c.index;
          break;
        }
      }
    }
    if (target < 0) {
      if (next <= kLastFree) {
        target = next++;
        PALETTEENTRY& slot = m_entries[static_cast<std::size_t>(target)];
        const PALETTEENTRY placed{want.peRed, want.peGreen, want.peBlue, 0};
        if (!SameColor(slot, placed)) ++changed;
        slot = placed;
      } else {
        // The free entries are used up: the colour shows as its nearest neighbour.
        target = Nearest(want.peRed, want.peGreen, want.peBlue);
      }
    }
    if (i < mapping.size()) mapping[i] = static_cast<BYTE>(target);
  }
  UpdateLut();
  return changed;
}

BYTE SystemPalette::Nearest(BYTE r, BYTE g, BYTE b) const {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 256; ++i) {
    const PALETTEENTRY& e = m_entries[static_cast<std::size_t>(i)];
    const long dr = static_cast<long>(e.peRed) - r;
    const long dg = static_cast<long>(e.peGreen) - g;
    const long db = static_cast<long>(e.peBlue) - b;
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
      if (d == 0) break;
    }
  }
  return static_cast<BYTE>(best);
}

void SystemPalette::UpdateLut() {
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    const PALETTEENTRY& e = m_entries[i];
    m_lut[i] = ToPixel(e.peRed, e.peGreen, e.peBlue);
  }
  ++m_generation;
}
