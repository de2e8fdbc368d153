// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_stroke.h"

#include <algorithm>
#include <cmath>

namespace pool {

namespace {
// The pressing converges in a few dozen sweeps for a full rack; the bound
// only guards against a group that never quite settles.
constexpr int kMostSweeps = 500;
constexpr double kSettled = 1e-10;
constexpr int kMostRounds = 50;

struct Normal {
  double x, y;  // unit line of centres, a to b
};

Normal LineOfCentres(const StrokeBody& a, const StrokeBody& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, d = std::sqrt(dx * dx + dy * dy);
  if (d < 1e-9) return {1.0, 0.0};
  return {dx / d, dy / d};
}

void Push(StrokeBody& a, StrokeBody& b, const Normal& n, double amount) {
  a.vx -= amount * n.x;
  a.vy -= amount * n.y;
  b.vx += amount * n.x;
  b.vy += amount * n.y;
}

// Pressing: pushes (never pulls) at the contacts, sweep by sweep, until no
// touching pair still closes on itself. Returns each contact's push.
std::vector<double> Press(std::vector<StrokeBody>& bodies, const std::vector<StrokeContact>& contacts,
                          const std::vector<Normal>& normals) {
  std::vector<double> push(contacts.size(), 0.0);
  for (int sweep = 0; sweep < kMostSweeps; ++sweep) {
    double most = 0;
    for (std::size_t k = 0; k < contacts.size(); ++k) {
      StrokeBody &a = bodies[contacts[k].a], &b = bodies[contacts[k].b];
      const Normal& n = normals[k];
      const double parting = (b.vx - a.vx) * n.x + (b.vy - a.vy) * n.y;
      // Equal balls: a push p changes the parting speed by 2p.
      const double next = std::max(push[k] - parting / 2.0, 0.0);
      Push(a, b, n, next - push[k]);
      most = std::max(most, std::fabs(next - push[k]));
      push[k] = next;
    }
    if (most < kSettled) break;
  }
  return push;
}
}  // namespace

double StrokeEnergy(const std::vector<StrokeBody>& bodies) {
  double e = 0;
  for (const StrokeBody& b : bodies) e += b.vx * b.vx + b.vy * b.vy;
  return e;
}

namespace {
// One round: pressed, then sprung apart. False when nothing was closing.
bool Round(std::vector<StrokeBody>& bodies, std::vector<StrokeContact>& contacts, const std::vector<Normal>& normals) {
  const double before = StrokeEnergy(bodies);
  const std::vector<double> push = Press(bodies, contacts, normals);
  const double strongest = push.empty() ? 0.0 : *std::max_element(push.begin(), push.end());
  if (strongest <= kSettled) return false;
  // Springing apart: a push of c at every pressed contact changes each
  // ball's velocity by c times the sum of its contacts' directions; c is the
  // root that brings the energy back to what it was.
  std::vector<double> dx(bodies.size(), 0.0), dy(bodies.size(), 0.0);
  for (std::size_t k = 0; k < contacts.size(); ++k) {
    if (push[k] <= strongest * 1e-9) continue;
    contacts[k].pressed = true;
    dx[contacts[k].a] -= normals[k].x;
    dy[contacts[k].a] -= normals[k].y;
    dx[contacts[k].b] += normals[k].x;
    dy[contacts[k].b] += normals[k].y;
  }
  double linear = 0, square = 0;
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    linear += 2.0 * (bodies[i].vx * dx[i] + bodies[i].vy * dy[i]);
    square += dx[i] * dx[i] + dy[i] * dy[i];
  }
  const double taken = std::max(before - StrokeEnergy(bodies), 0.0);
  if (square > 1e-12) {
    const double c = (-linear + std::sqrt(std::max(linear * linear + 4.0 * square * taken, 0.0))) / (2.0 * square);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
      bodies[i].vx += c * dx[i];
      bodies[i].vy += c * dy[i];
    }
  }
  return true;
}
}  // namespace

bool ResolveStroke(std::vector<StrokeBody>& bodies, std::vector<StrokeContact>& contacts) {
  std::vector<Normal> normals;
  normals.reserve(contacts.size());
  for (const StrokeContact& c : contacts) normals.push_back(LineOfCentres(bodies[c.a], bodies[c.b]));
  // Springing apart can send a ball into a neighbour it touches: that pair
  // is struck in turn, round after round, until no touching pair closes.
  bool struck = false;
  for (int round = 0; round < kMostRounds && Round(bodies, contacts, normals); ++round) struck = true;
  return struck;
}

}  // namespace pool
