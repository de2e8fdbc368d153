// SPDX-License-Identifier: GPL-3.0-or-later
// The ball's three rolling cels, the twelve pictures of a pin (standing and
// falling), and the two swing cursors.
#include <cmath>

#include "bowling/bowling_art.h"
#include "core/decor.h"
#include "core/palette.h"
#include "core/shapes.h"
#include "core/text.h"
#include "games/bowling/model/bowl_geometry.h"

namespace art {
namespace {

using namespace bowling;

const Rgb kOutline{18, 16, 22};

// A lit ball: deep purple with a marbled swirl and three finger holes that
// move down the ball from cel to cel, so it seems to roll up the lane.
Canvas BallCel(int cel) {
  Canvas c(kBallSize, kBallSize, {}, 0.f);
  const float cx = kBallHotSpot.x + 0.5f, cy = kBallHotSpot.y + 0.5f, r = 11.6f;
  c.Paint(Circle{cx, cy, r}, [&](float x, float y) {
    const float swirl = std::sin((x * 0.55f + y * 0.35f) + std::sin(y * 0.4f + cel) * 1.8f);
    const Rgb base = Mix(RampColor(Ramp::Purple, 0.35f), RampColor(Ramp::Navy, 0.5f), 0.5f + 0.5f * swirl);
    const float light = 1.f - std::clamp(Length(x - cx + 4.f, y - cy + 4.f) / (r * 1.6f), 0.f, 1.f);
    return Shade(base, -0.45f + 0.75f * light);
  });
  c.Paint(Circle{cx - 4.f, cy - 4.5f, 2.6f}, Rgb{255, 255, 255}, 0.55f, 2.f);
  const float drop = 4.5f * static_cast<float>(cel) - 5.f;
  const float holes[3][2] = {{-2.6f, -1.f}, {2.6f, -1.f}, {0.f, 4.f}};
  for (const auto& h : holes) {
    const float hy = cy + h[1] + drop;
    if (Length(h[0], hy - cy) > r - 2.5f) continue;
    c.Paint(Circle{cx + h[0], hy, 1.5f}, Rgb{10, 8, 14});
  }
  return c;
}

// A white pin with red neck stripes, from its head (hx, hy) to its base (bx, by).
void PaintPin(Canvas& c, float hx, float hy, float bx, float by, float scale = 1.f) {
  const float dx = bx - hx, dy = by - hy;
  const auto at = [&](float t) { return std::pair<float, float>{hx + dx * t, hy + dy * t}; };
  const Rgb white = Rgb{250, 248, 240}, shadow = RampColor(Ramp::Grey, 0.6f);
  const auto body = [&](float t, float rad) {
    // Plain names, not a structured binding: clang 14 cannot capture those.
    const std::pair<float, float> p = at(t);
    const float x = p.first, y = p.second;
    c.Paint(Circle{x, y, rad * scale}, [&](float px, float py) {
      const float side = ((px - x) * dy - (py - y) * dx) / (Length(dx, dy) * rad * scale + 1e-3f);
      return Mix(white, shadow, std::clamp(0.1f + 0.45f * side, 0.f, 0.7f));
    });
  };
  const std::pair<float, float> profile[] = {{0.08f, 2.6f}, {0.2f, 2.2f}, {0.32f, 1.7f}, {0.45f, 2.4f},
                                             {0.6f, 3.6f},  {0.72f, 4.2f}, {0.84f, 3.8f}, {0.93f, 3.0f}};
  for (std::size_t i = 0; i + 1 < std::size(profile); ++i) {
    const auto [xa, ya] = at(profile[i].first);
    const auto [xb, yb] = at(profile[i + 1].first);
    c.Paint(Line(xa, ya, xb, yb, 2.f * profile[i].second * scale, 2.f * profile[i + 1].second * scale), white);
  }
  for (const auto& [t, rad] : profile) body(t, rad);
  for (float t : {0.27f, 0.36f}) {
    const auto [x, y] = at(t);
    const float nx = -dy / Length(dx, dy), ny = dx / Length(dx, dy);
    const float w = 2.1f * scale;
    c.Paint(Line(x - nx * w, y - ny * w, x + nx * w, y + ny * w, 1.1f), RampColor(Ramp::BoardRed, 0.55f));
  }
}

Canvas PinCel(int w, int h, float hx, float hy, float bx, float by) {
  Canvas c(w, h, {}, 0.f);
  PaintPin(c, hx, hy, bx, by);
  return c;
}

// Pin cels in sprite order, each as head and base points in its picture.
struct PinPose {
  int w, h;
  float hx, hy, bx, by;
};
constexpr PinPose kPoses[12] = {
    {10, 33, 4.5f, 2.f, 4.5f, 32.f},    // 0 standing
    {33, 10, 31.f, 5.f, 1.f, 5.f},      // 1 lying, head right
    {10, 33, 5.f, 1.f, 5.f, 31.f},      // 2 lying straight back along the lane
    {33, 10, 2.f, 5.f, 32.f, 5.f},      // 3 lying, head left
    {28, 25, 2.f, 2.f, 26.f, 23.f},     // 4 falling left
    {28, 25, 26.f, 2.f, 2.f, 23.f},     // 5 falling right
    {28, 25, 26.f, 23.f, 2.f, 2.f},     // 6 spinning on, head down right
    {28, 25, 2.f, 23.f, 26.f, 2.f},     // 7 head down left
    {13, 28, 10.f, 2.f, 3.f, 26.f},     // 8 steep, head right
    {13, 28, 10.f, 26.f, 3.f, 2.f},     // 9 steep, head down
    {28, 13, 2.f, 4.f, 26.f, 9.f},      // 10 nearly flat, head left
    {28, 13, 26.f, 4.f, 2.f, 9.f},      // 11 nearly flat, head right
};

// The swing cursors: a hand pushing a ball; releasing shows the ball flying off with speed lines.
Canvas SwingCursor(bool release) {
  Canvas c(32, 32, {}, 0.f);
  if (release)
    for (int i = 0; i < 3; ++i)
      c.Paint(Line(10.f + 6.f * i, 20.f, 10.f + 6.f * i, 30.f, 1.5f), Rgb{255, 255, 255}, 0.9f);
  const float by = release ? 8.f : 13.f;
  c.Paint(Circle{16.f, by, 7.5f}, RadialGradient(13.f, by - 3.f, 10.f, RampColor(Ramp::Purple, 0.8f), RampColor(Ramp::Purple, 0.15f)));
  for (float hx : {-2.5f, 2.5f}) c.Paint(Circle{16.f + hx, by - 1.5f, 1.1f}, Rgb{10, 8, 14});
  if (!release) c.Paint(RoundRect{9.f, 20.f, 23.f, 30.f, 4.f}, RampColor(Ramp::Skin, 0.7f));
  return WithCursorHalo(c, 0.8f);
}

// A dot of the swing guide: a small soft diamond, chalk-blue for a straight
// line and warm orange once a hook bends it.
Canvas GuideDot(bool hook) {
  Canvas c(kGuideDotSize.cx, kGuideDotSize.cy, {}, 0.f);
  const Rgb ink = hook ? RampColor(Ramp::Orange, 0.55f) : RampColor(Ramp::Navy, 0.55f);
  const float m = kGuideDotSize.cx * 0.5f;
  c.Paint(Polygon{{{m, 0.f}, {static_cast<float>(kGuideDotSize.cx), m}, {m, static_cast<float>(kGuideDotSize.cy)}, {0.f, m}}},
          ink);
  return c;
}

// The speed gauge's marker: a gold bar across the scale with a point on the
// approach's side.
Canvas SpeedMarker() {
  Canvas c(kSpeedMarkerSize.cx, kSpeedMarkerSize.cy, {}, 0.f);
  const float w = static_cast<float>(kSpeedMarkerSize.cx), h = static_cast<float>(kSpeedMarkerSize.cy);
  c.Paint(Polygon{{{0.f, h * 0.5f}, {5.f, 0.f}, {w, 0.f}, {w, h}, {5.f, h}}},
          [h](float, float y) { return Mix(RampColor(Ramp::Gold, 0.9f), RampColor(Ramp::Gold, 0.35f), y / h); });
  c.Paint(Line(6.f, 1.5f, w - 1.f, 1.5f, 1.f), RampColor(Ramp::Gold, 0.98f), 0.8f);
  return c;
}

// A word over the lane after a ball, in the style of the alley's signs: a
// lit plaque with bold outlined letters.
Canvas Banner(std::string_view word, Ramp plate, Ramp letters) {
  const float w = static_cast<float>(kBannerSize.cx), h = static_cast<float>(kBannerSize.cy);
  Canvas c(kBannerSize.cx, kBannerSize.cy, {}, 0.f);
  c.Paint(RoundRect{0.5f, 0.5f, w - 0.5f, h - 0.5f, 6.f}, RampColor(Ramp::Steel, 0.85f));
  c.Paint(RoundRect{2.f, 2.f, w - 2.f, h - 2.f, 5.f},
          [&](float, float y) { return Mix(RampColor(plate, 0.55f), RampColor(plate, 0.15f), y / h); });
  TextStyle style;
  style.size = 20;
  style.color = RampColor(letters, 0.95f);
  const float width = MeasureText(style, word);
  if (width > w - 10.f) style.scale = (w - 10.f) / width;
  style.align = Align::Center;
  DrawTextShadowed(c, style, w * 0.5f, (h - 20.f * style.scale) * 0.5f - 1.f, word, Rgb{12, 8, 10}, 1.f, 1.f, 1.f);
  return c;
}

}  // namespace

void MakeBowlingSprites(Context& ctx) {
  for (std::size_t i = 0; i < kBallCels.size(); ++i)
    ctx.sink.Bitmap(kBallCels[i], ctx.quant.ConvertKeyed(BallCel(static_cast<int>(i)), kOutline, 0.45f));
  for (std::size_t i = 0; i < kPinCels.size(); ++i) {
    const PinPose& p = kPoses[i];
    ctx.sink.Bitmap(kPinCels[i], ctx.quant.ConvertKeyed(PinCel(p.w, p.h, p.hx, p.hy, p.bx, p.by), kOutline, 0.45f));
  }
  ctx.sink.Bitmap(kGuideDotCel, ctx.quant.ConvertKeyed(GuideDot(false), Rgb{230, 200, 150}, 0.3f));
  ctx.sink.Bitmap(kHookDotCel, ctx.quant.ConvertKeyed(GuideDot(true), Rgb{230, 200, 150}, 0.3f));
  ctx.sink.Bitmap(kSpeedMarkerCel, ctx.quant.ConvertKeyed(SpeedMarker(), kOutline, 0.45f));
  ctx.sink.Bitmap(kBannerCels[kBannerStrike], ctx.quant.ConvertKeyed(Banner("STRIKE!", Ramp::BoardRed, Ramp::Gold), kOutline, 0.45f));
  ctx.sink.Bitmap(kBannerCels[kBannerSpare], ctx.quant.ConvertKeyed(Banner("SPARE!", Ramp::Navy, Ramp::Gold), kOutline, 0.45f));
  ctx.sink.Bitmap(kBannerCels[kBannerSplit], ctx.quant.ConvertKeyed(Banner("SPLIT", Ramp::Purple, Ramp::Ice), kOutline, 0.45f));
  ctx.sink.Bitmap(kBannerCels[kBannerFoul], ctx.quant.ConvertKeyed(Banner("FOUL", Ramp::Grey, Ramp::BoardRed), kOutline, 0.45f));
  ctx.sink.Cursor(kDragCursor, SwingCursor(false), 16, 13);
  ctx.sink.Cursor(kReleaseCursor, SwingCursor(true), 16, 8);
}

}  // namespace art
