// SPDX-License-Identifier: GPL-3.0-or-later
// The checkout hint against a table of every score's shortest finish, worked
// out here independently by trying every dart a board offers.
#include "games/darts/model/dart_checkout.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace darts {
namespace {

// Every value one dart can score, and those that may finish (doubles, bull).
struct BoardValues {
  std::set<int> any;
  std::set<int> finishing;
  BoardValues() {
    for (int n = 1; n <= 20; ++n) {
      any.insert({n, 2 * n, 3 * n});
      finishing.insert(2 * n);
    }
    any.insert({25, 50});
    finishing.insert(50);
  }
};

// The fewest darts that finish each score 0..170 on a double (4: none within three).
std::array<int, 171> ShortestFinishes() {
  const BoardValues board;
  std::array<int, 171> fewest{};
  fewest.fill(4);
  for (int last : board.finishing) {
    if (last <= 170) fewest[static_cast<std::size_t>(last)] = 1;
    for (int a : board.any) {
      if (last + a <= 170) fewest[static_cast<std::size_t>(last + a)] = std::min(fewest[static_cast<std::size_t>(last + a)], 2);
      for (int b : board.any)
        if (last + a + b <= 170)
          fewest[static_cast<std::size_t>(last + a + b)] = std::min(fewest[static_cast<std::size_t>(last + a + b)], 3);
    }
  }
  return fewest;
}

TEST(DartCheckout, EveryScoreFrom2To170GetsTheShortestFinishOnADouble) {
  const std::array<int, 171> fewest = ShortestFinishes();
  for (int darts = 1; darts <= 3; ++darts) {
    for (int score = 2; score <= kHighestCheckout; ++score) {
      const std::vector<Target> route = Checkout(score, darts);
      const int needed = fewest[static_cast<std::size_t>(score)];
      if (needed > darts) {
        EXPECT_TRUE(route.empty()) << score << " with " << darts << " darts: " << CheckoutText(score, darts);
        continue;
      }
      ASSERT_EQ(static_cast<int>(route.size()), needed) << score << " with " << darts << " darts";
      int total = 0;
      for (const Target& t : route) total += TargetPoints(t);
      EXPECT_EQ(total, score) << CheckoutText(score, darts);
      const Ring last = route.back().ring;
      EXPECT_TRUE(last == Ring::Double || last == Ring::InnerBull) << CheckoutText(score, darts);
    }
  }
}

TEST(DartCheckout, ReadsLikeTheChartOnTheWall) {
  EXPECT_EQ(CheckoutText(170, 3), "T20 T20 Bull");
  EXPECT_EQ(CheckoutText(167, 3), "T20 T19 Bull");
  EXPECT_EQ(CheckoutText(160, 3), "T20 T20 D20");
  EXPECT_EQ(CheckoutText(100, 3), "T20 D20");
  EXPECT_EQ(CheckoutText(40, 1), "D20");
  EXPECT_EQ(CheckoutText(32, 2), "D16");
  EXPECT_EQ(CheckoutText(50, 1), "Bull");
  // The bogey numbers have no three-dart finish; nothing below 2 or above 170 does.
  for (int bogey : {169, 168, 166, 165, 163, 162, 159}) EXPECT_EQ(CheckoutText(bogey, 3), "") << bogey;
  EXPECT_EQ(CheckoutText(1, 3), "");
  EXPECT_EQ(CheckoutText(171, 3), "");
  EXPECT_EQ(CheckoutText(41, 1), "");
}

}  // namespace
}  // namespace darts
