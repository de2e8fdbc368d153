// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the view-composition tests share: random playfields, cels and
// places, a slow reference composition, and a view on a headless host.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "app/quintaro_view.h"
#include "gfx/sprite_list.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"

namespace viewtest {

inline constexpr int kW = 602;
inline constexpr int kH = 401;
inline constexpr std::uint32_t kSentinel = 0x00123456;
inline const CRect kViewOnSurface(10, 5, 10 + kW, 5 + kH);

// The static colours at 0-9 and 246-255 and distinct colours between, as
// every playfield of the program is painted.
inline void PaintMasterColours(CDIB& dib) {
  SystemPalette system;
  auto colors = dib.GetColors();
  for (int i = 0; i < 256; ++i) {
    RGBQUAD& c = colors[static_cast<std::size_t>(i)];
    if (i < 10 || i > 245) {
      const PALETTEENTRY& e = system.Entry(i);
      c = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    } else {
      c = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>((i * 37) & 0xFF), 0};
    }
  }
}

inline std::unique_ptr<CDIB> RandomPlayfield(std::mt19937& rng) {
  auto bg = std::make_unique<CDIB>();
  bg->Create(kW, kH);
  PaintMasterColours(*bg);
  std::uniform_int_distribution<int> index(0, 255);
  // Blocks of colour rather than noise, so that misplaced copies show.
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) *bg->PixelPtr(x, y) = static_cast<BYTE>((x / 7 * 31 + y / 5 * 17) & 0xFF);
  *bg->PixelPtr(index(rng) % kW, index(rng) % kH) = static_cast<BYTE>(index(rng));
  return bg;
}

inline std::unique_ptr<CDIB> RandomCel(std::mt19937& rng, int w, int h) {
  std::uniform_int_distribution<int> index(10, 245);
  auto cel = std::make_unique<CDIB>();
  cel->Create(w, h);
  PaintMasterColours(*cel);
  const BYTE key = static_cast<BYTE>(index(rng));
  const BYTE ink = static_cast<BYTE>(index(rng));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) *cel->PixelPtr(x, y) = ((x + y) % 3 == 0) ? key : static_cast<BYTE>(ink + (x & 1));
  *cel->PixelPtr(0, 0) = key;
  return cel;
}

inline CPoint RandomPlace(std::mt19937& rng) {
  std::uniform_int_distribution<int> pick(0, 9), x(-30, kW + 5), y(-30, kH + 5);
  if (pick(rng) == 0) return {-100, -100};  // parked off the playfield
  return {x(rng), y(rng)};
}

// The slow, obvious composition: the playfield, then every sprite from the
// rearmost to the frontmost, pixel by pixel, wherever its cel is not the key.
inline std::vector<BYTE> ReferenceFrame(const CDIB& bg, const CSpriteList& sprites) {
  std::vector<BYTE> frame(static_cast<std::size_t>(kW) * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) frame[static_cast<std::size_t>(y) * kW + x] = *bg.PixelPtr(x, y);
  for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) {
    const CSprite& s = **it;
    const CDIB* cel = s.GetCel();
    if (!cel) continue;
    for (int cy = 0; cy < cel->GetHeight(); ++cy) {
      for (int cx = 0; cx < cel->GetWidth(); ++cx) {
        const int x = s.GetX() + cx, y = s.GetY() + cy;
        const BYTE v = *cel->PixelPtr(cx, cy);
        if (x >= 0 && y >= 0 && x < kW && y < kH && v != s.GetKey()) frame[static_cast<std::size_t>(y) * kW + x] = v;
      }
    }
  }
  return frame;
}

struct Fixture {
  explicit Fixture(DisplayCaps caps = DisplayCaps::Palette8())
      : host(MakeHeadlessBackend({.caps = caps}), nullptr), view(host) {
    host.SetLayout(kW + 30, kH + 20, kViewOnSurface, CRect());
    trueColor = caps.paletteDevice ? FALSE : TRUE;
    view.AttachScene(&sprites, &trueColor);
    sprites.SetView(&view);
  }
  std::uint32_t Window(int x, int y) { return host.WindowSurface().At(kViewOnSurface.left + x, kViewOnSurface.top + y); }
  void FillWindow(std::uint32_t pixel) {
    SurfaceView v = host.DrawOnWholeSurface();
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) v.Row(y)[x] = pixel;
  }
  std::uint32_t Shown(BYTE index) { return host.Palette().Lut()[index]; }

  Host host;
  CQuintaroView view;
  CSpriteList sprites;
  BOOL trueColor;
};

// Every shown pixel of the window equals the reference composition.
inline void ExpectWindowMatchesReference(Fixture& f, const CDIB& bg, const char* when) {
  const std::vector<BYTE> frame = ReferenceFrame(bg, f.sprites);
  int mismatches = 0;
  for (int y = 0; y < kH - 1 && mismatches < 5; ++y) {
    for (int x = 0; x < kW - 1 && mismatches < 5; ++x) {
      const std::uint32_t want = f.Shown(frame[static_cast<std::size_t>(y) * kW + x]);
      if (f.Window(x, y) != want) {
        ADD_FAILURE() << when << ": window (" << x << ", " << y << ") is " << std::hex << f.Window(x, y) << " not "
                      << want;
        ++mismatches;
      }
    }
  }
}

}  // namespace viewtest
