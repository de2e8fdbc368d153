// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/model/basketball_rules.h"

#include <algorithm>

namespace basketball {

int GameTimeToPos(int gameTime) { return std::clamp(gameTime / kGameTimeStep, kGameTimeMinPos, kGameTimeMaxPos); }

int PosToGameTime(int pos) { return std::clamp(pos, kGameTimeMinPos, kGameTimeMaxPos) * kGameTimeStep; }

Settings ClampSettings(int storedGameTime, int storedBoardPercent) {
  Settings s;
  s.gameTime = PosToGameTime(GameTimeToPos(storedGameTime));
  s.boardPercent = std::clamp(storedBoardPercent, 0, kBoardPercentMax);
  return s;
}

int ClampVariant(int variant) { return std::clamp(variant, kVariantTimed, kVariantPlayTo40); }

int BoardThreshold(int variant, int gameTime, int boardPercent) {
  if (variant == kVariantPlayTo40) return kPlayTo40Target - 10 * boardPercent;
  return gameTime * boardPercent / 4;
}

bool IsBackboardMoving(int variant, int threshold, int gameTime, int time, int points) {
  switch (variant) {
    case kVariantTimed: return threshold >= time;
    case kVariantPractice: return gameTime == threshold;
    default: return points >= threshold;
  }
}

int AddBasket(int points, bool boardMoving) { return std::min(points + (boardMoving ? 3 : 2), kMaxPoints); }

bool BasketEndsTurn(int variant, int points) { return variant == kVariantPlayTo40 && points > kPlayTo40Target; }

ClockTick TickClock(int variant, int time) {
  if (variant == kVariantTimed) {
    const int left = time - 1;
    return {left, left <= 0, left >= 0};
  }
  const int elapsed = time + 1;
  return {elapsed, elapsed >= kMaxClock, elapsed <= kMaxClock};
}

bool ClockRuns(int variant, int seats) { return variant != kVariantPractice || seats > 1; }

int StartingTime(int variant, int gameTime) { return variant == kVariantTimed ? gameTime : 0; }

int TurnResult(int variant, int points, int time) { return variant == kVariantTimed ? points : time; }

Winner FindWinner(int variant, std::span<const Seat> seats) {
  Winner w;
  if (variant == kVariantPractice) return w;
  const bool highest = variant == kVariantTimed;
  int best = highest ? 0 : 1000;
  for (std::size_t i = 0; i < seats.size(); ++i) {
    const Seat& s = seats[i];
    if (!s.active) continue;
    // A race the clock ended (at 99 s, short of 40 points) is not a finish.
    if (!highest && s.score >= kMaxClock) continue;
    // Strictly better only: on a tie the lower seat keeps the lead.
    if (highest ? s.score > best : s.score < best) {
      best = s.score;
      w.seat = static_cast<int>(i);
    }
  }
  w.value = best;
  w.word = highest ? "score" : "time";
  if (best <= 0) w.seat = -1;
  return w;
}

std::string WinnerMessage(const std::string& name, const Winner& winner) {
  return name + " is the winner with a " + winner.word + " of " + std::to_string(winner.value) + "!";
}

}  // namespace basketball
