// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_computer.h"

#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_motion.h"

namespace darts {

namespace {

constexpr int kAimRadius = 50;       // inside the single area, between bull and treble
constexpr int kHighScore = 20;       // above this the computer just goes for the middle
constexpr int kBullsAimPosition = 22;
constexpr int kCentreStrokeX = 268;  // a stroke at the middle starts a little right of the board's centre

// a +/- b: minus when the sign draw is non-zero.
int Signed(int a, int b, int signDraw) { return signDraw != 0 ? a - b : a + b; }

DWORD Duration(int velocity, int spread, int signDraw) {
  const int ms = Signed(IdealStrokeMs(velocity), 10 * spread, signDraw);
  return static_cast<DWORD>(ms < 0 ? 0 : ms);
}

Stroke AimAtCentre(int velocity, const RandomDraw& R) {
  int dx = R(40), dy = R(40), sx = R(2), sy = R(2);
  if (R(2) != 0) {
    dx = R(7);
    dy = R(7);
    sx = R(2);
    sy = R(2);
  }
  Stroke s;
  s.release = {Signed(kBoardCenterX, dx, sx), Signed(kBoardCenterY, dy, sy)};
  const int hx = R(10), hy = R(5), shx = R(2), shy = R(2);
  s.press = {Signed(kCentreStrokeX, hx, shx), Signed(kThrowLineY, hy, shy)};
  const int m = R(20), sm = R(2);
  s.durationMs = Duration(velocity, m, sm);
  return s;
}

Stroke AimAtPosition(int position, int velocity, const RandomDraw& R) {
  Stroke s;
  s.release = SegmentCenterPoint(position, kAimRadius);
  const int dx = R(20), dy = R(20), sx = R(2), sy = R(2);
  s.release = {Signed(s.release.x, dx, sx), Signed(s.release.y, dy, sy)};
  const int hx = R(10), hy = R(5), shx = R(2), shy = R(2);
  s.press = {Signed(s.release.x, hx, shx), Signed(kThrowLineY, hy, shy)};
  const int m = R(10), sm = R(2);
  s.durationMs = Duration(velocity, m, sm);
  return s;
}

Stroke AimCricket(const CricketMarks& marks, int seat, int velocity, const RandomDraw& R) {
  const int entry = marks.FirstOpenEntry(seat);
  const int position = (entry < 0 || entry == kBullsEntry)
                           ? kBullsAimPosition
                           : kAimPositions[static_cast<std::size_t>(kFirstCricketNumber + entry)];
  Stroke s;
  s.release = SegmentCenterPoint(position, kAimRadius);
  const int dx = R(10), dy = R(10), sx = R(2), sy = R(2);
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

}  // namespace

Stroke ComputerAim(int variant, int remaining, const CricketMarks& marks, int seat, int velocity,
                   const RandomDraw& random) {
  if (variant == kVariantCricket) return AimCricket(marks, seat, velocity, random);
  if (remaining > kHighScore || remaining < 1) return AimAtCentre(velocity, random);
  return AimAtPosition(kAimPositions[static_cast<std::size_t>(remaining)], velocity, random);
}

}  // namespace darts
