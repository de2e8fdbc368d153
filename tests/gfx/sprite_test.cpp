// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "gfx/bitmap_builder.h"
#include "gfx/palette.h"
#include "gfx/sprite.h"

using namespace gfxtest;

namespace {

struct Change {
  UINT code;
  bool hasOld, hasNew;
  CRect old, now;
};

class RecordingObserver : public CSpriteObserver {
 public:
  void OnSpriteChanged(CSprite*, UINT nChange, const CRect* pOld, const CRect* pNew) override {
    changes.push_back({nChange, pOld != nullptr, pNew != nullptr, pOld ? *pOld : CRect(), pNew ? *pNew : CRect()});
  }
  std::vector<Change> changes;
};

constexpr BYTE kKey = 200;
constexpr BYTE kInk = 5;

// A 10 x 10 sprite, opaque everywhere except the key at its top-left pixel.
std::unique_ptr<CSprite> TenByTen(int x, int y) {
  auto cel = SolidImage(10, 10, kInk);
  *cel->PixelPtr(0, 0) = kKey;
  return SpriteWith(std::move(cel), x, y, 0);
}

}  // namespace

TEST(Sprite, HotSpotPositions) {
  CSprite s;
  s.SetHotSpot(5, 5);
  s.SetPosition(100, 50);
  EXPECT_EQ(s.GetX(), 95);
  EXPECT_EQ(s.GetY(), 45);
  EXPECT_EQ(s.GetPosX(), 100);
  // Moving the hot spot leaves the picture where it is.
  s.SetHotSpot(2, 3);
  EXPECT_EQ(s.GetX(), 95);
  EXPECT_EQ(s.GetY(), 45);
  EXPECT_EQ(s.GetPosX(), 97);
  EXPECT_EQ(s.GetPosY(), 48);
}

TEST(Sprite, HitTestIsStrictAtTheTopLeftEdges) {
  auto s = TenByTen(0, 0);
  *s->GetCel()->PixelPtr(3, 3) = kKey;
  EXPECT_FALSE(s->HitTest(0, 0));
  EXPECT_FALSE(s->HitTest(0, 5));
  EXPECT_FALSE(s->HitTest(5, 0));
  EXPECT_TRUE(s->HitTest(1, 1));
  EXPECT_TRUE(s->HitTest(9, 9));
  EXPECT_FALSE(s->HitTest(3, 3));  // the key
  EXPECT_FALSE(s->HitTest(10, 5));
  EXPECT_FALSE(s->HitTest(5, 10));
  EXPECT_FALSE(s->HitTest(-1, -1));
}

TEST(Sprite, OverlapNeedsMoreThanASharedColumn) {
  auto a = TenByTen(0, 0);
  auto b = TenByTen(9, 0);
  EXPECT_FALSE(a->Overlaps(b.get(), FALSE));
  b->SetPosition(8, 0);
  EXPECT_TRUE(a->Overlaps(b.get(), FALSE));
  EXPECT_TRUE(b->Overlaps(a.get(), FALSE));
  b->SetPosition(0, 9);
  EXPECT_FALSE(a->Overlaps(b.get(), FALSE));
  b->SetPosition(50, 50);
  EXPECT_FALSE(a->Overlaps(b.get(), FALSE));
  EXPECT_FALSE(a->Overlaps(nullptr, FALSE));
}

TEST(Sprite, PixelOverlapLooksForTwoOpaquePixels) {
  // Two 10 x 10 cels, each opaque only in one 3 x 3 corner block.
  auto a = SpriteWith(CelWithBlock(10, 10, kKey, kInk, 7, 7, 10, 10), 0, 0, 0);  // bottom right
  auto b = SpriteWith(CelWithBlock(10, 10, kKey, kInk, 0, 0, 3, 3), 5, 5, 0);     // top left
  // Rectangles overlap on (5..9, 5..9); the blocks cover (7..9) and (5..7), meeting at (7, 7).
  EXPECT_TRUE(a->Overlaps(b.get(), FALSE));
  EXPECT_TRUE(a->Overlaps(b.get(), TRUE));  // both opaque at (7, 7)
  b->SetPosition(6, 6);                     // b's block now (6..8): still meets a's at (7..8)
  EXPECT_TRUE(a->Overlaps(b.get(), TRUE));
  auto c = SpriteWith(CelWithBlock(10, 10, kKey, kInk, 0, 0, 2, 2), 5, 5, 0);  // block (5..6)
  EXPECT_TRUE(a->Overlaps(c.get(), FALSE));
  EXPECT_FALSE(a->Overlaps(c.get(), TRUE));
}

TEST(Sprite, PositionChangesAreAlwaysReported) {
  auto s = TenByTen(0, 0);
  RecordingObserver obs;
  s->SetObserver(&obs);
  s->SetPosition(5, 6);
  s->SetPosition(5, 6);
  ASSERT_EQ(obs.changes.size(), 2u);
  EXPECT_EQ(obs.changes[0].code, SPRITE_CHANGE_POSITION);
  EXPECT_EQ(obs.changes[0].old, CRect(0, 0, 10, 10));
  EXPECT_EQ(obs.changes[0].now, CRect(5, 6, 15, 16));
  EXPECT_EQ(obs.changes[1].old, obs.changes[1].now);
}

