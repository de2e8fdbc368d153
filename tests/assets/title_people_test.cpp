// SPDX-License-Identifier: GPL-3.0-or-later
// The people on the title screen stand inside the regions that start their
// games, come out of the palette shaded rather than flat, and take the light
// from the upper left as the props do.
#include <gtest/gtest.h>

#include <set>

#include "assets/art_catalogue.h"
#include "core/canvas.h"
#include "res/game_screens.h"
#include "res/title_regions.h"
#include "shell/title_people.h"

using namespace art_test;

namespace {

struct Person {
  const char* name;
  void (*paint)(art::Canvas&);
  int screen;
  int allowedOutside;  // at most one pixel in this many may fall outside the region
};

// The darts region leaves a gap between the head and the board's side of the
// body; the throwing arm has to cross it.
constexpr Person kPeople[] = {
    {"basketball player", art::PaintBasketballPlayer, kScreenBasketball, 25},
    {"quarterback", art::PaintQuarterback, kScreenFootball, 25},
    {"darts player", art::PaintDartsPlayer, kScreenDarts, 6},
};

// The person alone on a clear canvas; their soft floor shadow stays below `solid`.
art::Canvas PaintAlone(const Person& p) {
  art::Canvas c(602, 401, {}, 0.f);
  p.paint(c);
  return c;
}

bool InRegionOf(int screen, int x, int y) {
  for (const HotRegion& r : TitleRegions())
    if (r.nGameType == screen && r.Contains(x, y)) return true;
  return false;
}

constexpr float kSolid = 0.6f;

}  // namespace

TEST(TitlePeople, EachStaysInsideTheRegionThatStartsTheirGame) {
  for (const Person& p : kPeople) {
    SCOPED_TRACE(p.name);
    const art::Canvas c = PaintAlone(p);
    int body = 0, outside = 0;
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x) {
        if (c.At(x, y).a < kSolid) continue;
        ++body;
        if (!InRegionOf(p.screen, x, y)) ++outside;
      }
    // A grown-up figure, not a stick man; clicking on them starts their game.
    EXPECT_GT(body, 4000);
    EXPECT_LT(outside * p.allowedOutside, body) << outside << " of " << body << " pixels outside";
  }
}

TEST(TitlePeople, AreShadedWithManyTonesAfterThePalette) {
  const ResourceTable table;
  const auto pic = FindPicture(table, 178);
  ASSERT_TRUE(pic.has_value());
  for (const Person& p : kPeople) {
    SCOPED_TRACE(p.name);
    const art::Canvas c = PaintAlone(p);
    std::set<BYTE> tones;
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x)
        if (c.At(x, y).a > 0.99f) tones.insert(pic->At(x, y));
    EXPECT_GT(tones.size(), 80u);
  }
}

TEST(TitlePeople, AreLitFromTheUpperLeftLikeTheProps) {
  auto luma = [](const art::Pixel& p) { return 0.3f * p.r + 0.59f * p.g + 0.11f * p.b; };
  for (const Person& p : kPeople) {
    SCOPED_TRACE(p.name);
    const art::Canvas c = PaintAlone(p);
    // Just inside the silhouette, the side facing the light is the brighter one.
    double lit = 0, shade = 0;
    int nLit = 0, nShade = 0;
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 4; x < c.Width() - 4; ++x) {
        if (c.At(x, y).a < 0.99f) continue;
        if (c.At(x - 4, y).a < 0.01f && c.At(x - 1, y).a > 0.99f) lit += luma(c.At(x, y)), ++nLit;
        if (c.At(x + 4, y).a < 0.01f && c.At(x + 1, y).a > 0.99f) shade += luma(c.At(x, y)), ++nShade;
      }
    ASSERT_GT(nLit, 100);
    ASSERT_GT(nShade, 100);
    EXPECT_GT(lit / nLit, 1.2 * shade / nShade);
  }
}
