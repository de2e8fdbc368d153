// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/video_driver_policy.h"

#include <gtest/gtest.h>

TEST(VideoDriverPolicy, InvisibleDriversOnlyWhenAskedForByName) {
  EXPECT_FALSE(RefuseVideoDriver("x11", nullptr));
  EXPECT_FALSE(RefuseVideoDriver("wayland", "x11"));
  // SDL's fall-back when there is no display.
  const auto refused = RefuseVideoDriver("offscreen", nullptr);
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->find("SDL_VIDEODRIVER=offscreen"), std::string::npos);
  EXPECT_TRUE(RefuseVideoDriver("dummy", "x11,wayland"));
  EXPECT_TRUE(RefuseVideoDriver("offscreen", "dummy"));
  EXPECT_TRUE(RefuseVideoDriver("dummy", "dumm"));
  EXPECT_FALSE(RefuseVideoDriver("dummy", "dummy"));
  EXPECT_FALSE(RefuseVideoDriver("offscreen", "wayland,OFFSCREEN"));
}
