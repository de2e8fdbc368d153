// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing the window's picture through the window's own surface: the program
// scales what changed into it and sends only those rectangles to the screen
// (on X11 a shared-memory image each), so a frame where a mallet moved costs
// what the mallet covers, not the whole window.
#include <SDL.h>

#include <string>

#include "platform/sdl/sdl_presenter.h"
#include "platform/surface.h"

class SdlSurfacePresenter final : public SdlPresenter {
 public:
  explicit SdlSurfacePresenter(SDL_Window* window) : m_window(window) {}

  // False, with the reason on stderr, when the window has no surface.
  bool Create();

  CRect Show(const Host& host, SIZE surfaceSize) override;
  void Forget() override { m_whole = true; }
  SIZE OutputSize() const override;
  std::string Describe() const override;

 private:
  // Copies `area` of the frame, scaled, into the window surface; returns the
  // window pixels written.
  SDL_Rect CopyScaled(SDL_Surface* target, const CRect& area, const CRect& place);
  void CopyConverted(SDL_Surface* target, const CRect& area, const SDL_Rect& to, int scale);

  SDL_Window* m_window;
  Surface32 m_frame;         // the last picture put together
  SIZE m_shownSize{};        // the window surface's size when last shown
  bool m_whole = true;       // the next frame sends everything, black borders too
};
