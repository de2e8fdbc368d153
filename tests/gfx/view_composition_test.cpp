// SPDX-License-Identifier: GPL-3.0-or-later
// The view's composition: frames composed from the playfield and the sprites,
// shown on the window surface through dirty rectangles, checked against a
// slow reference composition.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "gfx/bitmap_builder.h"
#include "view_composition_support.h"

using namespace gfxtest;
using namespace viewtest;

TEST(ViewComposition, RandomScenesMatchTheReferenceAfterEveryFlush) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    std::mt19937 rng(seed);
    Fixture f;
    auto bg = RandomPlayfield(rng);
    ASSERT_TRUE(f.view.SetBackground(bg.get()));
    std::uniform_int_distribution<int> depth(0, 5), cels(1, 3), side(1, 40);
    std::vector<CSprite*> placed;
    for (int i = 0; i < 20; ++i) {
      const CPoint at = RandomPlace(rng);
      auto s = std::make_unique<CSprite>(at.x, at.y, depth(rng), cels(rng));
      // A sprite's cels share one size: a cel change redraws the old rectangle only.
      const int w = side(rng), h = side(rng);
      for (int c = 0; c < s->GetCelCount(); ++c) s->SetCelImage(c, RandomCel(rng, w, h));
      placed.push_back(s.get());
      f.sprites.Insert(std::move(s));
    }
    f.view.RemapAllSprites();
    ExpectWindowMatchesReference(f, *bg, "full frame");

    std::uniform_int_distribution<int> which(0, 19), what(0, 3), step(-6, 6);
    for (int round = 0; round < 4; ++round) {
      for (int change = 0; change < 8; ++change) {
        CSprite* s = placed[static_cast<std::size_t>(which(rng))];
        switch (what(rng)) {
          case 0: s->SetPosition(s->GetPosX() + step(rng), s->GetPosY() + step(rng)); break;
          case 1: { const CPoint at = RandomPlace(rng); s->SetPosition(at.x, at.y); break; }
          case 2: s->SetCel(which(rng) % s->GetCelCount()); break;
          default: {
            // A depth change is redrawn where the sprite stands, as games do.
            s->SetDepth(depth(rng));
            CRect r;
            s->GetRect(&r);
            f.view.AddDirtyRect(&r);
            break;
          }
        }
      }
      f.view.FlushDirtyRects();
      EXPECT_TRUE(f.view.m_dirtyRects.IsEmpty());
      ExpectWindowMatchesReference(f, *bg, "after flush");
    }
  }
}

TEST(ViewComposition, FullBlitStopsShortOfTheLastColumnAndRow) {
  std::mt19937 rng(9);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  f.FillWindow(kSentinel);
  f.view.BlitRect(nullptr);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool shown = x < kW - 1 && y < kH - 1;
      ASSERT_EQ(f.Window(x, y) != kSentinel, shown) << x << "," << y;
    }
  }
  // Nothing outside the view is touched.
  EXPECT_EQ(f.host.WindowSurface().At(kViewOnSurface.left - 1, kViewOnSurface.top), kSentinel);
  EXPECT_EQ(f.host.WindowSurface().At(kViewOnSurface.left, kViewOnSurface.top - 1), kSentinel);
}

TEST(ViewComposition, FlushShowsOnlyTheDirtyRectangles) {
  std::mt19937 rng(10);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  auto cel = CelWithBlock(25, 25, 20, 30, 2, 2, 23, 23);
  PaintMasterColours(*cel);
  auto owned = SpriteWith(std::move(cel), 200, 150, 1);
  CSprite* s = owned.get();
  f.sprites.Insert(std::move(owned));
  f.view.RemapAllSprites();
  f.FillWindow(kSentinel);
  s->SetPosition(202, 150);
  ASSERT_EQ(f.view.m_dirtyRects.GetCount(), 1u);
  EXPECT_EQ(f.view.m_dirtyRects.Rects().front(), CRect(200, 150, 227, 175));
  f.view.FlushDirtyRects();
  const std::vector<BYTE> frame = ReferenceFrame(*bg, f.sprites);
  for (int y = 140; y < 185; ++y) {
    for (int x = 190; x < 240; ++x) {
      const bool dirty = x >= 200 && x < 227 && y >= 150 && y < 175;
      if (dirty) {
        ASSERT_EQ(f.Window(x, y), f.Shown(frame[static_cast<std::size_t>(y) * kW + x])) << x << "," << y;
      } else {
        ASSERT_EQ(f.Window(x, y), kSentinel) << x << "," << y;
      }
    }
  }
}

