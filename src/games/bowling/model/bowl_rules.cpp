// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_rules.h"

namespace bowling {

BallCount CountBall(FrameState& s, int ballInFrame, int frame, int pinsHit) {
  const bool tenth = frame == kTenthFrame;
  const bool allDown = pinsHit >= kPins;
  BallCount out;
  out.allDown = allDown;
  if (ballInFrame <= 1) {
    if (allDown) {
      out.code = kStrike;
      if (tenth) s.bTenthStrike1 = true;
      s.nPinsStanding = kPins;
    } else {
      out.code = pinsHit;
      s.nPinsStanding = kPins - pinsHit;
    }
  } else if (ballInFrame == 2) {
    if (allDown) {
      if (s.bTenthStrike1 && tenth) {
        s.bTenthStrike2 = true;
        out.code = kStrike;
      } else {
        out.code = kSpare;
        if (tenth) s.bTenthSpare = true;
      }
      s.nPinsStanding = kPins;
    } else {
      out.code = s.nPinsStanding + pinsHit - kPins;
      s.nPinsStanding = s.bTenthStrike1 && tenth ? kPins - pinsHit : kPins;
    }
  } else if (allDown) {
    out.code = s.bTenthStrike2 || s.bTenthSpare ? kStrike : kSpare;
  } else {
    out.code = s.nPinsStanding + pinsHit - kPins;
  }
  return out;
}

int CountNoRoll(FrameState& state, int ballInFrame, int pinsHit) {
  state.nPinsStanding = ballInFrame <= 1 ? kPins : kPins - pinsHit;
  return 0;
}

AfterBall WhatFollows(int frame, int ballInFrame, int code, bool tenthStrike1) {
  if (frame == kTenthFrame) {
    if ((ballInFrame == 1 && code == kStrike) || (ballInFrame == 2 && (code == kSpare || code == kStrike)))
      return AfterBall::Rerack;
    if (ballInFrame == 2 && tenthStrike1) return AfterBall::NextBall;
  } else if (ballInFrame == 1 && code == kStrike) {
    return AfterBall::FrameOver;
  }
  return ballInFrame >= 2 ? AfterBall::FrameOver : AfterBall::NextBall;
}

void StoreBall(SheetRow& row, int frame, int ballInFrame, int code) {
  if (frame < 0 || frame >= kFrames) return;
  BowlFrameCell& cell = row[static_cast<std::size_t>(frame)];
  switch (ballInFrame) {
    case 1:
      cell.nBall1 = code;
      cell.nBall2 = kNotBowled;
      cell.nTotal = kNotBowled;
      break;
    case 2:
      cell.nBall2 = code;
      cell.nTotal = kNotBowled;
      break;
    case 3:
      if (frame == kTenthFrame) cell.nTotal = code;
      break;
    default: break;
  }
}

namespace {

// The total of frame j, or nothing while a bonus ball it needs is unknown.
std::optional<int> FrameTotal(const SheetRow& row, int j, int frame) {
  const auto at = [&row](int f) -> const BowlFrameCell& { return row[static_cast<std::size_t>(f)]; };
  const int prev = j > 0 ? at(j - 1).nTotal : 0;
  const BowlFrameCell& cell = at(j);
  const int next = j + 1 < kFrames ? at(j + 1).nBall1 : kNotBowled;
  const int nextB = j + 1 < kFrames ? at(j + 1).nBall2 : kNotBowled;
  const int after = j + 2 < kFrames ? at(j + 2).nBall1 : kNotBowled;
  if (cell.nBall1 == kStrike) {
    if (j + 1 > frame || next == kNotBowled) return std::nullopt;
    if (next == kStrike) {
      // Two strikes into the tenth frame are settled by the tenth frame's own pass.
      if (j + 2 > frame || after == kNotBowled) return std::nullopt;
      return after == kStrike ? prev + 30 : prev + after + 20;
    }
    if (nextB == kNotBowled) return std::nullopt;
    return nextB == kSpare ? prev + 20 : prev + next + nextB + 10;
  }
  if (cell.nBall2 == kSpare) {
    if (j + 1 > frame || next == kNotBowled) return std::nullopt;
    return next == kStrike ? prev + 20 : prev + next + 10;
  }
  if (cell.nBall2 == kNotBowled) return cell.nTotal;  // unfinished: keeps its total
  return prev + cell.nBall1 + cell.nBall2;
}

}  // namespace

void UpdateTotals(SheetRow& row, int frame) {
  for (int j = 0; j <= frame && j <= kTenthFrame - 1; ++j) {
    const std::optional<int> total = FrameTotal(row, j, frame);
    if (!total) return;  // the rest of this row waits for bonus balls
    row[static_cast<std::size_t>(j)].nTotal = *total;
  }
}

}  // namespace bowling
