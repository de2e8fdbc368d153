// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_window_placement.h"

#include "platform/sdl/sdl_video.h"

void SdlWindowPlacement::Note(SDL_Window* window, bool fullscreen) {
  const Uint32 flags = SDL_GetWindowFlags(window);
  if (fullscreen || (flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0) return;
  if (WindowCoversItsDisplay(window)) return;
  m_placement.maximized = (flags & SDL_WINDOW_MAXIMIZED) != 0;
  if (!m_placement.maximized) SDL_GetWindowSize(window, &m_placement.width, &m_placement.height);
}

void SdlWindowPlacement::OpenWith(SDL_Window* window, SIZE surface, int zoom) const {
  if (m_placement.width > 0 && m_placement.height > 0) {
    SDL_SetWindowSize(window, m_placement.width, m_placement.height);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else {
    SizeWindowForZoom(window, surface, zoom, true);
  }
  // The size above is the one it returns to when the player restores it.
  if (m_placement.maximized) SDL_MaximizeWindow(window);
}

void SdlWindowPlacement::ReturnTo(SDL_Window* window) const {
  if (m_placement.maximized) {
    SDL_MaximizeWindow(window);
    return;
  }
  if (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) SDL_RestoreWindow(window);
  if (m_placement.width > 0 && m_placement.height > 0) SDL_SetWindowSize(window, m_placement.width, m_placement.height);
}
