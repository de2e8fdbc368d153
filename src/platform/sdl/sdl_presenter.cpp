// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing how frames reach the screen. Measured under Xvfb with Mesa's
// llvmpipe at 2x, the renderer's path redraws and swaps the whole 1212 x 942
// window each frame on the CPU, while the window surface sends a few small
// rectangles; on a graphics card the renderer's path costs the CPU almost
// nothing and keeps the display's refresh.
#include "platform/sdl/sdl_presenter.h"

#include <cstdio>
#include <cstring>

#include "platform/sdl/sdl_frame_presenter.h"
#include "platform/sdl/sdl_surface_presenter.h"

namespace {

std::unique_ptr<SdlPresenter> MakeSurfacePresenter(SDL_Window* window) {
  // SDL would otherwise back the window surface with a renderer of its own.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  auto presenter = std::make_unique<SdlSurfacePresenter>(window);
  if (!presenter->Create()) return nullptr;
  return presenter;
}

}  // namespace

std::unique_ptr<SdlPresenter> MakeSdlPresenter(SDL_Window* window) {
  const char* asked = SDL_getenv("QUINTARO_PRESENT");
  const bool wantSurface = asked != nullptr && std::strcmp(asked, "surface") == 0;
  const bool wantTexture = asked != nullptr && std::strcmp(asked, "texture") == 0;
  // SDL's software renderer asked for by name rasterises on the CPU too;
  // deciding before it is made keeps SDL from backing its surface with GL.
  const char* driver = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  const bool softwareAsked = driver != nullptr && SDL_strcasecmp(driver, "software") == 0;
  if (wantSurface || (softwareAsked && !wantTexture)) return MakeSurfacePresenter(window);
  auto texture = std::make_unique<SdlFramePresenter>();
  if (!texture->Create(window)) return wantTexture ? nullptr : MakeSurfacePresenter(window);
  if (wantTexture || !texture->RasterisesInSoftware()) return texture;
  // A renderer and the window surface must not share a window: the renderer
  // goes before the surface is taken.
  texture.reset();
  if (auto surface = MakeSurfacePresenter(window)) return surface;
  std::fprintf(stderr, "quintaro: the window surface failed, drawing through the renderer\n");
  texture = std::make_unique<SdlFramePresenter>();
  if (!texture->Create(window)) return nullptr;
  return texture;
}
