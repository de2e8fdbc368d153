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

TEST(VideoDriverPolicy, WaylandIsNotTriedWithoutARuntimeDirectory) {
  EXPECT_FALSE(WaylandUnreachable(nullptr, nullptr, "/run/user/1000"));
  EXPECT_FALSE(WaylandUnreachable(nullptr, "/tmp/wayland-1", nullptr));
  EXPECT_FALSE(WaylandUnreachable("5", nullptr, nullptr));
  EXPECT_EQ(WaylandUnreachable(nullptr, nullptr, nullptr), "XDG_RUNTIME_DIR is not set");
  EXPECT_TRUE(WaylandUnreachable("", "wayland-0", "relative"));
}
