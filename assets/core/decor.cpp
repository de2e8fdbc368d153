// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/decor.h"

#include <algorithm>
#include <cmath>

#include "core/noise.h"
#include "core/shapes.h"
#include "core/text.h"
#include "core/textures.h"

namespace art {

void PaintPanelledWall(Canvas& c, std::uint32_t seed, float lx, float ly, float lightRadius, Ramp ramp) {
  const float plank = 38.f;
  c.Fill({0, 0, static_cast<float>(c.Width()), static_cast<float>(c.Height())}, [&](float x, float y) {
    const int i = static_cast<int>(std::floor(x / plank));
    const float u = x - static_cast<float>(i) * plank;
    Rgb wood = WoodGrain(y + static_cast<float>(i) * 97.f, x * 1.6f, seed + static_cast<std::uint32_t>(i), true,
                         ramp, 0.16f, 0.42f);
    wood = Shade(wood, (Hash2(i, 0, seed) - 0.5f) * 0.16f);
    if (u < 1.2f) wood = Shade(wood, -0.55f);          // the joint
    else if (u < 2.4f) wood = Shade(wood, 0.10f);      // its lit edge
    const float d = Length(x - lx, (y - ly) * 1.2f) / lightRadius;
    const float light = std::clamp(1.15f - d * d * 0.75f, 0.35f, 1.15f);
    return Clamp(Scale(wood, light));
  });
}

void Vignette(Canvas& c, float lx, float ly, float radius, float strength) {
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      if (c.IsFlat(x, y)) continue;
      const float d = Length(static_cast<float>(x) - lx, static_cast<float>(y) - ly) / radius;
      c.Blend(x, y, {0, 0, 0}, std::clamp((d - 0.6f) * strength, 0.f, 0.8f));
    }
}

void WoodFrame(Canvas& c, int x0, int y0, int x1, int y1, int border, std::uint32_t seed) {
  const float b = static_cast<float>(border);
  const float fx0 = static_cast<float>(x0) - b, fy0 = static_cast<float>(y0) - b;
  const float fx1 = static_cast<float>(x1) + b, fy1 = static_cast<float>(y1) + b;
  c.Paint(RoundRect{fx0 + 4, fy0 + 5, fx1 + 4, fy1 + 5, 3}, Rgb{0, 0, 0}, 0.5f, 6.f);
  c.Paint(Subtract{RoundRect{fx0, fy0, fx1, fy1, 2}, RoundRect{float(x0), float(y0), float(x1), float(y1), 0}},
          [&](float x, float y) {
            // Grain follows the frame side; bevel light from the upper left.
            const bool horizontal = y < static_cast<float>(y0) || y >= static_cast<float>(y1);
            Rgb w = WoodGrain(horizontal ? x : y, horizontal ? y * 2 : x * 2, seed, true, Ramp::Wood, 0.35f, 0.6f);
            const float ox = std::min(x - fx0, fx1 - x), oy = std::min(y - fy0, fy1 - y);
            const float edge = std::min(ox, oy) / b;  // 0 at the outer edge, 1 at the inner
            const bool lit = (x - fx0 < fx1 - x) ? (ox < oy || y - fy0 < fy1 - y) : (y - fy0 < fy1 - y && oy < ox);
            w = Shade(w, (lit ? 0.18f : -0.25f) * (1.f - edge) + (edge > 0.8f ? -0.3f : 0.f));
            return w;
          });
}

void Chalkboard(Canvas& c, int x0, int y0, int x1, int y1, std::uint32_t seed) {
  c.Fill({float(x0), float(y0), float(x1 - 1), float(y1 - 1)}, [&](float x, float y) {
    const float n = Fbm(x * 0.05f, y * 0.05f, seed, 3);
    const float smudge = Fbm(x * 0.012f, y * 0.03f, seed + 5u, 2);
    return Mix(RampColor(Ramp::Chalk, 0.15f), RampColor(Ramp::Chalk, 0.55f), std::clamp(n * 0.5f + smudge * 0.5f, 0.f, 1.f));
  });
}

void ProgramBox(Canvas& c, int x0, int y0, int x1, int y1, Rgb fill) {
  // Sunken edge one pixel outside the box: dark above and left, light below and right.
  const Rgb dark = RampColor(Ramp::Grey, 0.05f), light = RampColor(Ramp::Grey, 0.55f);
  for (int x = x0 - 1; x <= x1; ++x) {
    c.Set(x, y0 - 1, dark);
    c.MarkFlat(x, y0 - 1);
    c.Set(x, y1, light);
    c.MarkFlat(x, y1);
  }
  for (int y = y0 - 1; y <= y1; ++y) {
    c.Set(x0 - 1, y, dark);
    c.MarkFlat(x0 - 1, y);
    c.Set(x1, y, light);
    c.MarkFlat(x1, y);
  }
  c.FillRect(x0, y0, x1, y1, fill);
}

void BrassPlaque(Canvas& c, float x0, float y0, float x1, float y1, std::string_view text, int textSize) {
  c.Paint(RoundRect{x0 + 2, y0 + 3, x1 + 2, y1 + 3, 4}, Rgb{0, 0, 0}, 0.5f, 3.f);
  c.Paint(RoundRect{x0, y0, x1, y1, 4}, [&](float x, float y) {
    const float t = (y - y0) / (y1 - y0);
    const Rgb base = Mix(RampColor(Ramp::Gold, 0.85f), RampColor(Ramp::Gold, 0.45f), t);
    return BrushedMetal(x, y, 41u, base);
  });
  c.Paint(Subtract{RoundRect{x0 + 2, y0 + 2, x1 - 2, y1 - 2, 3}, RoundRect{x0 + 3, y0 + 3, x1 - 3, y1 - 3, 2}},
          RampColor(Ramp::Gold, 0.3f), 0.8f);
  for (float sx : {x0 + 6.f, x1 - 6.f})
    c.Paint(Circle{sx, (y0 + y1) * 0.5f, 1.8f}, RampColor(Ramp::Gold, 0.25f));
  TextStyle t;
  t.size = textSize;
  t.align = Align::Center;
  t.color = RampColor(Ramp::Gold, 0.95f);
  const FontAtlas& f = GetFont(true, textSize);
  const float ty = (y0 + y1) * 0.5f - static_cast<float>(f.cellHeight) * 0.5f;
  // Engraved: a dark cut with a light lower edge.
  DrawText(c, t, (x0 + x1) * 0.5f, ty + 1.f, text);
  t.color = RampColor(Ramp::Gold, 0.12f);
  DrawText(c, t, (x0 + x1) * 0.5f, ty, text);
}

void ContactShadow(Canvas& c, float cx, float cy, float rx, float ry, float alpha) {
  c.Paint(Ellipse{cx, cy, rx, ry}, Rgb{0, 0, 0}, alpha, std::max(2.f, ry));
}

Canvas WithCursorHalo(const Canvas& c, float strength) {
  Canvas halo(c.Width(), c.Height(), {}, 0.f);
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      float a = 0.f;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if (c.Inside(x + dx, y + dy)) a = std::max(a, c.At(x + dx, y + dy).a);
      halo.Set(x, y, {0, 0, 0}, a * strength);
    }
  halo.Draw(c, 0, 0);
  return halo;
}

}  // namespace art
