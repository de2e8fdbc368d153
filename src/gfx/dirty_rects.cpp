// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/dirty_rects.h"

void CDirtyRectList::Add(const CRect& rect) {
  if (rect.IsRectEmpty()) return;
  CRect overlap;
  if (!m_rects.empty() && overlap.IntersectRect(m_rects.front(), rect)) {
    m_rects.front().UnionRect(m_rects.front(), rect);
    return;
  }
  m_rects.push_front(rect);
}

CRect CDirtyRectList::PopNewest() {
  const CRect r = m_rects.front();
  m_rects.pop_front();
  return r;
}
