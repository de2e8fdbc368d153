// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/glyphs.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "platform/font.h"
#include "platform/text.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"

using namespace ui_color;

namespace {

// Draws the '#' pixels of a map in one colour.
void DrawMap(SurfaceView dst, int x, int y, std::initializer_list<std::string_view> rows, std::uint32_t color) {
  int dy = 0;
  for (std::string_view row : rows) {
    for (int dx = 0; dx < static_cast<int>(row.size()); ++dx) {
      if (row[static_cast<std::size_t>(dx)] == '#') PutPixel(dst, x + dx, y + dy, color);
    }
    ++dy;
  }
}

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, double alpha) {
  auto mix = [&](int shift) {
    const double a = (over >> shift) & 0xFF, b = (under >> shift) & 0xFF;
    return static_cast<std::uint32_t>(std::lround(a * alpha + b * (1.0 - alpha))) << shift;
  };
  return mix(16) | mix(8) | mix(0);
}

// Coverage of a pixel by a shape, from 4 x 4 samples.
template <typename Inside>
double Coverage(int px, int py, Inside inside) {
  int hits = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx)
      if (inside(px + (sx + 0.5) / 4.0, py + (sy + 0.5) / 4.0)) ++hits;
  return hits / 16.0;
}

template <typename Inside>
void FillShape(SurfaceView dst, const CRect& bounds, Inside inside, std::uint32_t color) {
  CRect c;
  if (!c.IntersectRect(bounds, dst.Bounds())) return;
  for (int y = c.top; y < c.bottom; ++y)
    for (int x = c.left; x < c.right; ++x) {
      const double a = Coverage(x, y, inside);
      if (a > 0) dst.Row(y)[x] = Blend(dst.Row(y)[x], color, a);
    }
}

void FillCircle(SurfaceView dst, double cx, double cy, double r, std::uint32_t color) {
  const CRect box(static_cast<int>(cx - r) - 1, static_cast<int>(cy - r) - 1, static_cast<int>(cx + r) + 2,
                  static_cast<int>(cy + r) + 2);
  FillShape(dst, box, [&](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }, color);
}

// Triangle by its three corners (any winding).
void FillTriangle(SurfaceView dst, double x0, double y0, double x1, double y1, double x2, double y2,
                  std::uint32_t color) {
  auto edge = [](double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  const CRect box(static_cast<int>(std::min({x0, x1, x2})) - 1, static_cast<int>(std::min({y0, y1, y2})) - 1,
                  static_cast<int>(std::max({x0, x1, x2})) + 2, static_cast<int>(std::max({y0, y1, y2})) + 2);
  FillShape(dst, box, [&](double x, double y) {
    const double a = edge(x0, y0, x1, y1, x, y), b = edge(x1, y1, x2, y2, x, y), c = edge(x2, y2, x0, y0, x, y);
    return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
  }, color);
}

void CenteredGlyph(SurfaceView dst, int x, int y, int size, char c, std::uint32_t color, int dy) {
  const FontAtlas& font = GetFont(true, 24);
  const char text[2] = {c, 0};
  const int w = TextWidth(font, text);
  DrawTextAt(dst, dst.Bounds(), font, x + (size - w) / 2, y + (size - font.cellHeight) / 2 + dy, text, color);
}

}  // namespace

