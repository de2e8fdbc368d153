// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as the player left it: its size when neither maximised nor full
// screen, and whether it is maximised. Noted as the window changes, so that
// leaving full screen can go back to it and the next run can open with it.
#include <SDL.h>

#include "platform/backend.h"

class SdlWindowPlacement {
 public:
  // The window changed: note its state unless it is full screen (ours or the
  // window manager's) or minimised, which say nothing of the window wanted.
  void Note(SDL_Window* window, bool fullscreen);
  // A new run: the window opens with a remembered placement, or `zoom` times
  // the surface when it has no size.
  void Set(const WindowPlacement& placement) { m_placement = placement; }
  void OpenWith(SDL_Window* window, SIZE surface, int zoom) const;
  // Back from full screen: maximised again, or the size it had.
  void ReturnTo(SDL_Window* window) const;
  const WindowPlacement& Get() const { return m_placement; }

 private:
  WindowPlacement m_placement;
};
