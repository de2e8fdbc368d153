// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of a pop-up window (dialogs, message boxes, the help window):
// raised border, navy caption with bold white title, and a close box.
#include <string_view>

#include "platform/surface.h"

inline constexpr int kFrameBorder = 3;
inline constexpr int kFrameCaption = 18;
inline constexpr int kFrameCaptionGap = 1;
inline constexpr int kCloseBoxWidth = 16;
inline constexpr int kCloseBoxHeight = 14;

// Offsets of the client area inside the window.
inline constexpr int kFrameClientLeft = kFrameBorder;
inline constexpr int kFrameClientTop = kFrameBorder + kFrameCaption + kFrameCaptionGap;
// Window size for a client size.
constexpr SIZE FrameWindowSize(SIZE client) {
  return {client.cx + 2 * kFrameBorder, client.cy + kFrameClientTop + kFrameBorder};
}
// The close box inside a window of `width` (window coordinates).
CRect FrameCloseBox(int width);

enum class CloseBoxState { Normal, Pressed, Disabled };
// Draws border, caption and close box over the whole of `window`; the client
// area is filled with the face colour.
void DrawWindowFrame(SurfaceView window, std::string_view caption, CloseBoxState closeBox);