TEST(Sprite, DepthChangesReportNoRectangles) {
  auto s = TenByTen(0, 0);
  RecordingObserver obs;
  s->SetObserver(&obs);
  s->SetDepth(0);
  EXPECT_TRUE(obs.changes.empty());
  s->SetDepth(4);
  ASSERT_EQ(obs.changes.size(), 1u);
  EXPECT_EQ(obs.changes[0].code, SPRITE_CHANGE_DEPTH);
  EXPECT_FALSE(obs.changes[0].hasOld);
  EXPECT_FALSE(obs.changes[0].hasNew);
  EXPECT_EQ(s->GetDepth(), 4);
}

TEST(Sprite, CelChangesReportTheOldRectangleOnly) {
  CSprite s(2, 3, 0, 3);
  s.SetCelImage(2, SolidImage(4, 4, 1));
  RecordingObserver obs;
  s.SetObserver(&obs);
  EXPECT_FALSE(s.SetCel(3));
  EXPECT_FALSE(s.SetCel(-1));
  EXPECT_TRUE(obs.changes.empty());
  EXPECT_TRUE(s.SetCel(2));
  ASSERT_EQ(obs.changes.size(), 1u);
  EXPECT_EQ(obs.changes[0].code, SPRITE_CHANGE_IMAGE);
  EXPECT_EQ(obs.changes[0].old, CRect(2, 3, 18, 19));
  EXPECT_FALSE(obs.changes[0].hasNew);
  EXPECT_EQ(s.GetCelIndex(), 2);
}

TEST(Sprite, LoadingACelTakesTheKeyFromItButKeepsTheCurrentCel) {
  auto first = SolidImage(4, 4, 1);
  auto third = SolidImage(6, 6, 2);
  *third->PixelPtr(0, 0) = 77;
  const std::vector<BYTE> resource = ResourceBitmap({.width = 3, .height = 3});
  const TestResources table({{ResKind::Bitmap, 5, resource}});

  CSprite s(0, 0, 0, 3);
  ASSERT_TRUE(s.SetCelImage(0, std::move(first)));
  EXPECT_EQ(s.GetKey(), 1);
  ASSERT_TRUE(s.SetCelImage(2, std::move(third)));
  EXPECT_EQ(s.GetKey(), 77);
  EXPECT_EQ(s.GetCelIndex(), 0);
  EXPECT_EQ(s.GetCel()->GetWidth(), 4);

  ASSERT_TRUE(s.LoadCel(5, 1, table.get()));
  EXPECT_EQ(s.GetKey(), PatternPixel(0, 0));
  EXPECT_EQ(s.GetCel()->GetWidth(), 4);
  EXPECT_FALSE(s.LoadCel(5, 3, table.get()));
  EXPECT_FALSE(s.LoadCel(5, -1, table.get()));
}

TEST(Sprite, FailedLoadOfTheCurrentCelLeavesNoCurrentCel) {
  const TestResources table({});
  CSprite s(0, 0, 0, 2);
  EXPECT_FALSE(s.LoadCel(1, 0, table.get()));
  EXPECT_EQ(s.GetCel(), nullptr);
  // Everything that needs the current cel quietly declines.
  CRect r(1, 2, 3, 4);
  s.GetRect(&r);
  EXPECT_EQ(r, CRect(1, 2, 3, 4));
  EXPECT_FALSE(s.HitTest(1, 1));
  EXPECT_FALSE(s.Load(1, table.get()));
  CDIB dest;
  s.Render(&dest, nullptr);
  CPalette pal;
  const PALETTEENTRY e[] = {{0, 0, 0, 0}};
  pal.CreatePalette(e);
  EXPECT_FALSE(s.RemapToPalette(&pal));
  // The other cel is still there.
  EXPECT_TRUE(s.SetCel(1));
  EXPECT_NE(s.GetCel(), nullptr);
}

TEST(Sprite, RenderIsClippedAndKeyed) {
  auto s = SpriteWith(CelWithBlock(4, 4, kKey, kInk, 1, 1, 4, 4), 6, 6, 0);  // opaque (7..9, 7..9)
  auto dest = SolidImage(8, 8, 0);
  const CRect clip(0, 0, 8, 8);
  s->Render(dest.get(), &clip);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(*dest->PixelPtr(x, y), (x == 7 && y == 7) ? kInk : 0) << x << "," << y;
  const CRect narrow(0, 0, 7, 8);
  auto dest2 = SolidImage(8, 8, 0);
  s->Render(dest2.get(), &narrow);
  EXPECT_EQ(*dest2->PixelPtr(7, 7), 0);
  // Parked off the picture: nothing is drawn, nothing breaks.
  s->SetPosition(-100, -100);
  auto dest3 = SolidImage(8, 8, 0);
  s->Render(dest3.get(), nullptr);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(*dest3->PixelPtr(x, y), 0);
}

TEST(Sprite, RemapRefreshesTheKey) {
  auto cel0 = SolidImage(2, 2, 10);  // grey (10, 10, 10)
  auto cel1 = SolidImage(2, 2, 250);
  CSprite s(0, 0, 0, 2);
  s.SetCelImage(1, std::move(cel1));
  s.SetCelImage(0, std::move(cel0));
  const PALETTEENTRY entries[] = {{255, 255, 255, 0}, {0, 0, 0, 0}};
  CPalette pal;
  ASSERT_TRUE(pal.CreatePalette(entries));
  ASSERT_TRUE(s.RemapToPalette(&pal));
  EXPECT_EQ(s.GetKey(), 1);
  EXPECT_EQ(*s.GetCel()->PixelPtr(1, 1), 1);
  ASSERT_TRUE(s.SetCel(1));
  EXPECT_EQ(*s.GetCel()->PixelPtr(1, 1), 0);
}
