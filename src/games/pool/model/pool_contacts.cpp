// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_contacts.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "games/pool/model/pool_spin.h"
#include "games/pool/model/pool_stroke.h"

namespace pool {

namespace {
// A rack settles in a handful of passes; the bound only guards a ball wedged
// in a corner, which the next step sets free.
constexpr int kMostPasses = 12;
// Balls this close count as touching while a stroke runs through a group:
// the rack's balls lie 13.9 to 14 px apart, and a ball struck from its rest
// against another is within a pixel of it.
constexpr double kTouchGap = 1.0;
constexpr double kTouchDistance = kBallDiameter + kTouchGap;

bool InPlay(const CPoolBall* b) { return b && b->m_bOnTable && b->HasPicture(); }

// The balls joined to `seed` through balls closer than kTouchDistance.
std::vector<int> Group(const TableBalls& balls, int seed, const std::array<double, kBallCount>& px,
                       const std::array<double, kBallCount>& py) {
  std::vector<int> group{seed};
  std::array<bool, kBallCount> in{};
  in[static_cast<std::size_t>(seed)] = true;
  for (std::size_t q = 0; q < group.size(); ++q) {
    const std::size_t i = static_cast<std::size_t>(group[q]);
    for (int j = 0; j < kBallCount; ++j) {
      const std::size_t u = static_cast<std::size_t>(j);
      if (in[u] || !InPlay(balls[u])) continue;
      const double dx = px[u] - px[i], dy = py[u] - py[i];
      if (dx * dx + dy * dy >= kTouchDistance * kTouchDistance) continue;
      in[u] = true;
      group.push_back(j);
    }
  }
  return group;
}

// The stroke through the group of touching balls around `seed`, from where
// the balls lie in (px, py); rounding is never let add energy.
bool Strike(const TableBalls& balls, int seed, const std::array<double, kBallCount>& px,
            const std::array<double, kBallCount>& py, const ContactEvents& events) {
  const std::vector<int> group = Group(balls, seed, px, py);
  const std::size_t n = group.size();
  if (n < 2) return false;
  std::vector<StrokeBody> body(n);
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t i = static_cast<std::size_t>(group[k]);
    body[k] = {px[i], py[i], balls[i]->m_dVelX, balls[i]->m_dVelY};
  }
  std::vector<StrokeContact> contacts;
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = a + 1; b < n; ++b) {
      const double dx = body[b].x - body[a].x, dy = body[b].y - body[a].y;
      if (dx * dx + dy * dy < kTouchDistance * kTouchDistance) contacts.push_back({a, b});
    }
  if (!ResolveStroke(body, contacts)) return false;
  double before = 0;
  for (int i : group) {
    const CPoolBall* b = balls[static_cast<std::size_t>(i)];
    before += b->m_dSpeed * b->m_dSpeed;
  }
  const double after = StrokeEnergy(body);
  double scale = after > before && after > 0 ? std::sqrt(before / after) : 1.0;
  std::vector<double> speed(n);
  for (int tries = 0; tries < 200; ++tries) {
    double total = 0;
    for (std::size_t k = 0; k < n; ++k) {
      speed[k] = std::sqrt(body[k].vx * body[k].vx + body[k].vy * body[k].vy) * scale;
      total += speed[k] * speed[k];
    }
    if (total <= before) break;
    scale *= 1.0 - 1e-12;
  }
  for (const StrokeContact& c : contacts)
    if (c.pressed && events.onHit) events.onHit(group[c.a], group[c.b]);
  for (std::size_t k = 0; k < n; ++k) {
    CPoolBall* b = balls[static_cast<std::size_t>(group[k])];
    const double dvx = body[k].vx - b->m_dVelX, dvy = body[k].vy - b->m_dVelY;
    if (dvx * dvx + dvy * dvy < 1e-12) continue;  // the stroke never reached it
    b->SetMotion(body[k].vx, body[k].vy, speed[k]);
  }
  return true;
}

void Centres(const TableBalls& balls, std::array<double, kBallCount>& px, std::array<double, kBallCount>& py) {
  for (int n = 0; n < kBallCount; ++n) {
    const CPoolBall* b = balls[static_cast<std::size_t>(n)];
    px[static_cast<std::size_t>(n)] = b ? b->GetPosX() : 0;
    py[static_cast<std::size_t>(n)] = b ? b->GetPosY() : 0;
  }
}

