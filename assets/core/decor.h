// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces of scenery shared by many pictures: wood-framed panels, sunken
// boxes, lit walls and brass plaques.
#include <cstdint>
#include <string_view>

#include "core/canvas.h"
#include "core/palette.h"

namespace art {

// Wall of vertical wooden planks with a spotlight centred at (lx, ly).
void PaintPanelledWall(Canvas& c, std::uint32_t seed, float lx, float ly, float lightRadius, Ramp ramp = Ramp::Wood);
// Darkens the picture away from (lx, ly): a soft vignette.
void Vignette(Canvas& c, float lx, float ly, float radius, float strength);
// A wooden frame `border` pixels wide around [x0,x1) x [y0,y1) (outside it), with a drop shadow.
void WoodFrame(Canvas& c, int x0, int y0, int x1, int y1, int border, std::uint32_t seed);
// A slate chalkboard filling the box.
void Chalkboard(Canvas& c, int x0, int y0, int x1, int y1, std::uint32_t seed);
// A box the program draws into: exact flat colour, with a thin sunken edge just outside it.
void ProgramBox(Canvas& c, int x0, int y0, int x1, int y1, Rgb fill = {0, 0, 0});
// A brass plaque with engraved text, centred in the box.
void BrassPlaque(Canvas& c, float x0, float y0, float x1, float y1, std::string_view text, int textSize);
// The picture over a dark halo one pixel wide (`strength` its opacity), which
// keeps a cursor visible on light and dark ground alike.
Canvas WithCursorHalo(const Canvas& c, float strength);
// Soft shadow of an ellipse on the floor.
void ContactShadow(Canvas& c, float cx, float cy, float rx, float ry, float alpha);

}  // namespace art
