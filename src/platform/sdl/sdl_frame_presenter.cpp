// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_frame_presenter.h"

#include <cstdio>

#include "platform/host.h"
#include "platform/window_scale.h"

bool SdlFramePresenter::Create(SDL_Window* window) {
  m_renderer.reset(SDL_CreateRenderer(window, -1, 0));
  if (!m_renderer) m_renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
  if (!m_renderer) {
    std::fprintf(stderr, "quintaro: cannot draw into the window: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

void SdlFramePresenter::Destroy() {
  m_texture.reset();
  m_renderer.reset();
}

SIZE SdlFramePresenter::OutputSize() const {
  SIZE out{0, 0};
  if (m_renderer) SDL_GetRendererOutputSize(m_renderer.get(), &out.cx, &out.cy);
  return out;
}

CRect SdlFramePresenter::Show(const Host& host, SIZE surfaceSize) {
  CRect changed = host.ComposeForDisplay(m_frame);
  if (!m_texture) {
    m_texture.reset(SDL_CreateTexture(m_renderer.get(), SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                      m_frame.Width(), m_frame.Height()));
    if (!m_texture) return {};
    changed = CRect(0, 0, m_frame.Width(), m_frame.Height());
  }
  if (!changed.IsRectEmpty()) {
    const SDL_Rect area{changed.left, changed.top, changed.Width(), changed.Height()};
    SDL_UpdateTexture(m_texture.get(), &area, m_frame.Row(changed.top) + changed.left, m_frame.Width() * 4);
  }
  const CRect place = PlaceSurface(surfaceSize, OutputSize());
  const SDL_Rect dst{place.left, place.top, place.Width(), place.Height()};
  SDL_SetRenderDrawColor(m_renderer.get(), 0, 0, 0, 255);
  SDL_RenderClear(m_renderer.get());
  SDL_RenderCopy(m_renderer.get(), m_texture.get(), nullptr, &dst);
  SDL_RenderPresent(m_renderer.get());
  return place;
}
