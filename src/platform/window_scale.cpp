// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_scale.h"

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Centred when the picture fits along this axis, else from the start.
int Offset(int room, int extent) { return extent <= room ? (room - extent) / 2 : 0; }

}  // namespace

int ClampZoom(int zoom) { return zoom >= 1 && zoom <= kMaxZoom ? zoom : kZoomFit; }

int ChooseWindowScale(SIZE surface, SIZE usable) {
  if (surface.cx <= 0 || surface.cy <= 0) return 1;
  return std::max(1, std::min(usable.cx / surface.cx, usable.cy / surface.cy));
}

int WindowScaleForZoom(int zoom, SIZE surface, SIZE usable) {
  const int fits = ChooseWindowScale(surface, usable);
  zoom = ClampZoom(zoom);
  return zoom == kZoomFit ? fits : std::min(zoom, fits);
}

CRect PlaceSurface(SIZE surface, SIZE drawable) {
  if (surface.cx <= 0 || surface.cy <= 0 || drawable.cx <= 0 || drawable.cy <= 0) return {};
  const int scale = ChooseWindowScale(surface, drawable);
  const int w = surface.cx * scale;
  const int h = surface.cy * scale;
  const int x = Offset(drawable.cx, w);
  const int y = Offset(drawable.cy, h);
  return CRect(x, y, x + w, y + h);
}

POINT WindowToSurface(POINT window, SIZE windowSize, SIZE drawable, SIZE surface) {
  const CRect place = PlaceSurface(surface, drawable);
  if (place.IsRectEmpty() || windowSize.cx <= 0 || windowSize.cy <= 0) return window;
  // drawable x = window x * drawable / windowSize; surface x = (drawable x - left) * surface / width.
  const auto map = [](std::int64_t p, std::int64_t win, std::int64_t draw, std::int64_t left, std::int64_t width,
                      std::int64_t surf) {
    return static_cast<LONG>(FloorDiv((p * draw - left * win) * surf, win * width));
  };
  return POINT{map(window.x, windowSize.cx, drawable.cx, place.left, place.Width(), surface.cx),
               map(window.y, windowSize.cy, drawable.cy, place.top, place.Height(), surface.cy)};
}

POINT KeepInside(const CRect& frame, const CRect& area) {
  const int x = std::max(area.left, std::min(frame.left, area.right - frame.Width()));
  const int y = std::max(area.top, std::min(frame.top, area.bottom - frame.Height()));
  return POINT{x, y};
}
