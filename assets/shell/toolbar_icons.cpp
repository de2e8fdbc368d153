// The tool bar strip (bitmap 128, its pictures in toolbar_glyphs.cpp), the
// application and document icons (128, 129) and the pointing hand over the
// title screen's games (cursor 399).
#include <cmath>

#include "context.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "darts/dart_painter.h"
#include "shell/toolbar_glyphs.h"

namespace art {
namespace {

const Rgb kFace{192, 192, 192};  // the tool bar's button face
const Rgb kInk{0, 0, 0};

// A dartboard simplified for icon sizes: bold rings, no wires or numbers.
void IconBoard(Canvas& c, float cx, float cy, float r) {
  c.Paint(Circle{cx, cy, r}, RampColor(Ramp::Grey, 0.06f));
  const float rings[5] = {0.84f, 0.70f, 0.47f, 0.37f, 0.16f};  // double, single, treble, single, bull
  for (int ring = 0; ring < 4; ++ring) {
    const float outer = r * rings[ring], inner = r * rings[ring + 1];
    for (int k = 0; k < 20; ++k) {
      const float a0 = (9.f + 18.f * k) * 0.0174533f, a1 = (27.f + 18.f * k) * 0.0174533f;
      const bool dark = k % 2 == 0;
      const bool scoring = ring == 0 || ring == 2;
      const Rgb col = scoring ? (dark ? RampColor(Ramp::BoardRed, 0.45f) : RampColor(Ramp::BoardGreen, 0.5f))
                              : (dark ? RampColor(Ramp::BoardBlack, 0.3f) : RampColor(Ramp::BoardCream, 0.7f));
      Polygon wedge{{{cx, cy}, {cx + std::cos(a0) * outer * 1.2f, cy - std::sin(a0) * outer * 1.2f},
                     {cx + std::cos(a1) * outer * 1.2f, cy - std::sin(a1) * outer * 1.2f}}};
      c.Paint(Intersect{wedge, Ring{cx, cy, inner, outer}}, col);
    }
  }
  c.Paint(Circle{cx, cy, r * 0.16f}, RampColor(Ramp::BoardGreen, 0.5f));
  c.Paint(Circle{cx, cy, r * 0.08f}, RampColor(Ramp::BoardRed, 0.5f));
}

Canvas AppIcon() {
  Canvas c(32, 32, {}, 0.f);
  IconBoard(c, 15.5f, 16.5f, 15.f);
  PaintDart(c, 17.f, 15.f, 30.f, 2.f, PlayerColor(0), 3.5f, 1.1f);
  return c;
}

Canvas DocumentIcon() {
  Canvas c(32, 32, {}, 0.f);
  c.Paint(Polygon{{{5, 1}, {21, 1}, {27, 7}, {27, 31}, {5, 31}}}, kInk);
  c.Paint(Polygon{{{6, 2}, {20.5f, 2}, {26, 7.5f}, {26, 30}, {6, 30}}}, Rgb{255, 255, 255});
  c.Paint(Polygon{{{20.5f, 2}, {20.5f, 7.5f}, {26, 7.5f}}}, RampColor(Ramp::Grey, 0.7f));
  IconBoard(c, 16.f, 19.f, 9.f);
  return c;
}

// A white gloved hand pointing up, the fingertip at the top-left area.
Canvas PointingHand() {
  Canvas c(32, 32, {}, 0.f);
  const Rgb glove{255, 255, 255};
  auto hand = Union{Union{Union{RoundRect{7.f, 0.5f, 13.f, 18.f, 3.f}, RoundRect{7.f, 12.f, 24.f, 28.f, 4.f}},
                          Union{RoundRect{12.f, 9.f, 17.f, 18.f, 2.5f}, RoundRect{16.f, 10.f, 21.f, 18.f, 2.5f}}},
                    Union{RoundRect{20.f, 11.f, 25.f, 20.f, 2.5f}, Line(8.f, 19.f, 2.f, 13.f, 5.f)}};
  // Black outline, then the white glove, then the creases.
  c.Paint(hand, kInk, 1.f, 1.f);
  struct Shrunk {
    decltype(hand) h;
    float operator()(float x, float y) const { return h(x, y) + 1.1f; }
    Box Bounds() const { return h.Bounds(); }
  };
  c.Paint(Shrunk{hand}, glove);
  c.Paint(Line(12.5f, 13.f, 12.5f, 17.f, 0.8f), kInk, 0.8f);
  c.Paint(Line(16.5f, 13.f, 16.5f, 17.f, 0.8f), kInk, 0.8f);
  c.Paint(Line(20.5f, 14.f, 20.5f, 18.f, 0.8f), kInk, 0.8f);
  c.Paint(RoundRect{9.f, 27.f, 23.f, 31.f, 1.f}, Hex(0x2050D0));
  return c;
}

}  // namespace

void MakeToolbarAndIcons(Context& ctx) {
  Canvas strip(16 * kToolbarGlyphCount, 15, kFace);
  strip.FillRect(0, 0, strip.Width(), strip.Height(), kFace);
  PaintToolbarGlyphs(strip);
  ctx.sink.Bitmap(128, ctx.quant.Convert(strip, Dither::None));
  ctx.sink.Icon(128, AppIcon());
  ctx.sink.Icon(129, DocumentIcon());
  ctx.sink.Cursor(399, PointingHand(), 10, 1);
}

}  // namespace art
