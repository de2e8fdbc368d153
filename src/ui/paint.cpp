// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/paint.h"

#include <algorithm>

#include "ui/ui_colors.h"

using namespace ui_color;

void FillRect(SurfaceView dst, const CRect& r, std::uint32_t color) {
  CRect c;
  if (!c.IntersectRect(r, dst.Bounds())) return;
  for (int y = c.top; y < c.bottom; ++y) std::fill(dst.Row(y) + c.left, dst.Row(y) + c.right, color);
}

void HLine(SurfaceView dst, int x0, int x1, int y, std::uint32_t color) { FillRect(dst, {x0, y, x1, y + 1}, color); }

void VLine(SurfaceView dst, int x, int y0, int y1, std::uint32_t color) { FillRect(dst, {x, y0, x + 1, y1}, color); }

void PutPixel(SurfaceView dst, int x, int y, std::uint32_t color) {
  if (x >= 0 && y >= 0 && x < dst.width && y < dst.height) dst.Row(y)[x] = color;
}

void Frame3D(SurfaceView dst, const CRect& r, std::uint32_t topLeft, std::uint32_t bottomRight) {
  if (r.IsRectEmpty()) return;
  HLine(dst, r.left, r.right - 1, r.top, topLeft);
  VLine(dst, r.left, r.top, r.bottom - 1, topLeft);
  HLine(dst, r.left, r.right, r.bottom - 1, bottomRight);
  VLine(dst, r.right - 1, r.top, r.bottom, bottomRight);
}

void FrameRect(SurfaceView dst, const CRect& r, std::uint32_t color) { Frame3D(dst, r, color, color); }

void DrawRaisedEdge(SurfaceView dst, const CRect& r) {
  Frame3D(dst, r, kHighlight, kDarkShadow);
  CRect inner = r;
  inner.DeflateRect(1, 1);
  Frame3D(dst, inner, kFace, kShadow);
}

void DrawSunkenEdge(SurfaceView dst, const CRect& r) {
  Frame3D(dst, r, kShadow, kHighlight);
  CRect inner = r;
  inner.DeflateRect(1, 1);
  Frame3D(dst, inner, kDarkShadow, kFace);
}

void DrawEtchedFrame(SurfaceView dst, const CRect& r) {
  if (r.Width() < 2 || r.Height() < 2) return;
  FrameRect(dst, {r.left + 1, r.top + 1, r.right, r.bottom}, kHighlight);
  FrameRect(dst, {r.left, r.top, r.right - 1, r.bottom - 1}, kShadow);
}

void DrawWindowEdge(SurfaceView dst, const CRect& r) {
  Frame3D(dst, r, kFace, kDarkShadow);
  CRect inner = r;
  inner.DeflateRect(1, 1);
  Frame3D(dst, inner, kHighlight, kShadow);
}

void FillDither(SurfaceView dst, const CRect& r, std::uint32_t a, std::uint32_t b) {
  CRect c;
  if (!c.IntersectRect(r, dst.Bounds())) return;
  for (int y = c.top; y < c.bottom; ++y) {
    std::uint32_t* row = dst.Row(y);
    for (int x = c.left; x < c.right; ++x) row[x] = ((x + y) & 1) ? b : a;
  }
}

void DrawButtonFrame(SurfaceView dst, const CRect& r, ButtonLook look, bool isDefault) {
  CRect body = r;
  if (isDefault) {
    FrameRect(dst, body, kDarkShadow);
    body.DeflateRect(1, 1);
  }
  switch (look) {
    case ButtonLook::Raised:
      FillRect(dst, body, kFace);
      DrawRaisedEdge(dst, body);
      break;
    case ButtonLook::Pressed:
      // The classic pressed button: a flat shadow frame, content shifted.
      FillRect(dst, body, kFace);
      FrameRect(dst, body, kShadow);
      break;
    case ButtonLook::Checked: {
      CRect inside = body;
      inside.DeflateRect(2, 2);
      FillDither(dst, inside, kHighlight, kFace);
      DrawSunkenEdge(dst, body);
      break;
    }
  }
}

void DrawFocusRect(SurfaceView dst, const CRect& r) {
  if (r.IsRectEmpty()) return;
  int phase = 0;
  auto dot = [&](int x, int y) {
    if ((phase++ & 1) == 0) PutPixel(dst, x, y, kDarkShadow);
  };
  for (int x = r.left; x < r.right; ++x) dot(x, r.top);
  for (int y = r.top + 1; y < r.bottom; ++y) dot(r.right - 1, y);
  for (int x = r.right - 2; x >= r.left; --x) dot(x, r.bottom - 1);
  for (int y = r.bottom - 2; y > r.top; --y) dot(r.left, y);
}

void DrawEtchedLine(SurfaceView dst, int x0, int x1, int y) {
  HLine(dst, x0, x1, y, kShadow);
  HLine(dst, x0, x1, y + 1, kHighlight);
}
