// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Logical palettes. CPalette is a list of up to 256 colours with the classic
// palette operations; CDIBPal builds one from a picture's colour table and
// can turn it into an identity palette against the display's system palette.
#include <span>
#include <vector>

#include "platform/display.h"
#include "platform/types.h"

class CDIB;
class Host;

inline constexpr UINT CLR_INVALID = 0xFFFFFFFFu;

class CPalette {
 public:
  CPalette() = default;
  virtual ~CPalette() = default;
  CPalette(const CPalette&) = delete;
  CPalette& operator=(const CPalette&) = delete;

  // FALSE for an empty list or more than 256 entries.
  BOOL CreatePalette(std::span<const PALETTEENTRY> entries);
  void DeleteObject() { m_entries.clear(); }
  bool IsCreated() const { return !m_entries.empty(); }

  int GetEntryCount() const { return static_cast<int>(m_entries.size()); }
  std::span<const PALETTEENTRY> Entries() const { return m_entries; }
  // Copies entries start.. into out; returns how many were copied.
  UINT GetPaletteEntries(UINT start, std::span<PALETTEENTRY> out) const;
  UINT SetPaletteEntries(UINT start, std::span<const PALETTEENTRY> in);
  // Grows (with black entries) or shrinks the palette; 1..256 entries.
  BOOL ResizePalette(UINT count);
  // The entry nearest to the colour by squared RGB distance, first minimum
  // winning; CLR_INVALID for an empty palette.
  UINT GetNearestPaletteIndex(COLORREF color) const;

 protected:
  std::vector<PALETTEENTRY> m_entries;
};

class CDIBPal : public CPalette {
 public:
  // One entry per colour-table entry of the picture, flags 0.
  BOOL Create(const CDIB* pDIB);
  // Makes this palette a copy of the system palette after realising it in the
  // foreground: the static colours with flags 0, the free entries between them
  // with PC_NOCOLLAPSE. FALSE, and nothing changed, on a display without a
  // palette.
  BOOL MakeIdentity(SystemPalette& system, const DisplayCaps& caps);
  BOOL MakeIdentity(Host& host);
};
