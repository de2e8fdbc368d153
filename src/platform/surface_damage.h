// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the window surface drawn on since the window was last shown.
// A few rectangles: one that overlaps or touches another is merged into it,
// and past kMaxRects the two whose union wastes least are merged, so two
// pieces moving at opposite ends of the table stay two small areas and the
// record never grows.
#include <cstddef>
#include <vector>

#include "platform/rect.h"

class SurfaceDamage {
 public:
  static constexpr std::size_t kMaxRects = 8;

  // Notes `area` as drawn on, clipped to `bounds` (the surface).
  void Add(const CRect& area, const CRect& bounds);
  // Everything within `bounds` is to be shown anew.
  void AddAll(const CRect& bounds);
  void Clear() { m_rects.clear(); }
  bool IsEmpty() const { return m_rects.empty(); }
  // Pairwise apart, none empty.
  const std::vector<CRect>& Rects() const { return m_rects; }
  // The smallest rectangle holding every damaged one (empty when none is).
  CRect Bounds() const;

 private:
  void MergeCheapestPair();

  std::vector<CRect> m_rects;
};
