// SPDX-License-Identifier: GPL-3.0-or-later
#include "playfields/playfield_common.h"

#include "core/palette.h"
#include "core/shapes.h"
#include "core/text.h"

namespace art {

void PlayfieldTitle(Canvas& c, std::string_view text, float x, float y, Rgb color, int size) {
  TextStyle t;
  t.size = size;
  t.align = Align::Center;
  t.color = color;
  DrawTextShadowed(c, t, x, y, text, {0, 0, 0}, 2.f, 2.f, 1.f);
}

void BoxLabel(Canvas& c, std::string_view text, float x, float y, Rgb color, int size) {
  TextStyle t;
  t.size = size;
  t.align = Align::Center;
  t.color = color;
  DrawTextShadowed(c, t, x, y, text, {0, 0, 0}, 1.f, 1.f);
}

void ScorePanel(Canvas& c, float x0, float y0, float x1, float y1) {
  c.Paint(RoundRect{x0 + 3, y0 + 4, x1 + 3, y1 + 4, 6}, Rgb{0, 0, 0}, 0.5f, 5.f);
  c.Paint(RoundRect{x0, y0, x1, y1, 6}, VerticalGradient(y0, y1, RampColor(Ramp::Steel, 0.75f), RampColor(Ramp::Steel, 0.25f)));
  c.Paint(RoundRect{x0 + 4, y0 + 4, x1 - 4, y1 - 4, 4}, VerticalGradient(y0, y1, RampColor(Ramp::Night, 0.35f), RampColor(Ramp::Night, 0.1f)));
}

}  // namespace art
