// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_cursors.h"

#include <cstdint>

SdlSurfacePtr SurfaceFromArgb(const CursorImage& image, int scale) {
  SdlSurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, image.width * scale, image.height * scale, 32,
                                                       SDL_PIXELFORMAT_ARGB8888));
  if (!surface) return nullptr;
  SDL_LockSurface(surface.get());
  for (int y = 0; y < surface->h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      row[x] = image.argb[static_cast<std::size_t>(y / scale) * static_cast<std::size_t>(image.width) +
                          static_cast<std::size_t>(x / scale)];
    }
  }
  SDL_UnlockSurface(surface.get());
  return surface;
}

void SdlCursors::Set(int resourceId, const CursorImage* image) {
  m_id = resourceId;
  m_image = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
  Apply();
}

void SdlCursors::SetScale(int scale) {
  if (scale < 1 || scale == m_scale) return;
  m_scale = scale;
  Apply();
}

void SdlCursors::Apply() {
  if (!m_image) {
    if (!m_arrow) m_arrow.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
    if (m_arrow) SDL_SetCursor(m_arrow.get());
    return;
  }
  const auto key = std::make_pair(m_id, m_scale);
  auto it = m_cache.find(key);
  if (it == m_cache.end()) {
    SdlSurfacePtr surface = SurfaceFromArgb(*m_image, m_scale);
    SdlCursorPtr cursor(surface ? SDL_CreateColorCursor(surface.get(), m_image->hotX * m_scale,
                                                        m_image->hotY * m_scale)
                                : nullptr);
    if (!cursor) return;
    it = m_cache.emplace(key, std::move(cursor)).first;
  }
  SDL_SetCursor(it->second.get());
}
