// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing the window's picture through the renderer (the GPU's where there is
// one, software otherwise): a streaming texture of the surface scaled into
// the window. Only what was drawn since the last frame is uploaded.
#include <SDL.h>

#include <string>

#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_presenter.h"
#include "platform/surface.h"

class SdlFramePresenter final : public SdlPresenter {
 public:
  // False, with the reason on stderr, when no renderer works for the window.
  // The renderer waits for the display's refresh where it can.
  bool Create(SDL_Window* window);

  CRect Show(const Host& host, SIZE surfaceSize) override;
  void Forget() override { m_texture.reset(); }
  SIZE OutputSize() const override;
  std::string Describe() const override;

  // True when the renderer draws on the CPU: SDL's software renderer, or
  // OpenGL from a software rasteriser (Mesa's llvmpipe, softpipe, swrast).
  bool RasterisesInSoftware() const;

 private:
  std::string RendererName() const;
  std::string GlRendererName() const;

  SdlRendererPtr m_renderer;
  SdlTexturePtr m_texture;
  Surface32 m_frame;  // the last picture put together, as the texture holds it
};
