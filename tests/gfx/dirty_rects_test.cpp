// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "gfx/dirty_rects.h"

TEST(DirtyRects, OverlappingRectanglesMergeIntoTheNewest) {
  CDirtyRectList list;
  list.Add(CRect(10, 10, 35, 35));  // a sprite's old place
  list.Add(CRect(12, 10, 37, 35));  // and its new place, 2 pixels on
  ASSERT_EQ(list.GetCount(), 1u);
  EXPECT_EQ(list.Rects().front(), CRect(10, 10, 37, 35));
}

TEST(DirtyRects, OnlyTheNewestIsComparedAndFlushIsNewestFirst) {
  const CRect a(0, 0, 10, 10), b(100, 100, 110, 110), c(5, 5, 15, 15);
  CDirtyRectList list;
  list.Add(a);
  list.Add(b);
  list.Add(c);  // meets a, but is compared with b only
  ASSERT_EQ(list.GetCount(), 3u);
  EXPECT_EQ(list.PopNewest(), c);
  EXPECT_EQ(list.PopNewest(), b);
  EXPECT_EQ(list.PopNewest(), a);
  EXPECT_TRUE(list.IsEmpty());
}

TEST(DirtyRects, TouchingIsNotOverlappingAndEmptyIsIgnored) {
  CDirtyRectList list;
  list.Add(CRect(0, 0, 10, 10));
  list.Add(CRect(10, 0, 20, 10));  // shares only an edge
  EXPECT_EQ(list.GetCount(), 2u);
  list.Add(CRect(5, 5, 5, 9));
  list.Add(CRect(-100, -100, -100, -100));
  EXPECT_EQ(list.GetCount(), 2u);
  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
}
