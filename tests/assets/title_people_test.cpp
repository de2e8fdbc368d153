// The people on the title screen stand inside the regions that start their
// games, and come out of the palette shaded rather than flat.
#include <gtest/gtest.h>

#include <set>

#include "assets/art_catalogue.h"
#include "core/canvas.h"
#include "game/game_screens.h"
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
    EXPECT_GT(tones.size(), 60u);
  }
}
