// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_computer_spin.h"

#include <array>
#include <span>

namespace pool {

namespace {
// Centre first: another tip is taken only when it leaves clearly the better
// table (the look-ahead's judgement of the next shot is rough).
constexpr double kClearlyBetter = 100.0;
constexpr std::array<double, 3> kClubTips = {0.0, -1.0, 1.0};
constexpr std::array<double, 5> kExpertTips = {0.0, -1.0, 1.0, -0.5, 0.5};
}  // namespace

Tip ChooseTip(const TableState& table, int nGroup, const ComputerShot& shot, skill::ComputerSkill level) {
  Tip best;
  // Spin only to get position on a pot; a Beginner does not use it.
  if (level == skill::ComputerSkill::Beginner || !shot.any || shot.safety || shot.target < 0) return best;
  const std::span<const double> tips =
      level == skill::ComputerSkill::Expert ? std::span<const double>(kExpertTips) : std::span<const double>(kClubTips);
  double bestScore = 0;
  bool any = false;
  for (double y : tips) {
    const Tip tip{0.0, y};
    const ShotOutcome o = SimulateShot(table, shot.power, shot.angle, kLongestShotMs, tip);
    const double score = JudgeOutcome(table, o, nGroup, shot.target, shot.pocket);
    if (!any || score > bestScore + kClearlyBetter) {
      best = tip;
      bestScore = score;
      any = true;
    }
  }
  return best;
}

}  // namespace pool
