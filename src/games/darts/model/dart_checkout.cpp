// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_checkout.h"

#include <array>

namespace darts {

namespace {

struct Choice {
  Target target;
  int cost;  // how hard or how unusual the dart is, in tenths
};

// Darts before the last: the big single areas first, then trebles, then the rest.
std::vector<Choice> SetupDarts() {
  std::vector<Choice> darts;
  for (int n = 20; n >= 1; --n) darts.push_back({Single(n), 10});
  for (int n = 20; n >= 1; --n) darts.push_back({Treble(n), n >= 19 ? 18 : 20});
  darts.push_back({kOuterBull, 25});
  darts.push_back({kBull, 30});
  for (int n = 20; n >= 1; --n) darts.push_back({Double(n), 30});
  return darts;
}

// The finishing doubles in the order players like them.
std::vector<Choice> FinishingDarts() {
  constexpr std::array<int, 9> kFavourites = {20, 16, 18, 8, 10, 12, 4, 14, 6};
  std::vector<Choice> darts;
  for (std::size_t i = 0; i < kFavourites.size(); ++i)
    darts.push_back({Double(kFavourites[i]), static_cast<int>(i)});
  for (int n = 20; n >= 1; --n) {
    bool favourite = false;
    for (int f : kFavourites) favourite = favourite || f == n;
    if (!favourite) darts.push_back({Double(n), n == 1 ? 20 : 12});
  }
  darts.push_back({kBull, 20});
  return darts;
}

struct Route {
  std::vector<Target> darts;
  int cost = 0;
};

// The cheapest route of exactly `count` darts; earlier entries win ties, so
// bigger first darts are preferred.
Route CheapestRoute(int score, int count) {
  static const std::vector<Choice> setup = SetupDarts();
  static const std::vector<Choice> finish = FinishingDarts();
  Route best;
  bool found = false;
  auto consider = [&](std::vector<Target> route, int cost) {
    if (found && cost >= best.cost) return;
    best = {std::move(route), cost};
    found = true;
  };
  for (const Choice& last : finish) {
    const int before = score - TargetPoints(last.target);
    if (count == 1) {
      if (before == 0) consider({last.target}, last.cost);
      continue;
    }
    for (const Choice& first : setup) {
      const int rest = before - TargetPoints(first.target);
      if (count == 2) {
        if (rest == 0) consider({first.target, last.target}, first.cost + last.cost);
        continue;
      }
      for (const Choice& second : setup)
        if (rest == TargetPoints(second.target) && TargetPoints(second.target) <= TargetPoints(first.target))
          consider({first.target, second.target, last.target}, first.cost + second.cost + last.cost);
    }
  }
  return best;
}

}  // namespace

std::vector<Target> Checkout(int score, int dartsLeft) {
  if (score < 2 || score > kHighestCheckout) return {};
  for (int count = 1; count <= dartsLeft && count <= 3; ++count) {
    Route route = CheapestRoute(score, count);
    if (!route.darts.empty()) return route.darts;
  }
  return {};
}

std::string CheckoutText(int score, int dartsLeft) {
  std::string text;
  for (const Target& dart : Checkout(score, dartsLeft)) {
    if (!text.empty()) text.push_back(' ');
    text.append(TargetName(dart));
  }
  return text;
}

}  // namespace darts
