#include "platform/window_scale.h"

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

int ChooseWindowScale(SIZE surface, SIZE usable) {
  if (surface.cx <= 0 || surface.cy <= 0) return 1;
  return std::max(1, std::min(usable.cx / surface.cx, usable.cy / surface.cy));
}

CRect PlaceSurface(SIZE surface, SIZE drawable) {
  if (surface.cx <= 0 || surface.cy <= 0 || drawable.cx <= 0 || drawable.cy <= 0) return {};
  const int scale = std::min(drawable.cx / surface.cx, drawable.cy / surface.cy);
  int w = 0, h = 0;
  if (scale >= 1) {
    w = surface.cx * scale;
    h = surface.cy * scale;
  } else if (static_cast<std::int64_t>(drawable.cx) * surface.cy <= static_cast<std::int64_t>(drawable.cy) * surface.cx) {
    w = drawable.cx;
    h = std::max<int>(1, static_cast<int>(static_cast<std::int64_t>(drawable.cx) * surface.cy / surface.cx));
  } else {
    h = drawable.cy;
    w = std::max<int>(1, static_cast<int>(static_cast<std::int64_t>(drawable.cy) * surface.cx / surface.cy));
  }
  const int x = (drawable.cx - w) / 2;
  const int y = (drawable.cy - h) / 2;
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
