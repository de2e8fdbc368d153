// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/surface_damage.h"

#include <cstdint>
#include <limits>

namespace {

std::int64_t Area(const CRect& r) { return static_cast<std::int64_t>(r.Width()) * r.Height(); }

// Overlapping or sharing an edge: one rectangle covers both without waste
// along the seam, and copying them apart would cost two passes.
bool OverlapsOrTouches(const CRect& a, const CRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool Contains(const CRect& outer, const CRect& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

}  // namespace

void SurfaceDamage::Add(const CRect& area, const CRect& bounds) {
  CRect added;
  if (!added.IntersectRect(area, bounds)) return;
  for (const CRect& r : m_rects) {
    if (Contains(r, added)) return;
  }
  // Swallow every rectangle the growing one reaches, until none is left.
  for (bool grew = true; grew;) {
    grew = false;
    for (auto it = m_rects.begin(); it != m_rects.end(); ++it) {
      if (!OverlapsOrTouches(*it, added)) continue;
      added.UnionRect(added, *it);
      m_rects.erase(it);
      grew = true;
      break;
    }
  }
  m_rects.push_back(added);
  while (m_rects.size() > kMaxRects) MergeCheapestPair();
}

void SurfaceDamage::AddAll(const CRect& bounds) {
  m_rects.clear();
  if (!bounds.IsRectEmpty()) m_rects.push_back(bounds);
}

void SurfaceDamage::MergeCheapestPair() {
  std::size_t bestA = 0, bestB = 1;
  std::int64_t bestWaste = std::numeric_limits<std::int64_t>::max();
  for (std::size_t a = 0; a < m_rects.size(); ++a) {
    for (std::size_t b = a + 1; b < m_rects.size(); ++b) {
      CRect u;
      u.UnionRect(m_rects[a], m_rects[b]);
      const std::int64_t waste = Area(u) - Area(m_rects[a]) - Area(m_rects[b]);
      if (waste < bestWaste) {
        bestWaste = waste;
        bestA = a;
        bestB = b;
      }
    }
  }
  const CRect merged = m_rects[bestB];
  m_rects.erase(m_rects.begin() + static_cast<std::ptrdiff_t>(bestB));
  // The union may now reach others: add it again so the list stays apart.
  const CRect first = m_rects[bestA];
  m_rects.erase(m_rects.begin() + static_cast<std::ptrdiff_t>(bestA));
  CRect u;
  u.UnionRect(first, merged);
  Add(u, u);
}

CRect SurfaceDamage::Bounds() const {
  CRect out;
  for (const CRect& r : m_rects) out.UnionRect(out, r);
  return out;
}
