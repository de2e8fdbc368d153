// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's icon at every size it comes in.
#include <SDL.h>

#include <span>

#include "platform/resources.h"

// SDL takes one picture; on X11 every size is offered to the desktop as well,
// so the task switcher and the title bar each pick the one that fits.
void SetSdlWindowIcons(SDL_Window* window, std::span<const CursorImage> icons);
