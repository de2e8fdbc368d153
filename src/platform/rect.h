// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Points and rectangles. Rectangles are left/top inclusive, right/bottom exclusive.
#include <algorithm>

#include "platform/types.h"

struct POINT {
  LONG x = 0;
  LONG y = 0;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};

struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};

class CPoint : public POINT {
 public:
  constexpr CPoint() = default;
  constexpr CPoint(int px, int py) : POINT{px, py} {}
  constexpr CPoint(const POINT& p) : POINT(p) {}
  constexpr bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
  constexpr CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
  constexpr CPoint operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
  constexpr void Offset(int dx, int dy) { x += dx; y += dy; }
};

class CRect : public RECT {
 public:
  constexpr CRect() = default;
  constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  constexpr CRect(const RECT& r) : RECT(r) {}
  constexpr CRect(CPoint topLeft, SIZE size)
      : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr CPoint TopLeft() const { return {left, top}; }
  constexpr CPoint BottomRight() const { return {right, bottom}; }
  constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  constexpr bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
  constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  constexpr void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
  constexpr void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
  constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
  constexpr void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }
  // Intersection of a and b; empty (all zero) when they do not overlap.
  constexpr BOOL IntersectRect(const RECT& a, const RECT& b) {
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom));
    if (r.IsRectEmpty()) { SetRectEmpty(); return FALSE; }
    *this = r;
    return TRUE;
  }
  // Smallest rectangle holding a and b; an empty operand is ignored.
  constexpr BOOL UnionRect(const RECT& a, const RECT& b) {
    const CRect ra(a), rb(b);
    if (ra.IsRectEmpty()) { *this = rb.IsRectEmpty() ? CRect() : rb; return !IsRectEmpty(); }
    if (rb.IsRectEmpty()) { *this = ra; return TRUE; }
    SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom));
    return TRUE;
  }
  constexpr bool operator==(const CRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};
