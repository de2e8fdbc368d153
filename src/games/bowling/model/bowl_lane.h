// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The roll of one ball: the ball and the ten pins stepped together, the hook
// that bends the ball's line, the rattle of struck pins, the line the ball
// will take on an empty lane (the swing guide and the computer's aim), and a
// whole ball simulated off screen (measurements and tests).
#include <array>
#include <vector>

#include "games/bowling/model/bowl_ball.h"
#include "games/bowling/model/bowl_geometry.h"

namespace bowling {

// A picture that only remembers where it is, for bodies simulated off screen.
class PointSprite : public BodySprite {
 public:
  void SetPosition(int x, int y) override {
    m_x = x;
    m_y = y;
  }
  void SetCel(int nCel) override { m_cel = nCel; }
  int GetPosX() const override { return m_x; }
  int GetPosY() const override { return m_y; }
  int Cel() const { return m_cel; }

 private:
  int m_x = 0, m_y = 0, m_cel = 0;
};

// The hook of one ball: once the ball has skidded past dStartY its heading
// turns by a growing amount per pixel rolled, up to dTurn radians per pixel
// (positive turns left, as Shift does; negative right, as Ctrl does).
struct Hook {
  double dTurn = 0.0;
  double dStartY = kBallStartY;
};

// One ball as a swing (a user's or a computer's) made it.
struct Throw {
  double dStartX = 77.0;
  double dHeading = kHalfPi;
  double dSpeed = 0.5;
  Hook hook;
};

// The hook for a Spin position (0..3), the key's factor (0..1), its direction
// and the ball's speed: a slow ball skids less and hooks earlier.
Hook MakeHook(int nSpin, double dFactor, bool bHookRight, double dSpeed);

// Puts the ball at the foul line with the throw's speed and heading.
void PlaceBall(CBowlBall& ball, const Throw& t);

class CLaneRoll {
 public:
  // dScatter: the most a struck pin's heading is jolted either way (radians),
  // drawn from `rand`; 0 for none.
  CLaneRoll(CBowlBall& ball, const std::array<CBowlBall*, kPins>& pins, const Hook& hook, double dScatter,
            RandSource rand);
  // One pass: hook, ball, ball against pins, pins against pins. True while
  // anything moved.
  bool Step();
  // The ball met its first pin during the last Step.
  bool FirstContactNow() const { return m_bFirstContactNow; }
  // The ball has met a pin in this roll.
  bool Contacted() const { return m_bContacted; }

 private:
  void TurnBall();
  void Jolt(CBowlBall& body);

  CBowlBall& m_ball;
  std::array<CBowlBall*, kPins> m_pins;
  Hook m_hook;
  double m_dScatter;
  RandSource m_rand;
  double m_dHookTravel = 0.0;
  bool m_bContacted = false;
  bool m_bFirstContactNow = false;
};

// The centre line the ball would roll on an empty lane, from the foul line
// up to y `toY` (or its gutter), one point every `stepPx` pixels.
struct PathPoint {
  double x, y;
  bool gutter;
};
std::vector<PathPoint> PredictPath(const Throw& t, double toY, double stepPx);
// Where the ball's centre crosses y `atY` on an empty lane (a gutter ball
// gives the gutter's x).
double PredictX(const Throw& t, double atY);

// The y at which the ball's centre meets the head pin's row: where the
// strike map and the computer measure a ball's line.
inline constexpr double kPocketY = 71.0;
// Every pin up.
inline constexpr unsigned kFullRack = (1u << kPins) - 1u;

// A whole ball rolled at the pins in `standing` (bit i: spot i + 1 is up)
// with pins of this friction and scatter; returns the pins it knocked down.
unsigned SimulateThrow(const Throw& t, double dPinFriction, double dScatter, const RandSource& rand,
                       unsigned standing = kFullRack);

// Pins in a mask.
int PinCount(unsigned mask);
// A split: the head pin is down and the pins left standing (two or more)
// fall into groups with a gap between them.
bool IsSplit(unsigned standing);

}  // namespace bowling
