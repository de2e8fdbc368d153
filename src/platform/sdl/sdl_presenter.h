// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Putting the window's picture on the screen, scaled nearest-neighbour and
// letterboxed in black. Two ways, chosen when the window opens: a streaming
// texture the renderer draws (cheap on a graphics card), or the window's own
// surface, of which only the changed rectangles go to the screen (cheap
// where the renderer rasterises in software and would redraw and swap the
// whole window each frame).
#include <SDL.h>

#include <memory>
#include <string>

#include "platform/rect.h"

class Host;

class SdlPresenter {
 public:
  virtual ~SdlPresenter() = default;
  // Puts the host's window together, sends what changed to the screen and
  // returns where the picture lies in output pixels.
  virtual CRect Show(const Host& host, SIZE surfaceSize) = 0;
  // The next frame sends the whole picture (a new size, lost textures, an
  // exposed window).
  virtual void Forget() = 0;
  // The drawable size in pixels, which may exceed the window's size in
  // screen units on high-density displays.
  virtual SIZE OutputSize() const = 0;
  // Which way, for the frame report.
  virtual std::string Describe() const = 0;
};

// The window surface where the renderer is software (SDL's own, or a GL
// rasterised on the CPU), the texture otherwise; QUINTARO_PRESENT=surface or
// =texture chooses one. Null, with the reason on stderr, when neither works.
std::unique_ptr<SdlPresenter> MakeSdlPresenter(SDL_Window* window);
