// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message loop of a modal layer (menu, dialog, message box, help). While
// it runs, the host sends all input to `layer` and holds play, so nothing
// plays on behind a question: the view's timers stand still. Other windows'
// timer ticks and all paints keep flowing, and a close request still reaches
// the frame. Other posted messages wait until the layer closes.
#include <functional>

#include "platform/host.h"

// Returns false when the program is quitting (WM_QUIT seen; it is posted
// again for the outer loop).
bool RunModalLoop(Host& host, HWND layer, const std::function<void(const MSG&)>& onMessage,
                  const std::function<bool()>& done);

// True for mouse and keyboard messages.
bool IsInputMessage(UINT message);
