// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checkout chart of double-out darts: how to finish a score with the
// darts left in the turn, the last dart on a double or the bull.
#include <string>
#include <vector>

#include "games/darts/model/dart_target.h"

namespace darts {

inline constexpr int kHighestCheckout = 170;

// The way a darts player would finish `score` with at most `dartsLeft`
// darts: as few darts as possible, singles before trebles where they do, and
// the favourite doubles (20, 16, 18, ...) last. Empty when there is none.
std::vector<Target> Checkout(int score, int dartsLeft);
// "T20 T20 Bull", or empty when there is no checkout.
std::string CheckoutText(int score, int dartsLeft);

}  // namespace darts
