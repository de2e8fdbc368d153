// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar strip (bitmap 128, its pictures in toolbar_glyphs.cpp), the
// application and document icons (128, 129), the window's icon at every
// size (130 onwards) and the pointing hand over the
// title screen's games (cursor 399).
#include "context.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "shell/app_icon.h"
#include "shell/toolbar_glyphs.h"

namespace art {
namespace {

const Rgb kFace{192, 192, 192};  // the tool bar's button face
const Rgb kInk{0, 0, 0};

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
  Canvas strip(16 * kToolbarGlyphCount, 15, kFace);
  strip.FillRect(0, 0, strip.Width(), strip.Height(), kFace);
  PaintToolbarGlyphs(strip);
  ctx.sink.Bitmap(128, ctx.quant.Convert(strip, Dither::None));
  ctx.sink.Icon(128, PaintAppIcon(32));
  ctx.sink.Icon(129, DocumentIcon());
  // The window's icon at every size a desktop asks for (130 onwards, in the
  // order of kDesktopIconSizes): a task switcher wants 256, a title bar 16.
  for (std::size_t i = 0; i < kDesktopIconSizes.size(); ++i)
    ctx.sink.Icon(static_cast<unsigned>(130 + i), PaintAppIcon(kDesktopIconSizes[i]));
  ctx.sink.Cursor(399, PointingHand(), 10, 1);
}

}  // namespace art
