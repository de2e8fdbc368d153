#pragma once
// The arithmetic of showing the window surface scaled on a real screen:
// choosing the integer zoom, placing the picture in the drawable, and mapping
// pointer positions back to surface pixels exactly at every scale.
#include "platform/rect.h"

// Largest integer zoom at which a surface of `surface` size fits in `usable`
// (at least 1).
int ChooseWindowScale(SIZE surface, SIZE usable);

// Where the surface is drawn in a drawable of `drawable` pixels: the largest
// integer multiple that fits, centred; shrunk to fit (keeping the aspect)
// when even one times does not.
CRect PlaceSurface(SIZE surface, SIZE drawable);

// A pointer at (x, y) in window coordinates (which may differ from drawable
// pixels on a high-density screen) to surface pixels. Rounds toward minus
// infinity, so positions left of or above the picture stay negative.
POINT WindowToSurface(POINT window, SIZE windowSize, SIZE drawable, SIZE surface);
