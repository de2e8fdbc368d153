// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing primitives of the chrome: pure functions of a surface, a rectangle
// and a state. Everything is clipped to the surface.
#include <cstdint>

#include "platform/surface.h"

void FillRect(SurfaceView dst, const CRect& r, std::uint32_t color);
void HLine(SurfaceView dst, int x0, int x1, int y, std::uint32_t color);  // x1 exclusive
void VLine(SurfaceView dst, int x, int y0, int y1, std::uint32_t color);  // y1 exclusive
void PutPixel(SurfaceView dst, int x, int y, std::uint32_t color);
// A one-pixel frame: `topLeft` on the top and left sides, `bottomRight` on
// the others (the corners go to bottomRight, as the classic edges do).
void Frame3D(SurfaceView dst, const CRect& r, std::uint32_t topLeft, std::uint32_t bottomRight);
void FrameRect(SurfaceView dst, const CRect& r, std::uint32_t color);

// Two-pixel edges. Raised: a button or a popup. Sunken: an edit, a view, a
// pressed button. Etched: group boxes and separators.
void DrawRaisedEdge(SurfaceView dst, const CRect& r);
void DrawSunkenEdge(SurfaceView dst, const CRect& r);
void DrawEtchedFrame(SurfaceView dst, const CRect& r);
// The outer and inner two-pixel edge of a popup window (light outer ring).
void DrawWindowEdge(SurfaceView dst, const CRect& r);
// A push button's face and edge: raised, pressed (sunken, content shifted),
// or checked (sunken over a white-and-grey checkerboard).
enum class ButtonLook { Raised, Pressed, Checked };
void DrawButtonFrame(SurfaceView dst, const CRect& r, ButtonLook look, bool isDefault);
// Checkerboard of two colours (the classic "checked button" dither).
void FillDither(SurfaceView dst, const CRect& r, std::uint32_t a, std::uint32_t b);
// A dotted focus rectangle (every other pixel).
void DrawFocusRect(SurfaceView dst, const CRect& r);
// Horizontal etched line: shadow over highlight (menu separators).
void DrawEtchedLine(SurfaceView dst, int x0, int x1, int y);
