// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar's pictures: the embossed grey look of a disabled button, the
// muted speaker on the Sound button while sound is off, and the real strip.
#include <gtest/gtest.h>

#include <vector>

#include "res/resource_ids.h"
#include "ui/paint.h"
#include "ui/toolbar.h"
#include "ui/toolbar_images.h"
#include "ui/ui_colors.h"
#include "ui_test_host.h"

namespace {

constexpr std::uint32_t kBlack = ToPixel(0, 0, 0);
constexpr std::uint32_t kGold = ToPixel(255, 255, 0);
constexpr std::uint32_t kWhite = ToPixel(255, 255, 255);

Surface32 FaceStrip(int images) {
  Surface32 strip(images * kToolImageWidth, kToolImageHeight);
  FillRect(strip.View(), CRect(0, 0, strip.Width(), strip.Height()), ui_color::kFace);
  return strip;
}

void Put(Surface32& strip, int image, int x, int y, std::uint32_t color) {
  strip.View().Row(y)[image * kToolImageWidth + x] = color;
}

Relief At(const ReliefImage& relief, int x, int y) { return relief[static_cast<std::size_t>(y * kReliefWidth + x)]; }

int Count(const ReliefImage& relief, Relief look) {
  int n = 0;
  for (Relief r : relief) n += r == look ? 1 : 0;
  return n;
}

// Dark pixels of the relief in 8-connected pieces: a whole picture is one piece.
int DarkPieces(const ReliefImage& relief) {
  std::vector<bool> seen(relief.size(), false);
  int pieces = 0;
  for (int start = 0; start < static_cast<int>(relief.size()); ++start) {
    if (seen[static_cast<std::size_t>(start)] || relief[static_cast<std::size_t>(start)] != Relief::Dark) continue;
    ++pieces;
    std::vector<int> stack{start};
    seen[static_cast<std::size_t>(start)] = true;
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int x = at % kReliefWidth + dx, y = at / kReliefWidth + dy;
          if (x < 0 || y < 0 || x >= kReliefWidth || y >= kReliefHeight) continue;
          const auto next = static_cast<std::size_t>(y * kReliefWidth + x);
          if (seen[next] || relief[next] != Relief::Dark) continue;
          seen[next] = true;
          stack.push_back(static_cast<int>(next));
        }
    }
  }
  return pieces;
}

TEST(ToolImageEmboss, ShapeLeavesAWhiteReliefDownRightUnderItsGreyCopy) {
  Surface32 strip = FaceStrip(2);
  Put(strip, 1, 3, 4, kBlack);
  Put(strip, 1, 4, 5, kBlack);    // the next pixel down-right: grey covers its neighbour's relief
  Put(strip, 1, 9, 2, kGold);     // a light colour is still part of the shape
  Put(strip, 1, 12, 8, kWhite);   // highlights drop out
  Put(strip, 1, 15, 14, kBlack);  // the corner's relief falls just outside the picture
  Put(strip, 0, 7, 7, kBlack);    // another picture of the strip is not looked at
  const ReliefImage relief = EmbossToolImage(strip, 1);
  EXPECT_EQ(At(relief, 3, 4), Relief::Dark);
  EXPECT_EQ(At(relief, 4, 5), Relief::Dark);
  EXPECT_EQ(At(relief, 5, 6), Relief::Light);
  EXPECT_EQ(At(relief, 9, 2), Relief::Dark);
  EXPECT_EQ(At(relief, 10, 3), Relief::Light);
  EXPECT_EQ(At(relief, 12, 8), Relief::None);
  EXPECT_EQ(At(relief, 13, 9), Relief::None);
  EXPECT_EQ(At(relief, 15, 14), Relief::Dark);
  EXPECT_EQ(At(relief, 16, 15), Relief::Light);
  EXPECT_EQ(At(relief, 7, 7), Relief::None);
  EXPECT_EQ(Count(relief, Relief::Dark), 4);
  EXPECT_EQ(Count(relief, Relief::Light), 3);
}

TEST(ToolImageEmboss, ABrightPictureKeepsItsWholeOutline) {
  // A gold cup with a white shine: the grey copy is the cup's whole shape, not
  // the few darkest pixels scattered over it.
  Surface32 strip = FaceStrip(1);
  for (int y = 2; y < 12; ++y)
    for (int x = 4; x < 12; ++x) Put(strip, 0, x, y, x == 5 ? kWhite : kGold);
  const ReliefImage relief = EmbossToolImage(strip, 0);
  EXPECT_EQ(Count(relief, Relief::Dark), 70);
  EXPECT_EQ(DarkPieces(relief), 2);  // the shine splits the cup
}

TEST(ToolImageEmboss, DisabledDrawingPaintsTheReliefOverTheFace) {
  Surface32 strip = FaceStrip(1);
  Put(strip, 0, 2, 3, ToPixel(255, 0, 0));
  Surface32 target = FaceStrip(2);
  DrawToolImage(target.View(), 5, 0, strip, 0, false);
  EXPECT_EQ(target.At(7, 3) & 0xFFFFFF, ui_color::kShadow);
  EXPECT_EQ(target.At(8, 4) & 0xFFFFFF, ui_color::kHighlight);
  EXPECT_EQ(target.At(6, 3) & 0xFFFFFF, ui_color::kFace);
  DrawToolImage(target.View(), 5, 0, strip, 0, true);
  EXPECT_EQ(target.At(7, 3) & 0xFFFFFF, ToPixel(255, 0, 0));
  EXPECT_FALSE(HasToolImage(strip, 1));
  EXPECT_FALSE(HasToolImage(strip, -1));
}

TEST(ToolImageChoice, SoundButtonShowsTheMutedSpeakerWhileSoundIsOff) {
  const Surface32 full = FaceStrip(kSoundOffImage + 1);
  const Surface32 older = FaceStrip(8);  // a strip without the second look
  ToolButton sound{ID_OPTIONS_SOUND, 4, {}, true, true};
  EXPECT_EQ(ShownToolImage(sound, full), 4);
  sound.checked = false;
  EXPECT_EQ(ShownToolImage(sound, full), kSoundOffImage);
  EXPECT_EQ(ShownToolImage(sound, older), 4);
  sound.enabled = false;
  EXPECT_EQ(ShownToolImage(sound, full), kSoundOffImage);
  const ToolButton players{ID_OPTIONS_NUMBEROFPLAYERS, 1, {}, true, false};
  EXPECT_EQ(ShownToolImage(players, full), 1);
}

TEST(ToolImageStrip, EveryPictureEmbossesWithSubstanceAndTheCupStaysWhole) {
  UiTestHost t;
  Surface32 strip;
  ASSERT_TRUE(DecodeBitmapResource(t.host().Resources().Find(ResKind::Bitmap, IDB_TOOLBAR), &strip));
  ASSERT_TRUE(HasToolImage(strip, kSoundOffImage));
  for (int i = 0; i <= kSoundOffImage; ++i) {
    const ReliefImage relief = EmbossToolImage(strip, i);
    EXPECT_GE(Count(relief, Relief::Dark), 30) << "picture " << i;
    EXPECT_GE(Count(relief, Relief::Light), 10) << "picture " << i;
  }
  EXPECT_EQ(DarkPieces(EmbossToolImage(strip, 5)), 1);  // the Hall of Fame cup
  EXPECT_NE(EmbossToolImage(strip, 4), EmbossToolImage(strip, kSoundOffImage));
}

}  // namespace
