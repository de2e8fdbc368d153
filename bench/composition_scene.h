// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene the frame benchmarks move pieces in: a 602 x 401 patterned
// background and twenty round 25 x 25 pieces in a grid.
#include <memory>

#include "app/quintaro_view.h"
#include "gfx/sprite_list.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"

namespace bench {

inline constexpr int kW = 602;
inline constexpr int kH = 401;
inline constexpr int kSprites = 20;
inline constexpr int kSide = 25;

struct Scene {
  Host host{MakeHeadlessBackend(), nullptr};
  CQuintaroView view{host};
  CSpriteList sprites;
  CDIB background;
  BOOL trueColor = FALSE;
  CSprite* mover = nullptr;     // top left
  CSprite* farMover = nullptr;  // bottom right
  int step = 0;

  Scene() {
    background.Create(kW, kH);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) *background.PixelPtr(x, y) = static_cast<BYTE>(10 + (x / 8 + y / 8) % 200);
    view.AttachScene(&sprites, &trueColor);
    sprites.SetView(&view);
    view.SetBackground(&background);
    for (int i = 0; i < kSprites; ++i) {
      auto cel = std::make_unique<CDIB>();
      cel->Create(kSide, kSide);
      // A round piece: the corners are the key (the top-left pixel).
      for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
          const int dx = x - kSide / 2, dy = y - kSide / 2;
          *cel->PixelPtr(x, y) = dx * dx + dy * dy <= (kSide / 2) * (kSide / 2) ? static_cast<BYTE>(40 + i) : 1;
        }
      auto s = std::make_unique<CSprite>((i % 5) * 110 + 20, (i / 5) * 90 + 20, i % 4, 1);
      s->SetCelImage(0, std::move(cel));
      if (i == 0) mover = s.get();
      if (i == kSprites - 1) farMover = s.get();
      sprites.Insert(std::move(s));
    }
    view.RemapAllSprites();
  }
};

}  // namespace bench
