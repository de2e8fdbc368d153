// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_sim.h"

#include <cmath>
#include <memory>

#include "games/pool/model/pool_contacts.h"
#include "games/pool/model/pool_quiet_table.h"

namespace pool {

TableState RackedTable() {
  TableState t;
  for (int n = 0; n < kBallCount; ++n) {
    t.pos[static_cast<std::size_t>(n)] = kRack[static_cast<std::size_t>(n)].spot;
    t.onTable[static_cast<std::size_t>(n)] = true;
  }
  return t;
}

ShotOutcome SimulateShot(const TableState& table, double power, double angle, DWORD limitMs, Tip tip) {
  QuietTable env;
  const OwnedBalls owned = BallsAt(table, env);
  TableBalls balls{};
  for (std::size_t i = 0; i < owned.size(); ++i) balls[i] = owned[i].get();
  ShotOutcome out;
  ContactEvents events;
  int railsAtContact = 0;
  events.onHit = [&](int a, int b) {
    ++out.collisions;
    if (out.firstHit >= 0 || (a != kCueBall && b != kCueBall)) return;
    out.firstHit = a == kCueBall ? b : a;
    railsAtContact = CushionsMet(balls);
  };
  balls[kCueBall]->Strike(power, angle, tip.x, tip.y);
  const DWORD start = env.now;
  BallPoints last = table.pos;
  auto track = [&] {
    for (std::size_t i = 0; i < balls.size(); ++i) {
      if (!balls[i]->m_bOnTable) continue;
      const double dx = balls[i]->GetPosX() - last[i].x, dy = balls[i]->GetPosY() - last[i].y;
      out.travelled[i] += std::sqrt(dx * dx + dy * dy);
      last[i] = {balls[i]->GetPosX(), balls[i]->GetPosY()};
    }
  };
  while (StepBalls(balls, events) > 0) {
    track();
    DWORD due = env.now;
    if (!NextDue(balls, env.now, due)) break;
    env.now = due;
    if (env.now - start > limitMs) {
      out.cutOff = true;
      break;
    }
  }
  out.ms = env.now - start;
  out.after.rules = table.rules;
  out.railAfterContact = out.firstHit >= 0 && CushionsMet(balls) > railsAtContact;
  for (int n = 0; n < kBallCount; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    const CPoolBall& b = *balls[i];
    out.after.pos[i] = {b.GetPosX(), b.GetPosY()};
    out.after.onTable[i] = b.m_bOnTable != FALSE;
    out.pocket[i] = table.onTable[i] && !b.m_bOnTable ? b.m_nPocket : -1;
  }
  return out;
}

}  // namespace pool
