// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "gfx/bitmap_builder.h"
#include "gfx/sprite_list.h"

using namespace gfxtest;

namespace {

class RecordingSink : public CDirtyRectSink {
 public:
  void AddDirtyRect(const CRect* pRect) override { rects.push_back(pRect ? *pRect : CRect(-1, -1, -1, -1)); }
  std::vector<CRect> rects;
};

// A sprite that counts its destructions.
class CountedSprite : public CSprite {
 public:
  CountedSprite(int z, int* deaths) : CSprite(0, 0, z, 1), m_deaths(deaths) {}
  ~CountedSprite() override { ++*m_deaths; }

 private:
  int* m_deaths;
};

std::vector<int> Depths(const CSpriteList& list) {
  std::vector<int> depths;
  for (const auto& s : list) depths.push_back(s->GetDepth());
  return depths;
}

CSprite* Add(CSpriteList& list, int z) {
  auto s = std::make_unique<CSprite>(0, 0, z, 1);
  CSprite* raw = s.get();
  list.Insert(std::move(s));
  return raw;
}

}  // namespace

TEST(SpriteList, KeepsDepthOrderNewestFirstAmongEquals) {
  CSpriteList list;
  CSprite* five = Add(list, 5);
  CSprite* one = Add(list, 1);
  CSprite* three = Add(list, 3);
  EXPECT_EQ(Depths(list), (std::vector<int>{1, 3, 5}));
  CSprite* threeAgain = Add(list, 3);
  // Frames are drawn from the tail: 5, the first 3, the newer 3, then 1 on top.
  std::vector<CSprite*> backToFront;
  for (auto it = list.rbegin(); it != list.rend(); ++it) backToFront.push_back(it->get());
  EXPECT_EQ(backToFront, (std::vector<CSprite*>{five, three, threeAgain, one}));
  EXPECT_EQ(five->GetObserver(), list.GetObserver());
}

TEST(SpriteList, HitTestFindsTheFrontmost) {
  CSpriteList list;
  auto backCel = SolidImage(10, 10, 3);
  *backCel->PixelPtr(0, 0) = 0;  // key 0, the rest opaque
  auto frontCel = SolidImage(10, 10, 4);
  *frontCel->PixelPtr(0, 0) = 0;
  auto back = SpriteWith(std::move(backCel), 0, 0, 8);
  auto front = SpriteWith(std::move(frontCel), 2, 2, 2);
  CSprite* pBack = back.get();
  CSprite* pFront = front.get();
  list.Insert(std::move(back));
  list.Insert(std::move(front));
  EXPECT_EQ(list.HitTest(5, 5), pFront);
  EXPECT_EQ(list.HitTest(1, 1), pBack);
  EXPECT_EQ(list.HitTest(50, 50), nullptr);
}

TEST(SpriteList, RemoveAndReorderOfAStrangerDoNothing) {
  CSpriteList list;
  Add(list, 1);
  Add(list, 2);
  CSprite stranger(0, 0, 0, 1);
  EXPECT_EQ(list.Remove(&stranger), nullptr);
  list.Reorder(&stranger);
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(stranger.GetObserver(), nullptr);
}

TEST(SpriteList, RemoveHandsBackOwnership) {
  CSpriteList list;
  CSprite* s = Add(list, 4);
  std::unique_ptr<CSprite> back(list.Remove(s));
  EXPECT_EQ(back.get(), s);
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(s->GetObserver(), list.GetObserver());
  EXPECT_TRUE(list.Insert(std::move(back)));
  EXPECT_TRUE(list.Contains(s));
}

TEST(SpriteList, InsertingTwiceDoesNotOwnTwice) {
  int deaths = 0;
  {
    CSpriteList list;
    auto owned = std::make_unique<CountedSprite>(2, &deaths);
    CSprite* s = owned.get();
    EXPECT_TRUE(list.Insert(std::move(owned)));
    EXPECT_TRUE(list.Insert(s));
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_FALSE(list.Insert(static_cast<CSprite*>(nullptr)));
  }
  EXPECT_EQ(deaths, 1);
}

TEST(SpriteList, DepthChangeReordersAndMarksNothingByItself) {
  CSpriteList list;
  RecordingSink sink;
  list.SetView(&sink);
  CSprite* a = Add(list, 1);
  CSprite* b = Add(list, 2);
  a->SetDepth(3);
  EXPECT_EQ(list.begin()->get(), b);
  EXPECT_TRUE(sink.rects.empty());
}

TEST(SpriteList, ObserverTurnsChangesIntoDirtyRectangles) {
  CSpriteList list;
  RecordingSink sink;
  list.SetView(&sink);
  auto s = SpriteWith(SolidImage(4, 4, 1), 0, 0, 0);
  s->SetCelCount(2);
  s->SetCelImage(0, SolidImage(4, 4, 1));
  CSprite* p = s.get();
  list.Insert(std::move(s));
  EXPECT_TRUE(sink.rects.empty());  // inserting reports nothing
  p->SetPosition(2, 0);
  ASSERT_EQ(sink.rects.size(), 2u);
  EXPECT_EQ(sink.rects[0], CRect(0, 0, 4, 4));
  EXPECT_EQ(sink.rects[1], CRect(2, 0, 6, 4));
  p->SetCel(1);
  ASSERT_EQ(sink.rects.size(), 3u);
  EXPECT_EQ(sink.rects[2], CRect(2, 0, 6, 4));
  // A depth change carries no rectangle, so none is added.
  CSpriteListObserver* obs = list.GetObserver();
  const CRect old(1, 1, 2, 2);
  obs->OnSpriteChanged(p, SPRITE_CHANGE_DEPTH, &old, nullptr);
  ASSERT_EQ(sink.rects.size(), 4u);
  EXPECT_EQ(sink.rects[3], old);
}

TEST(SpriteList, DeleteAllDeletesEverySprite) {
  int deaths = 0;
  CSpriteList list;
  for (int z : {3, 1, 2}) list.Insert(std::make_unique<CountedSprite>(z, &deaths));
  list.DeleteAll();
  EXPECT_EQ(deaths, 3);
  EXPECT_TRUE(list.IsEmpty());
}
