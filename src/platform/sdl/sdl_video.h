// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting SDL's video on a real display, and the room a window may take.
#include <SDL.h>

#include "platform/rect.h"

// True when a real display was found; otherwise the reason each video driver
// gave is on stderr. A driver named in SDL_VIDEODRIVER is taken as it is.
// `appName` is what the desktop calls the program (volume mixer, screen
// saver inhibitors).
bool StartSdlVideo(const char* appName);

// The usable area of the window's screen, less room for the window
// manager's title bar and borders; `fallback` when SDL cannot tell.
SIZE UsableArea(SDL_Window* window, SIZE fallback);

// Sizes the window to `zoom` times the surface (0: as large as the screen
// allows; a zoom the screen cannot hold is lowered), centred if asked.
void SizeWindowForZoom(SDL_Window* window, SIZE surface, int zoom, bool centre);

// Moves the window, frame included, back inside its screen's usable area.
void KeepWindowOnScreen(SDL_Window* window);

// True when the window exactly covers its display and is neither maximised,
// minimised nor full screen by SDL's own flags: the window manager's own
// full screen, of which SDL is not told.
bool WindowCoversItsDisplay(SDL_Window* window);
