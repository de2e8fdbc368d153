// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/rect.h"

TEST(Rect, IntersectionOfDisjointRectanglesIsEmpty) {
  CRect r;
  EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
  EXPECT_TRUE(r.IsRectEmpty());
}
