// SPDX-License-Identifier: GPL-3.0-or-later
// A game's art comes from its own folder: each family registers itself once,
// and every game with a place on the title picture has a scene to paint there.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/canvas.h"
#include "registry.h"
#include "res/game_rows.h"
#include "res/title_regions.h"

namespace {

TEST(ArtRegistry, FamiliesRegisterOnceAndEveryTitledGameHasItsScene) {
  std::set<std::string> names;
  for (const art::ArtFamily& family : art::Families()) {
    EXPECT_NE(family.make, nullptr);
    EXPECT_TRUE(names.insert(family.name).second) << family.name << " registered twice";
  }
  EXPECT_TRUE(names.contains("shell"));
  EXPECT_GT(names.size(), GameShellRows().size()) << "the shell and at least one family per game";
  for (const GameShellRow& row : GameShellRows()) {
    SCOPED_TRACE(row.pszSection);
    if (row.titleRegions.empty()) continue;
    const art::TitleScene paint = art::TitleSceneFor(row.nScreen);
    ASSERT_NE(paint, nullptr) << "an outline on the title picture with nothing painted in it";
    // Painted alone on a clear canvas, the scene fills much of its outlines.
    art::Canvas c(602, 401, {}, 0.f);
    paint(c);
    int inside = 0, inked = 0;
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x)
        for (const HotRegion& r : TitleRegions())
          if (r.nGameType == row.nScreen && r.Contains(x, y)) {
            ++inside;
            inked += c.At(x, y).a > 0.5f ? 1 : 0;
          }
    EXPECT_GT(inked, inside / 4);
  }
}

}  // namespace
