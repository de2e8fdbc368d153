// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_computer.h"

#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_computer_targets.h"
#include "games/darts/model/dart_motion.h"

namespace darts {

namespace {

using skill::ComputerSkill;

constexpr int kAimRadius = 50;       // inside the single area, between bull and treble
constexpr int kHighScore = 20;       // above this the computer just goes for the middle
constexpr int kBullsAimPosition = 22;
constexpr int kCentreStrokeX = 268;  // a stroke at the middle starts a little right of the board's centre

// How unsteady a level's hand is: the spread (pixels) of its release around
// the middle of the board and around a target, and of its timing (tens of ms).
struct Hand {
  int centreSpread;
  int targetSpread;
  int timingSpread;
  int cricketSpread;
  int steadySpread;  // the release on the half of the throws at the middle that go well
};
constexpr Hand kClubHand{40, 20, 10, 10, 7};
constexpr Hand kBeginnerHand{90, 30, 24, 24, 24};
// An expert's release lands within this many pixels of the target on each axis, mostly much closer.
constexpr int kExpertSpread = 19;

// a +/- b: minus when the sign draw is non-zero.
int Signed(int a, int b, int signDraw) { return signDraw != 0 ? a - b : a + b; }

DWORD Duration(int velocity, int spread, int signDraw) {
  const int ms = Signed(IdealStrokeMs(velocity), 10 * spread, signDraw);
  return static_cast<DWORD>(ms < 0 ? 0 : ms);
}

Stroke AimAtCentre(int velocity, const Hand& hand, const RandomDraw& R) {
  int dx = R(hand.centreSpread), dy = R(hand.centreSpread), sx = R(2), sy = R(2);
  if (R(2) != 0) {
    dx = R(hand.steadySpread);
    dy = R(hand.steadySpread);
    sx = R(2);
    sy = R(2);
  }
  Stroke s;
  s.release = {Signed(kBoardCenterX, dx, sx), Signed(kBoardCenterY, dy, sy)};
  const int hx = R(10), hy = R(5), shx = R(2), shy = R(2);
  s.press = {Signed(kCentreStrokeX, hx, shx), Signed(kThrowLineY, hy, shy)};
  const int m = R(2 * hand.timingSpread), sm = R(2);
  s.durationMs = Duration(velocity, m, sm);
  return s;
}

Stroke AimAtPoint(CPoint aim, int velocity, const Hand& hand, const RandomDraw& R) {
  Stroke s;
  const int dx = R(hand.targetSpread), dy = R(hand.targetSpread), sx = R(2), sy = R(2);
  s.release = {Signed(aim.x, dx, sx), Signed(aim.y, dy, sy)};
  const int hx = R(10), hy = R(5), shx = R(2), shy = R(2);
  s.press = {Signed(s.release.x, hx, shx), Signed(kThrowLineY, hy, shy)};
  const int m = R(hand.timingSpread), sm = R(2);
  s.durationMs = Duration(velocity, m, sm);
  return s;
}

Stroke AimCricket(const CricketMarks& marks, int seat, int velocity, const Hand& hand, const RandomDraw& R) {
  const int entry = marks.FirstOpenEntry(seat);
  const int position = (entry < 0 || entry == kBullsEntry)
                           ? kBullsAimPosition
                           : kAimPositions[static_cast<std::size_t>(kFirstCricketNumber + entry)];
  Stroke s;
  s.release = SegmentCenterPoint(position, kAimRadius);
  const int dx = R(hand.cricketSpread), dy = R(hand.cricketSpread), sx = R(2), sy = R(2);
  s.release = {Signed(s.release.x, dx, sx), Signed(s.release.y, dy, sy)};
  // The horizontal draw is made but not used: a Cricket stroke is straight, with no drift.
  R(10);
  const int hy = R(5);
  R(2);
  const int shy = R(2);
  s.press = {s.release.x, Signed(kThrowLineY, hy, shy)};
  const int m = R(10), sm = R(2);
  s.durationMs = Duration(velocity, m, sm);
  return s;
}

// An expert's hand: a few pixels either way, a straight stroke, its timing
// within a few milliseconds of the ideal.
Stroke ExpertStroke(CPoint aim, int velocity, const RandomDraw& R) {
  Stroke s;
  constexpr int w = kExpertSpread;
  const int dx = R(w + 1) + R(w + 1) - w, dy = R(w + 1) + R(w + 1) - w;
  s.release = {aim.x + dx, aim.y + dy};
  s.press = {s.release.x, kThrowLineY};
  const int m = R(3), sm = R(2);
  s.durationMs = static_cast<DWORD>(Signed(IdealStrokeMs(velocity), 3 * m, sm));
  return s;
}

// Club and Beginner: the classic aim, or a double when the options ask for one.
Stroke HandAim(const AimSituation& s, const Hand& hand, const RandomDraw& R) {
  if (s.variant == kVariantCricket) {
    static const CricketMarks kNoMarks;
    return AimCricket(s.marks ? *s.marks : kNoMarks, s.seat, s.velocity, hand, R);
  }
  if (const auto target = NeededDouble(s)) return AimAtPoint(TargetPoint(*target), s.velocity, hand, R);
  if (s.remaining > kHighScore || s.remaining < 1) return AimAtCentre(s.velocity, hand, R);
  return AimAtPoint(SegmentCenterPoint(kAimPositions[static_cast<std::size_t>(s.remaining)], kAimRadius), s.velocity,
                    hand, R);
}

}  // namespace

Stroke ComputerAim(const AimSituation& situation, ComputerSkill level, const RandomDraw& random) {
  switch (level) {
    case ComputerSkill::Expert: return ExpertStroke(TargetPoint(ExpertTarget(situation)), situation.velocity, random);
    case ComputerSkill::Beginner: return HandAim(situation, kBeginnerHand, random);
    case ComputerSkill::Club: break;
  }
  return HandAim(situation, kClubHand, random);
}

Stroke ComputerAim(int variant, int remaining, const CricketMarks& marks, int seat, int velocity,
                   const RandomDraw& random) {
  AimSituation s;
  s.variant = variant;
  s.remaining = remaining;
  s.marks = &marks;
  s.seat = seat;
  s.velocity = velocity;
  return ComputerAim(s, ComputerSkill::Club, random);
}

}  // namespace darts
