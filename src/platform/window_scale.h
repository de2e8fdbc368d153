// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of showing the window surface scaled on a real screen:
// choosing the integer zoom, placing the picture in the drawable, and mapping
// pointer positions back to surface pixels exactly at every scale.
#include "platform/rect.h"

// The zoom the user picks: Fit (as large as the screen allows) or 1x to 4x.
inline constexpr int kZoomFit = 0;
inline constexpr int kMaxZoom = 4;

// A stored or typed zoom made safe: anything outside Fit..4x means Fit.
int ClampZoom(int zoom);

// Largest integer zoom at which a surface of `surface` size fits in `usable`
// (at least 1).
int ChooseWindowScale(SIZE surface, SIZE usable);

// The window's scale for a zoom choice: Fit takes the largest that fits the
// usable screen area; a fixed zoom is lowered to what fits (never below 1).
int WindowScaleForZoom(int zoom, SIZE surface, SIZE usable);

// Where the surface is drawn in a drawable of `drawable` pixels: the largest
// integer multiple that fits, centred, the rest left black. It never shrinks
// below one times: a drawable too small shows the top-left part at 1x.
CRect PlaceSurface(SIZE surface, SIZE drawable);

// A pointer at (x, y) in window coordinates (which may differ from drawable
// pixels on a high-density screen) to surface pixels. Rounds toward minus
// infinity, so positions left of or above the picture stay negative.
POINT WindowToSurface(POINT window, SIZE windowSize, SIZE drawable, SIZE surface);

// Where a window's outer rectangle `frame` goes so that it lies inside
// `area`, moved as little as possible: the top-left corner. A frame larger
// than the area keeps its top-left corner inside it, so the title bar stays
// reachable.
POINT KeepInside(const CRect& frame, const CRect& area);
