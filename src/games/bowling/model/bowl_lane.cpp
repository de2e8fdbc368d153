// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_lane.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace bowling {

namespace {

constexpr int kRollLimitSteps = 20000;  // far beyond any roll: a guard, not a rule

}  // namespace

Hook MakeHook(int nSpin, double dFactor, bool bHookRight, double dSpeed) {
  Hook hook;
  const int spin = std::clamp(nSpin, 0, kSettingMax);
  const double turn = kHookTurnPerSpin[static_cast<std::size_t>(spin)] * std::clamp(dFactor, 0.0, 1.0);
  hook.dTurn = bHookRight ? -turn : turn;
  hook.dStartY = kBallStartY - (kHookSkidBase + kHookSkidPerSpeed * dSpeed);
  return hook;
}

void PlaceBall(CBowlBall& ball, const Throw& t) {
  ball.m_dSpeed = t.dSpeed;
  ball.SetHeading(t.dHeading);
  ball.ShowCel(0);
  ball.SetPosition(t.dStartX, kBallStartY);
  ball.m_bMoving = TRUE;
  ball.m_bInGutter = FALSE;
}

CLaneRoll::CLaneRoll(CBowlBall& ball, const std::array<CBowlBall*, kPins>& pins, const Hook& hook, double dScatter,
                     RandSource rand)
    : m_ball(ball), m_pins(pins), m_hook(hook), m_dScatter(dScatter), m_rand(std::move(rand)) {}

void CLaneRoll::TurnBall() {
  // The hook bends the line from where the ball grips until it meets a pin;
  // it grows over the first pixels so the line curves rather than kinks.
  if (m_hook.dTurn == 0.0 || m_ball.m_bInGutter || m_bContacted || m_ball.Y() > m_hook.dStartY) return;
  m_dHookTravel += m_ball.m_dSpeed;
  const double grip = std::min(1.0, m_dHookTravel / kHookRampPx);
  const double heading = m_ball.m_dHeading + m_hook.dTurn * grip * m_ball.m_dSpeed;
  m_ball.SetHeading(std::clamp(heading, kHookRightLimit, kHookLeftLimit));
}

void CLaneRoll::Jolt(CBowlBall& body) {
  if (m_dScatter <= 0.0 || !m_rand || !body.IsPin() || body.m_dSpeed <= 0.0) return;
  const double u = static_cast<double>(m_rand() % 2001) / 1000.0 - 1.0;
  body.SetHeading(body.m_dHeading + u * m_dScatter);
}

bool CLaneRoll::Step() {
  m_bFirstContactNow = false;
  TurnBall();
  if (m_ball.m_dHeading < 0.0) m_ball.m_dSpeed = 0.0;
  bool moved = m_ball.Move() != FALSE;
  for (CBowlBall* pin : m_pins) {
    if (!pin || !m_ball.IsOnDeck() || !pin->IsOnDeck() || !m_ball.Overlaps(pin)) continue;
    if (!m_bContacted) m_bFirstContactNow = true;
    m_bContacted = true;
    m_ball.Collide(pin);
    Jolt(*pin);
  }
  for (CBowlBall* pin : m_pins) {
    if (!pin || !pin->Move()) continue;
    moved = true;
    for (CBowlBall* other : m_pins) {
      if (!other || other == pin || !other->IsOnDeck() || !pin->Overlaps(other)) continue;
      pin->Collide(other);
      Jolt(*other);
      Jolt(*pin);
    }
  }
  return moved;
}

std::vector<PathPoint> PredictPath(const Throw& t, double toY, double stepPx) {
  PointSprite sprite;
  CBowlBall ball(&sprite, nullptr, kBallMass, kBallRadius, kBallSpeedIndex, kHalfPi, kBallCelDistance, kBallLastCel);
  PlaceBall(ball, t);
  // The same roll with no pin on the lane: the hook turns the ball as it would.
  CLaneRoll roll(ball, {}, t.hook, 0.0, {});
  std::vector<PathPoint> path{{ball.X(), ball.Y(), false}};
  double travelled = 0.0;
  for (int i = 0; i < kRollLimitSteps && ball.Y() > toY; ++i) {
    if (!roll.Step()) break;
    travelled += ball.m_dSpeed;
    if (travelled + 1e-9 >= stepPx) {
      travelled = 0.0;
      path.push_back({ball.X(), ball.Y(), ball.m_bInGutter != FALSE});
    }
  }
  return path;
}

