// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_frame_presenter.h"

#include <cstdio>

#include "platform/host.h"
#include "platform/window_scale.h"

bool SdlFramePresenter::Create(SDL_Window* window) {
  m_renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC));
  if (!m_renderer) m_renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
  if (!m_renderer) {
    std::fprintf(stderr, "quintaro: cannot draw into the window: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

std::string SdlFramePresenter::RendererName() const {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(m_renderer.get(), &info) != 0 || info.name == nullptr) return "unknown";
  return info.name;
}

// The GL renderer's own name, read from the context the renderer made current.
std::string SdlFramePresenter::GlRendererName() const {
  if (RendererName().rfind("opengl", 0) != 0) return {};
  using GetString = const unsigned char* (*)(unsigned);
  constexpr unsigned kGlRenderer = 0x1F01;
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
  return name ? reinterpret_cast<const char*>(name) : "";
}

bool SdlFramePresenter::RasterisesInSoftware() const {
  if (RendererName() == "software") return true;
  const std::string gl = GlRendererName();
  for (const char* rasteriser : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
    if (gl.find(rasteriser) != std::string::npos) return true;
  return false;
}

std::string SdlFramePresenter::Describe() const {
  SDL_RendererInfo info{};
  const bool vsync = SDL_GetRendererInfo(m_renderer.get(), &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
  const std::string gl = GlRendererName();
  return "streaming texture, renderer " + RendererName() + (gl.empty() ? "" : " (" + gl + ")") +
         (vsync ? ", paced by the display's refresh" : ", paced by the clock");
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
