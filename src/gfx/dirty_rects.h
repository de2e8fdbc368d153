// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pending dirty rectangles of the view, newest first. A new rectangle is
// merged into the newest one when the two overlap; older ones are never
// compared, which keeps adding cheap and the order of drawing predictable.
#include <cstddef>
#include <deque>

#include "platform/rect.h"

class CDirtyRectList {
 public:
  // Empty rectangles are ignored: there is nothing to redraw.
  void Add(const CRect& rect);
  bool IsEmpty() const { return m_rects.empty(); }
  std::size_t GetCount() const { return m_rects.size(); }
  // Removes and returns the newest rectangle; the list must not be empty.
  CRect PopNewest();
  void RemoveAll() { m_rects.clear(); }
  // Newest first.
  const std::deque<CRect>& Rects() const { return m_rects; }

 private:
  std::deque<CRect> m_rects;
};

// Who receives the rectangles that sprite changes make dirty (the view).
class CDirtyRectSink {
 public:
  virtual ~CDirtyRectSink() = default;
  virtual void AddDirtyRect(const CRect* pRect) = 0;
};
