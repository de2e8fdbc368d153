// SPDX-License-Identifier: GPL-3.0-or-later
// Putting the window together for the screen: what is copied into the
// frame shown, what is reported for upload, and the overlay on top.
#include <gtest/gtest.h>

#include "headless_host.h"
#include "support/frame_reference.h"

using namespace quintaro::test;

namespace {

class HostDisplay : public ::testing::Test {
 protected:
  void SetUp() override { host.SetLayout(612, 460, CRect(5, 50, 607, 451), CRect(0, 0, 612, 20)); }
  void Put(int x, int y, std::uint32_t pixel) { host.DrawOnSurface(CRect(x, y, x + 1, y + 1)).Row(y)[x] = pixel; }

  HeadlessHost h;
  Host& host = *h.host;
  const CRect whole{0, 0, 612, 460};
};

TEST_F(HostDisplay, OverlayCoversTheSurfaceWhereItIsOpaqueOnly) {
  Put(1, 1, 0x112233);
  Put(2, 1, 0x112233);
  host.Overlay().View().Row(1)[1] = 0xFFABCDEF;
  host.SetOverlayVisible(true);
  Surface32 shown;
  host.ComposeForDisplay(shown);
  EXPECT_EQ(shown.At(1, 1), 0xABCDEFu);
  EXPECT_EQ(shown.At(2, 1), 0x112233u);

  host.SetOverlayVisible(false);
  EXPECT_EQ(host.ComposeForDisplay(shown), whole) << "every blended pixel is replaced";
  EXPECT_EQ(shown.At(1, 1), 0x112233u);
  EXPECT_EQ(host.Overlay().At(1, 1), 0u);  // cleared with the layer
}

TEST_F(HostDisplay, OnlyWhatWasDrawnSinceTheLastFrameIsCopiedAndReported) {
  Surface32 shown;
  EXPECT_EQ(host.ComposeForDisplay(shown), whole) << "a new image is filled whole";
  EXPECT_TRUE(host.ComposeForDisplay(shown).IsRectEmpty()) << "nothing was drawn";

  Put(7, 5, 0x445566);
  Put(3, 9, 0x778899);
  EXPECT_EQ(host.ComposeForDisplay(shown), CRect(3, 5, 8, 10));
  EXPECT_EQ(shown.At(7, 5), 0x445566u);
  EXPECT_EQ(shown.At(3, 9), 0x778899u);
  EXPECT_TRUE(FramesEqual(shown, host.WindowSurface()));

  // Drawing named past the surface's edge is clipped to it.
  host.DrawOnSurface(CRect(611, 459, 700, 500)).Row(459)[611] = 0xABCDEF;
  EXPECT_EQ(host.ComposeForDisplay(shown), CRect(611, 459, 612, 460));
  EXPECT_EQ(shown.At(611, 459), 0xABCDEFu);

  // A new layout moves everything: the whole window is shown anew.
  host.SetLayout(612, 460, CRect(5, 30, 607, 431), CRect(0, 0, 612, 20));
  EXPECT_EQ(host.ComposeForDisplay(shown), whole);
}

TEST_F(HostDisplay, AnImageThatIsNotTheLastFrameShownIsFilledWhole) {
  Surface32 first, second;
  Put(10, 10, 0x010101);
  host.ComposeForDisplay(first);
  Put(20, 20, 0x020202);
  EXPECT_EQ(host.ComposeForDisplay(second), whole) << "a second image never saw the first pixel";
  EXPECT_TRUE(FramesEqual(second, host.WindowSurface()));
  Put(30, 30, 0x030303);
  EXPECT_EQ(host.ComposeForDisplay(first), whole) << "the first image missed a frame";
  EXPECT_TRUE(FramesEqual(first, host.WindowSurface()));

  // Drawn on by someone else: no longer the frame shown.
  first.View().Row(0)[0] = 0xFFFFFF;
  EXPECT_EQ(host.ComposeForDisplay(first), whole);
  EXPECT_EQ(first.At(0, 0), 0u);

  // Another host's frame in the same image, even of the same size.
  HeadlessHost other;
  other.host->SetLayout(612, 460, CRect(5, 50, 607, 451), CRect());
  other.host->ComposeForDisplay(first);
  EXPECT_EQ(host.ComposeForDisplay(first), whole);
  EXPECT_TRUE(FramesEqual(first, host.WindowSurface()));
}

}  // namespace
