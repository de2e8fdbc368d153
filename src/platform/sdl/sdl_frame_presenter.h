// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing the window's picture: the renderer (the GPU's where there is one,
// software otherwise) scales a streaming texture of the surface into the
// window, nearest-neighbour and letterboxed in black. Only what was drawn
// since the last frame is uploaded.
#include <SDL.h>

#include "platform/rect.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/surface.h"

class Host;

class SdlFramePresenter {
 public:
  // False, with the reason on stderr, when no renderer works for the window.
  bool Create(SDL_Window* window);
  void Destroy();

  // Puts the host's window together, uploads what was drawn and presents it.
  // Returns where the picture lies in output pixels.
  CRect Show(const Host& host, SIZE surfaceSize);
  // The next frame uploads the whole picture (a new size, lost textures).
  void ForgetTexture() { m_texture.reset(); }
  // The drawable size in pixels, which may exceed the window's size in
  // screen units on high-density displays.
  SIZE OutputSize() const;

 private:
  SdlRendererPtr m_renderer;
  SdlTexturePtr m_texture;
  Surface32 m_frame;  // the last picture put together, as the texture holds it
};
