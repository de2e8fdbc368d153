// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_surface_presenter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/host.h"
#include "platform/window_scale.h"

namespace {

// Window surfaces laid out as the program's pixels (0x00RRGGBB in 32 bits)
// take a straight copy; any other layout is converted by SDL.
bool SameLayout(const SDL_Surface* s) {
  return s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000u && s->format->Gmask == 0xFF00u &&
         s->format->Bmask == 0xFFu;
}

std::uint32_t* PixelRow(SDL_Surface* s, int y) {
  return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch);
}

}  // namespace

bool SdlSurfacePresenter::Create() {
  if (SDL_GetWindowSurface(m_window) == nullptr) {
    std::fprintf(stderr, "quintaro: cannot draw into the window: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

SIZE SdlSurfacePresenter::OutputSize() const {
  SIZE out{0, 0};
  SDL_GetWindowSizeInPixels(m_window, &out.cx, &out.cy);
  return out;
}

std::string SdlSurfacePresenter::Describe() const {
  const char* driver = SDL_GetCurrentVideoDriver();
  return std::string("window surface, changed rectangles only (") + (driver ? driver : "unknown") +
         "), paced by the clock";
}

CRect SdlSurfacePresenter::Show(const Host& host, SIZE surfaceSize) {
  CRect changed = host.ComposeForDisplay(m_frame);
  SDL_Surface* target = SDL_GetWindowSurface(m_window);  // made anew by SDL after a resize
  if (target == nullptr || m_frame.Width() <= 0) return {};
  const CRect place = PlaceSurface(surfaceSize, SIZE{target->w, target->h});
  if (m_shownSize.cx != target->w || m_shownSize.cy != target->h) m_whole = true;
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return place;
  if (m_whole) {
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    changed = m_frame.Bounds();
  }
  SDL_Rect sent{};
  if (!changed.IsRectEmpty()) sent = CopyScaled(target, changed, place);
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  if (m_whole)
    SDL_UpdateWindowSurface(m_window);
  else if (sent.w > 0 && sent.h > 0)
    SDL_UpdateWindowSurfaceRects(m_window, &sent, 1);
  m_whole = false;
  m_shownSize = SIZE{target->w, target->h};
  return place;
}

SDL_Rect SdlSurfacePresenter::CopyScaled(SDL_Surface* target, const CRect& area, const CRect& place) {
  const int scale = std::max(1, place.Width() / std::max(1, m_frame.Width()));
  // The part of the area that lands inside the window (a window smaller
  // than the picture shows its top-left part).
  CRect src = area;
  src.IntersectRect(src, m_frame.Bounds());
  const int right = std::min(src.right, (target->w - place.left + scale - 1) / scale);
  const int bottom = std::min(src.bottom, (target->h - place.top + scale - 1) / scale);
  src = CRect(src.left, src.top, std::max(src.left, right), std::max(src.top, bottom));
  if (src.IsRectEmpty()) return {};
  const int x0 = place.left + src.left * scale, y0 = place.top + src.top * scale;
  const SDL_Rect to{x0, y0, std::min(src.Width() * scale, target->w - x0), std::min(src.Height() * scale, target->h - y0)};
  if (!SameLayout(target)) {
    CopyConverted(target, src, to, scale);
    return to;
  }
  for (int y = src.top; y < src.bottom; ++y) {
    const std::uint32_t* in = m_frame.Row(y) + src.left;
    const int firstRow = y0 + (y - src.top) * scale;
    std::uint32_t* out = PixelRow(target, firstRow) + x0;
    for (int x = 0; x < to.w; ++x) out[x] = in[x / scale];
    // The other rows of a scaled pixel are the same row again.
    for (int r = 1; r < scale && firstRow + r < to.y + to.h; ++r)
      std::memcpy(PixelRow(target, firstRow + r) + x0, out, static_cast<std::size_t>(to.w) * 4);
  }
  return to;
}

void SdlSurfacePresenter::CopyConverted(SDL_Surface* target, const CRect& area, const SDL_Rect& to, int scale) {
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(m_frame.Data()), m_frame.Width(),
                                                           m_frame.Height(), 32, m_frame.Width() * 4,
                                                           SDL_PIXELFORMAT_RGB888);
  if (source == nullptr) return;
  SDL_Rect from{area.left, area.top, (to.w + scale - 1) / scale, (to.h + scale - 1) / scale};
  SDL_Rect into = to;
  into.w = from.w * scale;
  into.h = from.h * scale;
  SDL_SetClipRect(target, &to);
  SDL_BlitScaled(source, &from, target, &into);
  SDL_SetClipRect(target, nullptr);
  SDL_FreeSurface(source);
}
