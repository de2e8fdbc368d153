// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dc.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "platform/i18n.h"
#include "platform/text.h"

CDC::CDC(Host& host) : CDC(host, host.ViewRect()) {}

CDC::CDC(Host& host, const CRect& areaOnSurface) : m_host(host) {
  // Never draw outside the surface, whatever the caller asked for.
  if (!m_area.IntersectRect(areaOnSurface, host.WindowSurface().Bounds())) {
    m_area = CRect(areaOnSurface.left, areaOnSurface.top, areaOnSurface.left, areaOnSurface.top);
  }
  m_origin = areaOnSurface.TopLeft();
}

CDC::~CDC() { m_host.Present(); }

SurfaceView CDC::Target(const CRect& drawnOnSurface) const { return m_host.DrawOnSurface(drawnOnSurface); }

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_text, color); }
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(m_bk, color); }
int CDC::SetBkMode(int mode) { return std::exchange(m_bkMode, mode); }

void CDC::SelectPen(COLORREF color, int width, bool null) {
  m_penColor = color;
  m_penWidth = std::max(width, 1);
  m_nullPen = null;
}

void CDC::SelectBrush(COLORREF color, bool null) {
  m_brush = color;
  m_nullBrush = null;
}

std::uint32_t CDC::Resolve(COLORREF color) const {
  SystemPalette& palette = m_host.Palette();
  if (IsPaletteIndex(color)) return palette.Lut()[color & 0xFF];
  const BYTE r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  // A palette display can only show what its palette holds.
  if (m_host.Caps().paletteDevice) return palette.Lut()[palette.Nearest(r, g, b)];
  return ToPixel(r, g, b);
}

void CDC::Fill(const CRect& r, std::uint32_t pixel) {
  CRect onSurface(r);
  onSurface.OffsetRect(m_origin.x, m_origin.y);
  CRect clipped;
  if (!clipped.IntersectRect(onSurface, m_area)) return;
  const SurfaceView view = Target(clipped);
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    std::fill(view.Row(y) + clipped.left, view.Row(y) + clipped.right, pixel);
  }
}

void CDC::Plot(int x, int y, std::uint32_t pixel, int width) {
  const int before = (width - 1) / 2;
  Fill(CRect(x - before, y - before, x - before + width, y - before + width), pixel);
}

void CDC::Rectangle(int left, int top, int right, int bottom) {
  CRect r(left, top, right, bottom);
  r.NormalizeRect();
  if (m_nullPen) {
    // Without an outline the filled area is one pixel smaller, as it always was.
    if (!m_nullBrush) Fill(CRect(r.left, r.top, r.right - 1, r.bottom - 1), Resolve(m_brush));
    return;
  }
  const int w = std::min({m_penWidth, std::max(r.Width() / 2, 1), std::max(r.Height() / 2, 1)});
  if (!m_nullBrush) Fill(CRect(r.left + w, r.top + w, r.right - w, r.bottom - w), Resolve(m_brush));
  const std::uint32_t pen = Resolve(m_penColor);
  Fill(CRect(r.left, r.top, r.right, r.top + w), pen);
  Fill(CRect(r.left, r.bottom - w, r.right, r.bottom), pen);
  Fill(CRect(r.left, r.top + w, r.left + w, r.bottom - w), pen);
  Fill(CRect(r.right - w, r.top + w, r.right, r.bottom - w), pen);
}

void CDC::FillSolidRect(const RECT& r, COLORREF color) {
  CRect rect(r);
  rect.NormalizeRect();
  Fill(rect, Resolve(color));
}

void CDC::SetPixel(int x, int y, COLORREF color) { Fill(CRect(x, y, x + 1, y + 1), Resolve(color)); }

void CDC::LineTo(int x, int y) {
  const CPoint from = m_pen;
  m_pen = CPoint(x, y);
  if (m_nullPen) return;
  const std::uint32_t pixel = Resolve(m_penColor);
  // Bresenham from the current position; the end point itself is not drawn.
  int cx = from.x, cy = from.y;
  const int dx = std::abs(x - cx), sx = cx < x ? 1 : -1;
  const int dy = -std::abs(y - cy), sy = cy < y ? 1 : -1;
  int err = dx + dy;
  while (cx != x || cy != y) {
    Plot(cx, cy, pixel, m_penWidth);
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; cx += sx; }
    if (e2 <= dx) { err += dx; cy += sy; }
  }
}

SIZE CDC::GetTextExtent(std::string_view text) const {
  const FontAtlas& font = m_font.Atlas();
  return SIZE{TextWidth(font, text), font.cellHeight};
}

void CDC::TextOut(int x, int y, std::string_view english) {
  const std::string text = TrShown(english);
  const FontAtlas& font = m_font.Atlas();
  CRect clip(m_area);
  DrawLine(x, y, text, font, clip);
}

void CDC::DrawLine(int x, int y, std::string_view text, const FontAtlas& font, const CRect& clipOnSurface) {
  if (m_bkMode == OPAQUE) {
    CRect cell(x, y, x + TextWidth(font, text), y + font.cellHeight);
    cell.OffsetRect(m_origin.x, m_origin.y);
    CRect clipped;
    if (clipped.IntersectRect(cell, clipOnSurface)) {
      clipped.OffsetRect(-m_origin.x, -m_origin.y);
      Fill(clipped, Resolve(m_bk));
    }
  }
  const int left = m_origin.x + x, top = m_origin.y + y;
  CRect ink;
  if (!ink.IntersectRect(TextInkBounds(font, left, top, text), clipOnSurface)) return;
  DrawTextAt(Target(ink), clipOnSurface, font, left, top, text, Resolve(m_text));
}

int CDC::DrawText(std::string_view english, const RECT& rect, UINT format) {
  // Words a game writes on its board are shown in the player's language.
  const std::string shown = TrShown(english);
  const std::string_view text = shown;
  const FontAtlas& font = m_font.Atlas();
  const CRect box(rect);
  std::vector<std::string_view> lines;
  if (format & DT_SINGLELINE) {
    lines.push_back(text);
  } else {
    for (std::size_t start = 0;;) {
      const auto eol = text.find('\n', start);
      std::string_view line = text.substr(start, eol == std::string_view::npos ? text.size() - start : eol - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines.push_back(line);
      if (eol == std::string_view::npos) break;
      start = eol + 1;
    }
  }
  const int height = font.cellHeight * static_cast<int>(lines.size());
  int y = box.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) y = box.top + (box.Height() - font.cellHeight) / 2;
    else if (format & DT_BOTTOM) y = box.bottom - font.cellHeight;
  }
  CRect clip(m_area);
  if ((format & DT_NOCLIP) == 0) {
    CRect boxOnSurface(box);
    boxOnSurface.OffsetRect(m_origin.x, m_origin.y);
    if (!clip.IntersectRect(m_area, boxOnSurface)) return height;
  }
  for (std::string_view line : lines) {
    const int width = TextWidth(font, line);
    int x = box.left;
    if (format & DT_CENTER) x = box.left + (box.Width() - width) / 2;
    else if (format & DT_RIGHT) x = box.right - width;
    DrawLine(x, y, line, font, clip);
    y += font.cellHeight;
  }
  return height;
}
