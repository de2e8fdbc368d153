// SPDX-License-Identifier: GPL-3.0-or-later
// The rink drawn from news that comes unevenly: however the arrivals bunch
// up, the drawn puck moves about as far every frame as the real one does,
// and it follows the real one a moment behind.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <random>

#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_rink_feed.h"

namespace airhockey {
namespace {

constexpr double kFrameMs = 15.625;
constexpr double kPuckSpeed = 1536.0;  // the fastest puck, pixels a second

// The running machine's puck at `ms`: up and down the rink between the end walls.
CPoint PuckAt(double ms) {
  const int span = kWallBottom - kWallTop - 2 * kPuckRadius;
  const double along = std::fmod(ms * kPuckSpeed / 1000.0, 2.0 * span);
  const double y = along < span ? along : 2.0 * span - along;
  return {129, kWallTop + kPuckRadius + static_cast<int>(std::lround(y))};
}

struct Measured {
  int largestStep = 0;  // pixels the drawn puck moved in one frame, at most
  int largestLag = 0;   // how far behind the real puck's path it was drawn, in ms of its travel
};

// The runner sends at every frame of its own; each message takes a seeded
// random time on the way (kept in order, as on one connection), and the
// shower reads what has come at each of its frames, then draws.
struct Lateness {
  int least;
  int most;
  int quickOneIn;  // now and then one comes at once (0: never)
};

Measured DrawAndMeasure(unsigned seed, const Lateness& lateness) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> spread(lateness.least, lateness.most);
  std::uniform_int_distribution<int> quick(0, std::max(lateness.quickOneIn - 1, 0));
  auto late = [&](std::mt19937& r) { return lateness.quickOneIn && quick(r) == 0 ? 1 : spread(r); };
  RinkFeed feed;
  std::deque<std::pair<double, RinkSnapshot>> onTheWay;
  double lastArrival = 0;
  Measured m;
  std::optional<CPoint> drawn;
  const double phase = 7.0;  // the shower's frames fall between the runner's
  for (int frame = 0; frame < 2000; ++frame) {
    const double runnerNow = frame * kFrameMs;
    RinkSnapshot news;
    news.tick = static_cast<DWORD>(runnerNow);
    news.puck = PuckAt(news.tick);
    const CPoint next = PuckAt(news.tick + 10);
    news.puckVelocity = {0, (next.y - news.puck.y) * 100};
    news.playing = true;
    lastArrival = std::max(lastArrival, runnerNow + late(random));
    onTheWay.emplace_back(lastArrival, news);
    const double showerNow = runnerNow + phase + 5000.0;  // another clock altogether
    while (!onTheWay.empty() && onTheWay.front().first + 5000.0 <= showerNow) {
      feed.Take(onTheWay.front().second, static_cast<DWORD>(showerNow));
      onTheWay.pop_front();
    }
    const auto shown = feed.At(static_cast<DWORD>(showerNow));
    if (!shown || frame < 20) continue;  // the first news has to come first
    if (drawn) m.largestStep = std::max(m.largestStep, std::abs(shown->puck.y - drawn->y));
    drawn = shown->puck;
    // The nearest moment of the real puck's path, looking back up to a tenth of a second.
    int lag = 100;
    for (int back = 0; back < 100; ++back)
      if (std::abs(PuckAt(runnerNow - back).y - shown->puck.y) <= 2) {
        lag = back;
        break;
      }
    m.largestLag = std::max(m.largestLag, lag);
  }
  return m;
}

TEST(RinkFeed, PuckMovesEvenlyThoughTheNewsComesUnevenly) {
  const int frameTravel = static_cast<int>(std::ceil(kPuckSpeed * kFrameMs / 1000.0));  // 24 px
  // On one machine's loopback (a few ms), over a network that holds
  // messages back by up to a frame and a half, and one that mostly holds
  // them two frames but now and then lets one through at once.
  for (const Lateness& lateness : {Lateness{1, 4, 0}, Lateness{2, 24, 0}, Lateness{28, 34, 25}}) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
      const Measured m = DrawAndMeasure(seed, lateness);
      EXPECT_LE(m.largestStep, frameTravel * 3 / 2) << "seed " << seed << " late " << lateness.least << ".." << lateness.most;
      EXPECT_LE(m.largestLag, 80) << "seed " << seed;
    }
  }
}

TEST(RinkFeed, ServeJumpsAndATurnedBackClockStartsAfresh) {
  RinkFeed feed;
  RinkSnapshot a;
  a.tick = 1000;
  a.puck = {129, 60};
  RinkSnapshot b = a;
  b.tick = 1016;
  b.puck = {129, 286};
  b.serve = 1;
  feed.Take(a, 50);
  feed.Take(b, 66);
  // Halfway between the two moments the puck is not halfway across the rink.
  EXPECT_EQ(feed.At(66 + RinkFeed::kDelayMs - 8)->puck, a.puck);
  EXPECT_EQ(feed.At(66 + RinkFeed::kDelayMs + 1)->puck, b.puck);
  // The running machine started again: its clock counts from the start.
  RinkSnapshot c = a;
  c.tick = 5;
  c.puck = {100, 100};
  feed.Take(c, 90);
  EXPECT_EQ(feed.At(200)->puck, c.puck);
}

}  // namespace
}  // namespace airhockey
