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
#include "res/title_regions.h"

using namespace art_test;

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

// The board's numbers by position: counter-clockwise from 0 degrees, then
// clockwise from 0 degrees, as the game scores them.
constexpr int kSegments[22] = {6, 13, 4, 18, 1, 20, 5, 12, 9, 14, 11, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11};

int NumberAt(int x, int y) {
  const int angle = static_cast<int>(std::atan2(141.0 - y, x - 266.0) * 57.29577951471995);
  const double t = angle / 18.0;
  const int k = t >= 0 ? static_cast<int>(t + 0.5) : static_cast<int>(11 - (t - 0.5));
  return kSegments[k];
}

bool DarkSingle(int n) {
  for (int d : {20, 18, 13, 10, 2, 3, 7, 8, 14, 12})
    if (n == d) return true;
  return false;
}

void ExpectBoardFollowsTheScoring(const Picture& pic) {
  int checked = 0, wrong = 0;
  for (int y = 141 - 100; y <= 141 + 100; ++y)
    for (int x = 266 - 100; x <= 266 + 100; ++x) {
      const double dx = x - 266.0, dy = 141.0 - y;
      const double dist = std::sqrt(dx * dx + dy * dy);
      // Stay clear of the ring edges and segment wires, where the picture blends.
      bool nearEdge = false;
      for (double edge : {6.0, 11.0, 62.0, 68.0, 94.0, 101.0})
        if (std::abs(dist - edge) < 2.0) nearEdge = true;
      const double deg = std::atan2(dy, dx) * 57.29577951471995;
      const double off = std::fmod(std::abs(deg - 9.0) + 3600.0, 18.0);
      if (dist > 11.0 && std::min(off, 18.0 - off) * dist * 0.01745 < 2.0) nearEdge = true;
      if (nearEdge || dist >= 101.0) continue;
      const int d = static_cast<int>(dist);
      Tone expected;
      if (d <= 5) expected = Tone::Red;
      else if (d <= 10) expected = Tone::Green;
      else {
        const bool dark = DarkSingle(NumberAt(x, y));
        const bool ring = (d >= 62 && d <= 67) || (d >= 94 && d <= 100);
        expected = ring ? (dark ? Tone::Red : Tone::Green) : (dark ? Tone::Black : Tone::Cream);
      }
      ++checked;
      if (Classify(pic.ColorAt(x, y)) != expected) ++wrong;
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
  for (UINT id : {130u, 306u}) {
    SCOPED_TRACE(id);
    const auto pic = FindPicture(table, id);
    ASSERT_TRUE(pic.has_value());
    ExpectBoardFollowsTheScoring(*pic);
  }
}

TEST(DartsBoards, ScoreBoxesAreLeftBlackForTheGame) {
  const ResourceTable table;
  const auto board = FindPicture(table, 130);
  ASSERT_TRUE(board.has_value());
  for (int i = 0; i < 4; ++i) {
    ExpectBlack(*board, 434, 84 + 30 * i, 535, 100 + 30 * i);
    ExpectBlack(*board, 550, 84 + 30 * i, 582, 100 + 30 * i);
  }
  ExpectBlack(*board, 430, 245, 490, 280);
  ExpectBlack(*board, 520, 245, 580, 280);

  const auto cricket = FindPicture(table, 306);
  ASSERT_TRUE(cricket.has_value());
  for (int i = 0; i < 4; ++i) ExpectBlack(*cricket, 450, 86 + 27 * i, 578, 102 + 27 * i);
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 7; ++r) ExpectBlack(*cricket, 424 + 32 * c, 214 + 18 * r, 452 + 32 * c, 228 + 18 * r);
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
  ASSERT_EQ(regions.size(), 10u);
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
