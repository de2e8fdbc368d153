// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owning handles for SDL objects.
#include <SDL.h>

#include <memory>

struct SdlDeleter {
  void operator()(SDL_Window* p) const { SDL_DestroyWindow(p); }
  void operator()(SDL_Renderer* p) const { SDL_DestroyRenderer(p); }
  void operator()(SDL_Texture* p) const { SDL_DestroyTexture(p); }
  void operator()(SDL_Surface* p) const { SDL_FreeSurface(p); }
  void operator()(SDL_Cursor* p) const { SDL_FreeCursor(p); }
};

using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlDeleter>;
using SdlRendererPtr = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using SdlTexturePtr = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlDeleter>;
using SdlCursorPtr = std::unique_ptr<SDL_Cursor, SdlDeleter>;
