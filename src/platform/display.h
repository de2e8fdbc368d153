// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The emulated display: its capabilities and the 256-entry system palette
// whose entries 0-9 and 246-255 hold the 20 static colours.
#include <array>
#include <cstdint>
#include <span>

#include "platform/types.h"

struct DisplayCaps {
  int bitsPerPixel = 8;      // BITSPIXEL
  int numColors = 20;        // NUMCOLORS: static colours on a palette device, -1 on true colour
  int sizePalette = 256;     // SIZEPALETTE
  bool paletteDevice = true; // RASTERCAPS & RC_PALETTE

  static DisplayCaps Palette8() { return {}; }
  static DisplayCaps TrueColor() { return {32, -1, 0, false}; }
  static DisplayCaps Colors16() { return {4, 16, 0, false}; }
  static DisplayCaps FromBits(int bits);
};

inline constexpr int kStaticColorsPerSide = 10;

class SystemPalette {
 public:
  SystemPalette();

  // Puts the 20 static colours back and frees entries 10-245.
  void Reset();
  // Realises a logical palette in the foreground: its colours go into the free
  // entries 10-245 in order; an entry equal to a static colour maps to that
  // static colour unless flagged PC_NOCOLLAPSE. Fills `mapping` (logical index
  // to system index) when given, and returns how many system entries changed.
  int RealizeForeground(std::span<const PALETTEENTRY> logical, std::span<BYTE> mapping = {});
  // Index of the nearest entry by squared RGB distance; the first minimum wins.
  BYTE Nearest(BYTE r, BYTE g, BYTE b) const;
  const PALETTEENTRY& Entry(int i) const { return m_entries[static_cast<std::size_t>(i)]; }
  std::span<const PALETTEENTRY, 256> Entries() const { return m_entries; }
  // 0x00RRGGBB per entry, for converting 8-bit frames to the window surface.
  const std::array<std::uint32_t, 256>& Lut() const { return m_lut; }
  // Bumped on every change, so caches can tell when to rebuild.
  unsigned Generation() const { return m_generation; }

 private:
  void UpdateLut();
  std::array<PALETTEENTRY, 256> m_entries{};
  std::array<std::uint32_t, 256> m_lut{};
  unsigned m_generation = 0;
};
