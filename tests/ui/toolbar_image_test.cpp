// SPDX-License-Identifier: GPL-3.0-or-later
// Tool-bar images as the buttons draw them, enabled and greyed.
#include <gtest/gtest.h>

#include "platform/surface.h"
#include "ui/toolbar_images.h"
#include "ui/ui_colors.h"

namespace {

using namespace ui_color;

TEST(ToolImage, DisabledIconsAreEmbossedFromTheirWholeShape) {
  // One 16 x 15 image: a gold block (bright, as a trophy is), a black block
  // and a white highlight, on the button face.
  Surface32 strip(16, 15, kFace);
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) {
      strip.View().Row(y)[x] = ToPixel(255, 220, 80);
      strip.View().Row(y + 6)[x] = ToPixel(0, 0, 0);
      strip.View().Row(y)[x + 8] = ToPixel(255, 255, 255);
    }
  Surface32 out(20, 20, kFace);
  DrawToolImage(out.View(), 0, 0, strip, 0, false);
  EXPECT_EQ(out.At(3, 3), kShadow);      // gold is part of the shape
  EXPECT_EQ(out.At(3, 9), kShadow);      // so is black
  EXPECT_EQ(out.At(6, 6), kHighlight);   // the relief below and right of it
  EXPECT_EQ(out.At(11, 3), kFace);       // white inside the icon drops out
  Surface32 enabled(20, 20, kFace);
  DrawToolImage(enabled.View(), 0, 0, strip, 0, true);
  EXPECT_EQ(enabled.At(3, 3), ToPixel(255, 220, 80));
  EXPECT_EQ(enabled.At(11, 3), ToPixel(255, 255, 255));
}

}  // namespace
