// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/palette.h"

#include <algorithm>

#include "gfx/dib.h"
#include "platform/host.h"

BOOL CPalette::CreatePalette(std::span<const PALETTEENTRY> entries) {
  if (entries.empty() || entries.size() > 256) return FALSE;
  m_entries.assign(entries.begin(), entries.end());
  return TRUE;
}

UINT CPalette::GetPaletteEntries(UINT start, std::span<PALETTEENTRY> out) const {
  if (start >= m_entries.size()) return 0;
  const std::size_t count = std::min(out.size(), m_entries.size() - start);
  std::copy_n(m_entries.begin() + start, count, out.begin());
  return static_cast<UINT>(count);
}

UINT CPalette::SetPaletteEntries(UINT start, std::span<const PALETTEENTRY> in) {
  if (start >= m_entries.size()) return 0;
  const std::size_t count = std::min(in.size(), m_entries.size() - start);
  std::copy_n(in.begin(), count, m_entries.begin() + start);
  return static_cast<UINT>(count);
}

BOOL CPalette::ResizePalette(UINT count) {
  if (count == 0 || count > 256) return FALSE;
  m_entries.resize(count);
  return TRUE;
}

UINT CPalette::GetNearestPaletteIndex(COLORREF color) const {
  if (m_entries.empty()) return CLR_INVALID;
  const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  UINT best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    const PALETTEENTRY& e = m_entries[i];
    const int dr = e.peRed - r, dg = e.peGreen - g, db = e.peBlue - b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<UINT>(i);
      if (distance == 0) break;
    }
  }
  return best;
}

BOOL CDIBPal::Create(const CDIB* pDIB) {
  if (!pDIB) return FALSE;
  const int count = pDIB->GetColorCount();
  const std::span<const RGBQUAD> colors = pDIB->GetColors();
  if (count <= 0 || colors.size() < static_cast<std::size_t>(count)) return FALSE;
  std::vector<PALETTEENTRY> entries(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i] = PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
  }
  return CreatePalette(entries);
}

BOOL CDIBPal::MakeIdentity(SystemPalette& system, const DisplayCaps& caps) {
  if (!caps.paletteDevice || caps.numColors > 256 || caps.numColors < 0 || !IsCreated()) return FALSE;
  const int statics = caps.numColors;
  // A palette larger than 256 entries is not provided for.
  const int count = std::clamp(caps.sizePalette, 0, 256);
  if (count == 0) return FALSE;

  // Give every free entry back, then let this palette take them in order.
  system.Reset();
  system.RealizeForeground(m_entries);

  const int half = statics / 2;
  std::vector<PALETTEENTRY> identity(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    PALETTEENTRY e = system.Entry(i);
    e.peFlags = (i >= half && i < count - half) ? PC_NOCOLLAPSE : 0;
    identity[static_cast<std::size_t>(i)] = e;
  }
  ResizePalette(static_cast<UINT>(count));
  SetPaletteEntries(0, identity);
  return TRUE;
}

BOOL CDIBPal::MakeIdentity(Host& host) { return MakeIdentity(host.Palette(), host.Caps()); }
