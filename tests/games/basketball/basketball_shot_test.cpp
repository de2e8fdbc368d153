// SPDX-License-Identifier: GPL-3.0-or-later
// Whole shots flown frame by frame over sweeps of aims, holds and board
// places: the outcome follows the aim smoothly (the holds that score form
// one run, the baskets one connected region), and the ring and the board are
// solid for every path (a ball that meets the ring drops in or bounces off,
// a bounce ends in a fall to the floor, no ball vanishes in mid-air).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <queue>
#include <vector>

#include "games/basketball/model/basketball_motion.h"

namespace basketball {
namespace {

constexpr DWORD kTickMs = 16;  // the animation timer as the system delivers it
constexpr DWORD kLaunchTick = 1000;

// Flies rack ball `i`, released at `at` after a hold of `holdMs`, against a
// board standing at `boardX`; `watch` sees the ball before and after every tick.
// True when it went through the net.
bool Fly(int i, CPoint at, DWORD holdMs, int boardX,
         const std::function<void(const ShotBall&, const ShotBall&, const BallFrame&)>& watch = {}) {
  ShotBall b = RackedBall(i);
  b.nPower = PowerFromHold(holdMs);
  b.nTargetX = at.x;
  b.nTargetY = at.y;
  DWORD now = kLaunchTick;
  LaunchBall(b, now);
  for (int tick = 0; tick < 3000; ++tick) {
    now += kTickMs;
    const ShotBall before = b;
    const BallFrame f = AdvanceBall(b, now, boardX);
    if (watch) watch(before, b, f);
    if (f.scored) return true;
    if (b.nState == kGone || b.nState == kOnRack) return false;
  }
  ADD_FAILURE() << "the ball never came down";
  return false;
}

constexpr int kHolds = 21;  // 0 .. 1000 ms
DWORD HoldAt(int k) { return static_cast<DWORD>(k * 50); }
// The two holds raise the aim alike (the arc's height: up to 0.4 s, up to 0.6 s, longer).
bool SameLoft(DWORD a, DWORD b) {
  auto band = [](DWORD ms) { return ms < 400 ? 0 : ms < 600 ? 1 : 2; };
  return band(a) == band(b);
}

TEST(BasketballShots, TheOutcomeFollowsReleasePointAndHoldSmoothly) {
  for (int ball : {0, 3}) {
    // baskets[x][y][hold] over the upper two thirds of the shooting zone, y in
    // steps of 2, between the side walls (a bank shot off a wall is a second way in).
    const int x0 = static_cast<int>(kDescentLeftWall), xs = static_cast<int>(kDescentRightWall) - x0, ys = 60;
    std::vector<char> basket(static_cast<std::size_t>(xs * ys * kHolds));
    auto at = [&](int x, int y, int h) -> char& { return basket[static_cast<std::size_t>((x * ys + y) * kHolds + h)]; };
    int baskets = 0;
    for (int x = 0; x < xs; ++x)
      for (int y = 0; y < ys; ++y) {
        int runs = 0;
        for (int h = 0; h < kHolds; ++h) {
          at(x, y, h) = Fly(ball, {x0 + x, 2 * y}, HoldAt(h), kBoardHome.x) ? 1 : 0;
          baskets += at(x, y, h);
          runs += at(x, y, h) && (h == 0 || !at(x, y, h - 1)) ? 1 : 0;
          // Holds that give the same arc give the same outcome: only the
          // loft (at 0.4 s and 0.6 s) changes where the ball goes.
          if (h > 0 && SameLoft(HoldAt(h - 1), HoldAt(h))) {
            ASSERT_EQ(at(x, y, h), at(x, y, h - 1))
                << "ball " << ball << " released at " << x0 + x << "," << 2 * y << " held " << HoldAt(h) << " ms";
          }
        }
        // Holding longer never flips a basket into a miss and back.
        ASSERT_LE(runs, 1) << "ball " << ball << " released at " << x0 + x << "," << 2 * y;
      }
    ASSERT_GT(baskets, 0);
    // One connected region of baskets, neighbours one pixel or one hold step apart.
    std::vector<char> seen(basket.size());
    std::queue<std::array<int, 3>> todo;
    for (int i = 0; i < static_cast<int>(basket.size()) && todo.empty(); ++i)
      if (basket[static_cast<std::size_t>(i)]) todo.push({i / kHolds / ys, i / kHolds % ys, i % kHolds});
    int reached = 0;
    while (!todo.empty()) {
      const auto [x, y, h] = todo.front();
      todo.pop();
      if (x < 0 || y < 0 || h < 0 || x >= xs || y >= ys || h >= kHolds || !at(x, y, h)) continue;
      char& s = seen[static_cast<std::size_t>((x * ys + y) * kHolds + h)];
      if (s) continue;
      s = 1;
      ++reached;
      for (const auto& d : {std::array{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}})
        todo.push({x + d[0], y + d[1], h + d[2]});
    }
    EXPECT_EQ(reached, baskets) << "ball " << ball << ": baskets in more than one region";
  }
}

bool InRingSpan(float x, int boardX) { return boardX + kRimOuterLeft < x && x < boardX + kRimOuterRight; }

// How far a ball drawn at `at` with cel `cel`, behind the ring's front, overlaps
// either end of the ring as the court draws it (a dot where its halves meet).
double RingEndOverlap(CPoint at, int cel, int boardX) {
  const double ringMiddle = (kBasketLeft + kBasketRight) * 0.5, ringHalf = (kRimOuterRight - kRimOuterLeft) * 0.5 - 8.5;
  const double ballRadius = kBallDiameters[static_cast<std::size_t>(std::clamp(cel / kSpinPhases, 0, 3))] * 0.5;
  double worst = 0;
  for (const double end : {ringMiddle - ringHalf, ringMiddle + ringHalf})
    worst = std::max(worst, ballRadius + 1.6 - std::hypot(at.x - (boardX + end), at.y - kRimY));
  return worst;
}

TEST(BasketballShots, TheRingAndTheBoardAreSolidForEveryPath) {
  int shots = 0, bounces = 0, swishes = 0, throughAnEnd = 0;
  for (int boardX : {kBoardLeftmost, kBoardHome.x, kBoardRightmost})
    for (int ball = 0; ball < kBalls; ++ball)
      for (int x = kShootZone.left; x < kShootZone.right; x += 3)
        for (int y = 0; y < kShootZone.bottom; y += 4)
          for (DWORD hold : {0u, 250u, 450u, 800u}) {
            bool bounced = false, fellAfterBounce = false;
            float lastY = 0;
            int cel = 0;
            double endOverlap = 0;
            const bool scored = Fly(ball, {x, y}, hold, boardX, [&](const ShotBall& a, const ShotBall& b, const BallFrame& f) {
              const float rim = static_cast<float>(kRimY), reach = static_cast<float>(kBallRimReach);
              // A ball at the glass never falls past the rim line inside the ring's span.
              if (a.nState == kFalling && b.nState == kFalling && b.z >= kBoardDepth && InRingSpan(b.x, boardX)) {
                ASSERT_FALSE(a.y + reach <= rim && b.y + reach > rim) << "through the ring at " << b.x << "," << b.y;
              }
              bounced |= b.nState == kLeftBounce || b.nState == kRightBounce;
              if (f.cel >= 0) cel = f.cel;
              if (f.behindRim && f.move && f.pos != kHidden && cel < kLeftBounceFirstCel)
                endOverlap = std::max(endOverlap, RingEndOverlap(f.pos, cel, boardX));
              fellAfterBounce |= bounced && b.nState == kFalling;
              if (f.move && f.pos == kHidden) {
                // Hidden only in the net or at the floor.
                ASSERT_TRUE(b.nState >= kNetFirst || lastY + kFallStep + 1.0f > kFloorY) << "vanished at y " << lastY;
              } else if (f.move) {
                lastY = static_cast<float>(f.pos.y);
              }
            });
            if (::testing::Test::HasFatalFailure()) return;
            if (bounced) {
              EXPECT_TRUE(fellAfterBounce) << "a bounce that did not end in a fall";
            }
            // The ring's ends are solid: a ball that never met the ring never
            // crossed one of them (a whole pixel over it).
            if (!bounced && !scored && endOverlap >= 1.0 && throughAnEnd++ < 3)
              ADD_FAILURE() << "through a ring end by " << endOverlap << " px: board " << boardX << ", ball " << ball
                            << " released at " << x << "," << y << " held " << hold << " ms";
            ++shots;
            bounces += bounced ? 1 : 0;
            swishes += scored ? 1 : 0;
          }
  std::printf("%d shots: %d baskets, %d rim bounces, %d through a ring end\n", shots, swishes, bounces, throughAnEnd);
  EXPECT_GT(bounces, shots / 100);
  EXPECT_GT(swishes, shots / 100);
}

TEST(BasketballShots, ABallReachingTheGlassAtRimHeightMeetsTheRing) {
  // Level with the ring on the left of the hoop: it must not drop past in front.
  ShotBall b = RackedBall(1);
  b.nState = kDescending;
  b.nPower = 0;
  b.x = 180.38f;
  b.y = 87.65f - 8.0f;
  b.z = kBoardDepth - 8.0f;
  b.dx = 0.0f;
  b.dy = 8.0f;
  b.dz = 8.0f;
  const BallFrame f = AdvanceBall(b, 2000, kBoardHome.x);
  EXPECT_EQ(b.nState, kLeftBounce) << "state " << b.nState << " at " << f.pos.x << "," << f.pos.y;
}

}  // namespace
}  // namespace basketball