TEST(ViewComposition, SpritesAreClippedAtThePlayfieldsEdges) {
  std::mt19937 rng(11);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  for (CPoint at : {CPoint(-10, -10), CPoint(kW - 10, kH - 10), CPoint(-100, -100), CPoint(kW + 50, 3)}) {
    auto cel = CelWithBlock(30, 30, 20, 30, 1, 1, 30, 30);
    PaintMasterColours(*cel);
    f.sprites.Insert(SpriteWith(std::move(cel), at.x, at.y, 0));
  }
  f.view.RemapAllSprites();
  ExpectWindowMatchesReference(f, *bg, "clipped sprites");
  const BYTE ink = *f.sprites.begin()->get()->GetCel()->PixelPtr(5, 5);
  EXPECT_EQ(f.Window(0, 0), f.Shown(ink));
  EXPECT_EQ(*f.view.m_pOffscreen->PixelPtr(kW - 1, kH - 1), ink);
}

TEST(ViewComposition, PaintingShowsTheLastComposedFrameWithoutRecomposing) {
  std::mt19937 rng(12);
  Fixture f;
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  const std::uint32_t shownBefore = f.Window(40, 40);
  *bg->PixelPtr(40, 40) = static_cast<BYTE>(*bg->PixelPtr(40, 40) ^ 0x55);
  f.FillWindow(kSentinel);  // the window was covered
  f.view.BlitRect(nullptr);
  EXPECT_EQ(f.Window(40, 40), shownBefore);
}

TEST(ViewComposition, WithoutAFrameBufferNothingIsDrawnAndNothingBreaks) {
  Fixture f;
  f.FillWindow(kSentinel);
  const CRect r(0, 0, 50, 50);
  f.view.RenderRect(&r);
  f.view.BlitRect(nullptr);
  f.view.AddDirtyRect(&r);
  f.view.FlushDirtyRects();
  f.view.RemapAllSprites();
  EXPECT_FALSE(f.view.SetBackground(nullptr));
  EXPECT_EQ(f.view.m_pOffscreen, nullptr);
  f.view.BlitRect(nullptr);
  EXPECT_EQ(f.Window(10, 10), kSentinel);
  // A real background afterwards works as usual.
  std::mt19937 rng(13);
  auto bg = RandomPlayfield(rng);
  EXPECT_TRUE(f.view.SetBackground(bg.get()));
  EXPECT_NE(f.Window(10, 10), kSentinel);
}

TEST(ViewComposition, DebugSwitchOutlinesFlushedRectangles) {
  setenv("QUINTARO_DEBUG_DIRTY", "1", 1);
  Fixture f;
  unsetenv("QUINTARO_DEBUG_DIRTY");
  std::mt19937 rng(15);
  auto bg = RandomPlayfield(rng);
  ASSERT_TRUE(f.view.SetBackground(bg.get()));
  const CRect r(20, 30, 40, 50);
  f.view.AddDirtyRect(&r);
  f.view.FlushDirtyRects();
  EXPECT_EQ(f.Window(20, 30), 0x00FF00FFu);
  EXPECT_EQ(f.Window(39, 49), 0x00FF00FFu);
  EXPECT_NE(f.Window(30, 40), 0x00FF00FFu);
}
