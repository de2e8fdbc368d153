// The tool bar strip (128), the application and document icons (128, 129)
// and the pointing hand over the title screen's games (cursor 399).
#include <cmath>

#include "context.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "core/text.h"
#include "darts/dart_painter.h"
#include "shell/app_icon.h"
#include "shell/figures.h"

namespace art {
namespace {

const Rgb kFace{192, 192, 192};  // the tool bar's button face
const Rgb kInk{0, 0, 0};

// Each glyph is drawn into a 16 x 15 cell whose left edge is at x0.
void MainWindowGlyph(Canvas& c, float x0) {  // a house
  c.Paint(Polygon{{{x0 + 1.5f, 7.5f}, {x0 + 8.f, 1.5f}, {x0 + 14.5f, 7.5f}}}, Hex(0xB02020));
  c.Paint(RoundRect{x0 + 3.5f, 7.f, x0 + 12.5f, 14.f, 0}, Hex(0xF0E0B0));
  c.Paint(RoundRect{x0 + 7.f, 9.5f, x0 + 10.f, 14.f, 0}, Hex(0x704010));
  c.Paint(Subtract{RoundRect{x0 + 3.f, 6.5f, x0 + 13.f, 14.5f, 0}, RoundRect{x0 + 4.f, 7.5f, x0 + 12.f, 13.5f, 0}}, kInk, 0.8f);
}
void PlayersGlyph(Canvas& c, float x0) {  // two people
  for (const auto& [dx, col] : {std::pair{4.5f, Hex(0x2050D0)}, std::pair{10.5f, Hex(0xD03020)}}) {
    c.Paint(Circle{x0 + dx, 4.f, 2.4f}, Hex(0xE8B890));
    c.Paint(RoundRect{x0 + dx - 3.5f, 7.f, x0 + dx + 3.5f, 14.f, 2.5f}, col);
  }
}
void TypeOfGameGlyph(Canvas& c, float x0) {  // a die
  c.Paint(RoundRect{x0 + 2.f, 1.5f, x0 + 14.f, 13.5f, 2.f}, kInk);
  c.Paint(RoundRect{x0 + 3.f, 2.5f, x0 + 13.f, 12.5f, 1.5f}, Rgb{255, 255, 255});
  for (const auto& [px, py] : {std::pair{5.5f, 5.f}, std::pair{8.f, 7.5f}, std::pair{10.5f, 10.f}, std::pair{10.5f, 5.f}, std::pair{5.5f, 10.f}})
    c.Paint(Circle{x0 + px, py, 1.1f}, Hex(0xC01010));
}
void ControlsGlyph(Canvas& c, float x0) {  // three sliders
  for (int i = 0; i < 3; ++i) {
    const float y = 3.f + 4.5f * i;
    c.Paint(Line(x0 + 2.f, y, x0 + 14.f, y, 1.2f), kInk);
    const float kx = x0 + (i == 0 ? 5.f : i == 1 ? 11.f : 8.f);
    c.Paint(RoundRect{kx - 1.8f, y - 2.2f, kx + 1.8f, y + 2.2f, 0.5f}, Hex(0x2050D0));
  }
}
void SoundGlyph(Canvas& c, float x0) {  // a loudspeaker with waves
  c.Paint(Polygon{{{x0 + 1.5f, 5.f}, {x0 + 4.5f, 5.f}, {x0 + 8.5f, 1.5f}, {x0 + 8.5f, 13.5f}, {x0 + 4.5f, 10.f}, {x0 + 1.5f, 10.f}}}, kInk);
  c.Paint(Intersect{Ring{x0 + 8.f, 7.5f, 3.f, 4.1f}, RoundRect{x0 + 10.f, 0, x0 + 16.f, 15, 0}}, kInk);
  c.Paint(Intersect{Ring{x0 + 8.f, 7.5f, 5.6f, 6.7f}, RoundRect{x0 + 10.5f, 0, x0 + 16.f, 15, 0}}, kInk);
}
void HallOfFameGlyph(Canvas& c, float x0) { PaintTrophy(c, x0 + 8.f, 14.5f, 15.f); }
void QuitGlyph(Canvas& c, float x0) {  // a red cross
  c.Paint(Line(x0 + 3.5f, 3.f, x0 + 12.5f, 12.f, 2.6f), Hex(0xC01010));
  c.Paint(Line(x0 + 12.5f, 3.f, x0 + 3.5f, 12.f, 2.6f), Hex(0xC01010));
}
void HelpGlyph(Canvas& c, float x0) {  // a question mark
  TextStyle t;
  t.size = 16;
  t.align = Align::Center;
  t.color = Hex(0x1030A0);
  DrawText(c, t, x0 + 8.f, -0.5f, "?");
}

Canvas DocumentIcon() {
  Canvas c(32, 32, {}, 0.f);
  c.Paint(Polygon{{{5, 1}, {21, 1}, {27, 7}, {27, 31}, {5, 31}}}, kInk);
  c.Paint(Polygon{{{6, 2}, {20.5f, 2}, {26, 7.5f}, {26, 30}, {6, 30}}}, Rgb{255, 255, 255});
  c.Paint(Polygon{{{20.5f, 2}, {20.5f, 7.5f}, {26, 7.5f}}}, RampColor(Ramp::Grey, 0.7f));
  PaintIconBoard(c, 16.f, 19.f, 9.f);
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
  Canvas strip(128, 15, kFace);
  strip.FillRect(0, 0, 128, 15, kFace);
  using Glyph = void (*)(Canvas&, float);
  const Glyph glyphs[8] = {MainWindowGlyph, PlayersGlyph, TypeOfGameGlyph, ControlsGlyph,
                           SoundGlyph, HallOfFameGlyph, QuitGlyph, HelpGlyph};
  for (int i = 0; i < 8; ++i) glyphs[i](strip, 16.f * static_cast<float>(i));
  ctx.sink.Bitmap(128, ctx.quant.Convert(strip, Dither::None));
  ctx.sink.Icon(128, PaintAppIcon(32));
  ctx.sink.Icon(129, DocumentIcon());
  ctx.sink.Cursor(399, PointingHand(), 10, 1);
}

}  // namespace art
