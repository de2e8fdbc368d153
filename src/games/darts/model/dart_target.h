// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A place a player aims a dart at: a ring of a number, or a bull. Darts
// players name them "T20", "D16", "S5", "25" and "Bull".
#include <string>

#include "games/darts/model/dart_board.h"
#include "platform/rect.h"

namespace darts {

struct Target {
  Ring ring = Ring::Single;
  int number = 20;  // 1..20; ignored for the bulls
  friend bool operator==(const Target&, const Target&) = default;
};

inline constexpr Target kBull{Ring::InnerBull, 50};
inline constexpr Target kOuterBull{Ring::OuterBull, 25};
inline constexpr Target kTreble20{Ring::Treble, 20};

constexpr Target Single(int n) { return {Ring::Single, n}; }
constexpr Target Double(int n) { return {Ring::Double, n}; }
constexpr Target Treble(int n) { return {Ring::Treble, n}; }

// What a dart in the target scores.
int TargetPoints(const Target& target);
// "T20", "D16", "5", "25", "Bull".
std::string TargetName(const Target& target);
// The middle of the target on the playfield: where a steady hand aims.
CPoint TargetPoint(const Target& target);
// A dart that may finish a game played with double out: any double or the bull.
bool IsFinishingDouble(const BoardHit& hit);

}  // namespace darts