double PredictX(const Throw& t, double atY) {
  PointSprite sprite;
  CBowlBall ball(&sprite, nullptr, kBallMass, kBallRadius, kBallSpeedIndex, kHalfPi, kBallCelDistance, kBallLastCel);
  PlaceBall(ball, t);
  CLaneRoll roll(ball, {}, t.hook, 0.0, {});
  double lastX = ball.X(), lastY = ball.Y();
  for (int i = 0; i < kRollLimitSteps && ball.Y() > atY; ++i) {
    lastX = ball.X();
    lastY = ball.Y();
    if (!roll.Step()) break;
  }
  if (ball.m_bInGutter) return ball.X();
  // Between the last two steps, where the line crosses atY.
  const double dy = lastY - ball.Y();
  if (dy <= 0.0) return ball.X();
  const double f = (lastY - atY) / dy;
  return lastX + (ball.X() - lastX) * std::clamp(f, 0.0, 1.0);
}

unsigned SimulateThrow(const Throw& t, double dPinFriction, double dScatter, const RandSource& rand, unsigned standing) {
  PointSprite ballSprite;
  std::array<PointSprite, kPins> pinSprites;
  CBowlBall ball(&ballSprite, nullptr, kBallMass, kBallRadius, kBallSpeedIndex, kHalfPi, kBallCelDistance,
                 kBallLastCel, rand);
  std::array<std::unique_ptr<CBowlBall>, kPins> pins;
  std::array<CBowlBall*, kPins> onLane{};
  for (std::size_t i = 0; i < kPins; ++i) {
    pins[i] = std::make_unique<CBowlBall>(&pinSprites[i], nullptr, kPinMass, kPinRadius, 0, 0.0, kPinCelDistance,
                                          kPinLastCel, rand);
    pins[i]->m_dFriction = dPinFriction;
    // A pin already down lies off the lane, as the game sweeps it.
    if (standing & (1u << i))
      pins[i]->SetPosition(kPinSpots[i].x, kPinSpots[i].y);
    else
      pins[i]->SetPosition(-100.0, -100.0);
    onLane[i] = pins[i].get();
  }
  PlaceBall(ball, t);
  CLaneRoll roll(ball, onLane, t.hook, dScatter, rand);
  for (int i = 0; i < kRollLimitSteps && roll.Step(); ++i) {
  }
  unsigned down = 0;
  for (std::size_t i = 0; i < kPins; ++i)
    if ((standing & (1u << i)) && pins[i]->m_bHit) down |= 1u << i;
  return down;
}

int PinCount(unsigned mask) {
  int n = 0;
  for (unsigned m = mask & kFullRack; m; m &= m - 1) ++n;
  return n;
}

bool IsSplit(unsigned standing) {
  standing &= kFullRack;
  constexpr unsigned kHeadPin = 1u << (kPins - 1);
  if ((standing & kHeadPin) || PinCount(standing) < 2) return false;
  // Pins stand together when one is diagonally behind the other or directly
  // behind it two rows back (a sleeper); a pin-width gap makes a split.
  const auto together = [](const PinSpot& a, const PinSpot& b) {
    const int dx = std::abs(a.x - b.x), dy = std::abs(a.y - b.y);
    return (dx == 10 && dy == 20) || (dx == 0 && dy == 40);
  };
  unsigned first = standing & (~standing + 1u);
  unsigned group = first;
  for (bool grew = true; grew;) {
    grew = false;
    for (std::size_t i = 0; i < kPins; ++i) {
      if (!(standing & (1u << i)) || (group & (1u << i))) continue;
      for (std::size_t j = 0; j < kPins; ++j)
        if ((group & (1u << j)) && together(kPinSpots[i], kPinSpots[j])) {
          group |= 1u << i;
          grew = true;
          break;
        }
    }
  }
  return group != standing;
}

}  // namespace bowling
