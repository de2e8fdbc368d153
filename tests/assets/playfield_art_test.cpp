// SPDX-License-Identifier: GPL-3.0-or-later
// The playfields agree with the games: the dartboard's colours follow the
// scoring rings and segments, the boxes the program writes into are plain
// black, and every title-screen region holds a picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "assets/art_catalogue.h"
#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_scoreboard_layout.h"
#include "res/resource_ids.h"
#include "res/title_regions.h"

using namespace art_test;
using namespace darts;

namespace {

enum class Tone { Black, Cream, Red, Green, Other };

Tone Classify(const RGBQUAD& q) {
  const int r = q.rgbRed, g = q.rgbGreen, b = q.rgbBlue;
  if (r > 60 && r > 2 * g && r * 10 > b * 14) return Tone::Red;
  if (g > 40 && g * 10 > r * 14 && g * 10 > b * 11) return Tone::Green;
  if (std::max({r, g, b}) < 90) return Tone::Black;
  if (r > 120 && g > 100 && b > 60 && r >= b) return Tone::Cream;
  return Tone::Other;
}

// The tone a board pixel must have: what the game's own hit resolution says
// is there, painted the way darts boards are.
Tone Expected(const BoardHit& hit) {
  switch (hit.ring) {
    case Ring::InnerBull: return Tone::Red;
    case Ring::OuterBull: return Tone::Green;
    case Ring::Treble:
    case Ring::Double: return IsDarkSegment(hit.number) ? Tone::Red : Tone::Green;
    case Ring::Single: return IsDarkSegment(hit.number) ? Tone::Black : Tone::Cream;
    case Ring::Miss: break;
  }
  return Tone::Other;
}

// Within two pixels of a ring edge or a segment wire the picture blends.
bool NearAnEdge(int x, int y) {
  const double dx = x - kBoardCenterX, dy = kBoardCenterY - y;
  const double dist = std::sqrt(dx * dx + dy * dy);
  for (int edge : {kInnerBullMax + 1, kOuterBullMax + 1, kTrebleMin, kTrebleMax + 1, kDoubleMin, kBoardRadius + 1})
    if (std::abs(dist - edge) < 2.0) return true;
  const double half = kSegmentDegrees / 2.0;
  const double deg = std::atan2(dy, dx) * 57.29577951471995;
  const double off = std::fmod(std::abs(deg - half) + 3600.0, kSegmentDegrees);
  return dist > kOuterBullMax + 1 && std::min(off, kSegmentDegrees - off) * dist * 0.01745 < 2.0;
}

void ExpectBoardFollowsTheScoring(const Picture& pic) {
  int checked = 0, wrong = 0;
  for (int y = kBoardCenterY - kBoardRadius; y <= kBoardCenterY + kBoardRadius; ++y)
    for (int x = kBoardCenterX - kBoardRadius; x <= kBoardCenterX + kBoardRadius; ++x) {
      if (NearAnEdge(x, y)) continue;
      const BoardPolar polar = ToBoardPolar({x, y});
      const BoardHit hit = ResolveHit(polar.dist, polar.angle);
      if (!hit.OnBoard()) continue;
      ++checked;
      if (Classify(pic.ColorAt(x, y)) != Expected(hit)) ++wrong;
    }
  EXPECT_GT(checked, 15000);
  EXPECT_LT(wrong, checked / 200) << wrong << " of " << checked;
}

void ExpectBlack(const Picture& pic, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const RGBQUAD q = pic.ColorAt(x, y);
      ASSERT_EQ(q.rgbRed + q.rgbGreen + q.rgbBlue, 0) << "at " << x << "," << y;
    }
}

}  // namespace

TEST(DartsBoards, RingsAndSegmentsMatchTheScoringOnBothBoards) {
  const ResourceTable table;
  for (UINT id : {IDB_DARTS, IDB_CRICKET}) {
    SCOPED_TRACE(id);
    const auto pic = FindPicture(table, id);
    ASSERT_TRUE(pic.has_value());
    ExpectBoardFollowsTheScoring(*pic);
  }
}

TEST(DartsBoards, ScoreBoxesAreLeftBlackForTheGame) {
  const ResourceTable table;
  for (int variant : {kVariant301, kVariantCricket}) {
    SCOPED_TRACE(variant);
    const auto board = FindPicture(table, variant == kVariantCricket ? IDB_CRICKET : IDB_DARTS);
    ASSERT_TRUE(board.has_value());
    const ScoreboardLayout layout = LayoutScoreboard(variant);
    auto expectBlack = [&](const CRect& r) { ExpectBlack(*board, r.left, r.top, r.right, r.bottom); };
    for (std::size_t i = 0; i < kSeats; ++i) expectBlack(layout.names[i]);
    if (variant == kVariantCricket) {
      for (const auto& column : layout.grid)
        for (const CRect& cell : column) expectBlack(cell);
    } else {
      for (const CRect& score : layout.scores) expectBlack(score);
      expectBlack(layout.throwBox);
      expectBlack(layout.totalBox);
    }
  }
}

TEST(HallOfFame, NameAndScoreRowsAreBlack) {
  const ResourceTable table;
  const auto pic = FindPicture(table, 396);
  ASSERT_TRUE(pic.has_value());
  for (int r = 0; r < 5; ++r) {
    const int bottom = 259 + 30 * r, top = bottom - 22;
    ExpectBlack(*pic, 57, top, 214, bottom);
    ExpectBlack(*pic, 233, top, 277, bottom);
    ExpectBlack(*pic, 328, top, 485, bottom);
    ExpectBlack(*pic, 503, top, 547, bottom);
  }
}

TEST(TitleScreen, EveryClickableRegionHoldsAPicture) {
  using Poly = std::vector<std::pair<int, int>>;
  std::vector<Poly> regions;
  for (const HotRegion& region : TitleRegions()) {
    Poly& poly = regions.emplace_back();
    for (const POINT& p : region.points) poly.emplace_back(p.x, p.y);
  }
  ASSERT_GE(regions.size(), 2u);
  auto inside = [](const Poly& p, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
      const double xi = p[i].first, yi = p[i].second, xj = p[j].first, yj = p[j].second;
      if (((yi > y) != (yj > y)) && (x < (xj - xi) * (y - yi) / (yj - yi) + xi)) in = !in;
    }
    return in;
  };
  const ResourceTable table;
  const auto pic = FindPicture(table, 178);
  ASSERT_TRUE(pic.has_value());
  for (std::size_t r = 0; r < regions.size(); ++r) {
    std::set<BYTE> colours;
    int x0 = pic->width, y0 = pic->height, x1 = 0, y1 = 0;
    for (const auto& [px, py] : regions[r]) {
      x0 = std::min(x0, px);
      y0 = std::min(y0, py);
      x1 = std::max(x1, px);
      y1 = std::max(y1, py);
    }
    for (int y = y0; y < std::min(y1 + 1, pic->height); ++y)
      for (int x = x0; x < std::min(x1 + 1, pic->width); ++x)
        if (inside(regions[r], x + 0.5, y + 0.5)) colours.insert(pic->At(x, y));
    EXPECT_GT(colours.size(), 40u) << "region " << r + 1;
  }
}