// The mover backs up to where it first touched a ball it is running into.
bool BackUp(const TableBalls& balls, int mover, double& mx, double& my) {
  CPoolBall& m = *balls[static_cast<std::size_t>(mover)];
  double furthest = 0;
  bool overlap = false;
  for (int j = 0; j < kBallCount; ++j) {
    const CPoolBall* o = balls[static_cast<std::size_t>(j)];
    if (j == mover || !InPlay(o) || !m.Overlaps(*o)) continue;
    overlap = true;
    if (m.Approaches(*o)) furthest = std::max(furthest, m.ContactBackOff(*o));
  }
  mx = m.GetPosX() - furthest * pmath::Cos(m.m_dHeading);
  my = m.GetPosY() + furthest * pmath::Sin(m.m_dHeading);
  ClampToBed(mx, my);
  if (furthest > 0) m.PlaceAt(mx, my);
  return overlap;
}

// Every overlapping pair anywhere: struck if closing, then parted.
void Settle(const TableBalls& balls, const ContactEvents& events) {
  for (int pass = 0; pass < kMostPasses; ++pass) {
    bool any = false;
    for (int i = 0; i < kBallCount; ++i) {
      CPoolBall* a = balls[static_cast<std::size_t>(i)];
      for (int j = i + 1; j < kBallCount; ++j) {
        CPoolBall* b = balls[static_cast<std::size_t>(j)];
        if (!InPlay(a) || !InPlay(b) || !a->Overlaps(*b)) continue;
        any = true;
        if (a->Approaches(*b)) {
          std::array<double, kBallCount> px{}, py{};
          Centres(balls, px, py);
          Strike(balls, i, px, py, events);
        }
        a->Separate(*b);
      }
    }
    if (!any) return;
  }
}
}  // namespace

void ResolveContacts(const TableBalls& balls, int mover, const ContactEvents& events) {
  if (!InPlay(balls[static_cast<std::size_t>(mover)])) return;
  double mx = 0, my = 0;
  if (!BackUp(balls, mover, mx, my)) return;
  if (InPlay(balls[static_cast<std::size_t>(mover)])) {
    // The mover strikes the balls it ran into, and the stroke runs on
    // through every ball touching them, from the line of centres at the
    // moment of contact rather than the rounded place.
    std::array<double, kBallCount> px{}, py{};
    Centres(balls, px, py);
    px[static_cast<std::size_t>(mover)] = mx;
    py[static_cast<std::size_t>(mover)] = my;
    // Each ball the mover strikes clicks, hard or soft by the mover's speed.
    CPoolBall& m = *balls[static_cast<std::size_t>(mover)];
    const double speed = m.m_dSpeed;
    std::vector<int> struck;
    ContactEvents clicking = events;
    clicking.onHit = [&](int a, int b) {
      if (a == mover || b == mover) {
        m.PlayClick(speed);
        struck.push_back(a == mover ? b : a);
      }
      if (events.onHit) events.onHit(a, b);
    };
    Strike(balls, mover, px, py, clicking);
    for (int j : struck) ThrowStruckBall(m, *balls[static_cast<std::size_t>(j)], mx, my);
  }
  Settle(balls, events);
}

int StepBalls(const TableBalls& balls, const ContactEvents& events) {
  int moving = 0;
  for (int i = 0; i < kBallCount; ++i) {
    CPoolBall* ball = balls[static_cast<std::size_t>(i)];
    if (!InPlay(ball)) continue;
    const int moves = ball->Moves();
    if (!ball->Step()) {
      if (ball->Moves() != moves && events.onMove) events.onMove();  // dropped
      continue;
    }
    ++moving;
    if (ball->Moves() == moves) continue;  // only waited
    if (events.onMove) events.onMove();
    ResolveContacts(balls, i, events);
  }
  return moving;
}

int CushionsMet(const TableBalls& balls) {
  int n = 0;
  for (const CPoolBall* ball : balls) n += ball ? ball->RailsMet() : 0;
  return n;
}

bool NextDue(const TableBalls& balls, DWORD now, DWORD& due) {
  bool any = false;
  due = now;
  for (const CPoolBall* ball : balls) {
    if (!InPlay(ball) || !ball->IsMoving()) continue;
    const DWORD next = ball->NextStepDue(now);
    if (!any || static_cast<std::int32_t>(next - due) < 0) due = next;
    any = true;
  }
  return any;
}

}  // namespace pool
