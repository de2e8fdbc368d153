// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL's mouse, key and text events as the program's input messages.
#include <SDL.h>

#include <functional>
#include <string>

#include "platform/rect.h"

class Host;

// Window coordinates (as SDL reports them) to window-surface pixels.
using SurfaceMapper = std::function<POINT(int x, int y)>;

// Posts an input event to the host's queue; false when `e` is not input.
bool PostSdlInput(Host& host, const SDL_Event& e, const SurfaceMapper& toSurface);

// Posts focus lost or gained and minimised or restored (SDL_WINDOWEVENT_*)
// as the window messages that tell the program; other window events are ignored.
void PostSdlWindowState(Host& host, Uint8 windowEvent);

// The desktop's clipboard as UTF-8 ("" when it holds no text).
std::string SdlClipboardText();
void SetSdlClipboardText(const std::string& utf8);