void DrawCheckMark(SurfaceView dst, int x, int y, std::uint32_t color) {
  DrawMap(dst, x, y,
          {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."}, color);
}

void DrawRadioButtonGlyph(SurfaceView dst, int x, int y, bool checked, bool enabled, bool pressed) {
  // O: outer ring, I: inner ring, W: well. The top-left half of each ring
  // is in shadow and the bottom-right half in light, as a sunken edge is.
  static constexpr std::string_view kRing[kRadioSize] = {
      "....OOOO....", "..OOIIIIOO..", ".OIIWWWWIIO.", ".OIWWWWWWIO.", "OIWWWWWWWWIO", "OIWWWWWWWWIO",
      "OIWWWWWWWWIO", "OIWWWWWWWWIO", ".OIWWWWWWIO.", ".OIIWWWWIIO.", "..OOIIIIOO..", "....OOOO....",
  };
  const std::uint32_t well = (enabled && !pressed) ? kWindow : kFace;
  for (int dy = 0; dy < kRadioSize; ++dy)
    for (int dx = 0; dx < kRadioSize; ++dx) {
      const bool dark = dx + dy < kRadioSize - 1;
      switch (kRing[dy][static_cast<std::size_t>(dx)]) {
        case 'O': PutPixel(dst, x + dx, y + dy, dark ? kShadow : kHighlight); break;
        case 'I': PutPixel(dst, x + dx, y + dy, dark ? kDarkShadow : kFace); break;
        case 'W': PutPixel(dst, x + dx, y + dy, well); break;
        default: break;
      }
    }
  if (checked) DrawMap(dst, x + 4, y + 4, {".##.", "####", "####", ".##."}, enabled ? kText : kShadow);
}

void DrawCheckBoxGlyph(SurfaceView dst, int x, int y, bool checked, bool enabled, bool pressed) {
  const CRect box(x, y, x + kCheckBoxSize, y + kCheckBoxSize);
  DrawSunkenEdge(dst, box);
  FillRect(dst, {x + 2, y + 2, x + kCheckBoxSize - 2, y + kCheckBoxSize - 2}, (enabled && !pressed) ? kWindow : kFace);
  if (checked) DrawCheckMark(dst, x + 3, y + 3, enabled ? kText : kShadow);
}

void DrawRightArrow(SurfaceView dst, int x, int y, std::uint32_t color) {
  DrawMap(dst, x, y, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}, color);
}

void DrawUpArrow(SurfaceView dst, int x, int y, std::uint32_t color) {
  DrawMap(dst, x, y, {"...#...", "..###..", ".#####.", "#######"}, color);
}

void DrawDownArrow(SurfaceView dst, int x, int y, std::uint32_t color) {
  DrawMap(dst, x, y, {"#######", ".#####.", "..###..", "...#..."}, color);
}

void DrawCloseCross(SurfaceView dst, int x, int y, std::uint32_t color) {
  DrawMap(dst, x, y, {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"}, color);
}

void DrawMessageIcon(SurfaceView dst, int x, int y, MessageIcon icon) {
  const double s = kMessageIconSize;
  switch (icon) {
    case MessageIcon::None:
      return;
    case MessageIcon::Question:
    case MessageIcon::Information: {
      // A speech balloon with a soft shadow.
      const std::uint32_t shade = ToPixel(128, 128, 128);
      FillCircle(dst, x + 15.5 + 2, y + 13.5 + 2, 13.0, shade);
      FillTriangle(dst, x + 9 + 2, y + 22 + 2, x + 17 + 2, y + 24 + 2, x + 6 + 2, y + 31 + 2, shade);
      FillCircle(dst, x + 15.5, y + 13.5, 13.5, kDarkShadow);
      FillTriangle(dst, x + 8, y + 21, x + 18, y + 24, x + 5, y + 31, kDarkShadow);
      FillCircle(dst, x + 15.5, y + 13.5, 12.5, kWindow);
      FillTriangle(dst, x + 9, y + 22, x + 16.5, y + 24, x + 6.5, y + 29, kWindow);
      const char c = icon == MessageIcon::Question ? '?' : 'i';
      CenteredGlyph(dst, x, y - 2, kMessageIconSize, c, ToPixel(0, 0, 255), 0);
      return;
    }
    case MessageIcon::Exclamation:
      FillTriangle(dst, x + s / 2 + 1.5, y + 2.5, x + s + 0.5, y + s - 1.5, x + 2.5, y + s - 1.5,
                   ToPixel(128, 128, 128));
      FillTriangle(dst, x + s / 2, y + 0.5, x + s - 1, y + s - 3, x + 0.5, y + s - 3, kDarkShadow);
      FillTriangle(dst, x + s / 2, y + 2.8, x + s - 2.8, y + s - 4.2, x + 2.3, y + s - 4.2, ToPixel(255, 255, 0));
      CenteredGlyph(dst, x, y + 3, kMessageIconSize, '!', kDarkShadow, 0);
      return;
    case MessageIcon::Stop:
      FillCircle(dst, x + 17.5, y + 17.5, 14.5, ToPixel(128, 128, 128));
      FillCircle(dst, x + 15.5, y + 15.5, 15.0, kDarkShadow);
      FillCircle(dst, x + 15.5, y + 15.5, 14.0, ToPixel(255, 0, 0));
      for (int i = -1; i <= 1; i += 2) {
        // Two thick white bars make the cross.
        FillShape(dst, {x, y, x + kMessageIconSize, y + kMessageIconSize}, [&](double px, double py) {
          const double u = px - (x + 15.5), v = py - (y + 15.5);
          const double along = (u + i * v) / std::sqrt(2.0), across = (u - i * v) / std::sqrt(2.0);
          return std::abs(along) <= 1.8 && std::abs(across) <= 7.5;
        }, kWindow);
      }
      return;
  }
}

void BlendArgb(SurfaceView dst, int x, int y, const std::uint32_t* argb, int width, int height) {
  for (int dy = 0; dy < height; ++dy) {
    const int py = y + dy;
    if (py < 0 || py >= dst.height) continue;
    for (int dx = 0; dx < width; ++dx) {
      const int px = x + dx;
      if (px < 0 || px >= dst.width) continue;
      const std::uint32_t p = argb[static_cast<std::size_t>(dy) * width + dx];
      const unsigned a = p >> 24;
      if (a == 0) continue;
      std::uint32_t& out = dst.Row(py)[px];
      out = a == 255 ? (p & 0xFFFFFF) : Blend(out, p & 0xFFFFFF, a / 255.0);
    }
  }
}
