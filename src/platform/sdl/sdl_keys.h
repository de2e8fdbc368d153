// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL key codes to the classic virtual-key codes the program understands.
#include <SDL.h>

#include "platform/types.h"

// 0 for keys the program has no use for.
UINT VirtualKeyFromSdl(SDL_Keycode key);
