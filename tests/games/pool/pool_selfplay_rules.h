// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two seats play standard 8-ball or 9-ball on the table model, the rules'
// own judgement deciding fouls, ball in hand, push-outs and the result.
#include "games/pool/model/pool_computer_rules.h"
#include "games/pool/model/pool_rule_sets.h"
#include "pool_selfplay.h"

namespace pool::selfplay {

// Seat 0's visible mistakes: a pot it went for that did not drop, or a foul.
struct MissCount {
  int* misses = nullptr;
  int* shots = nullptr;
  void Count(int seat, const ComputerShot& plan, bool sank, bool foul) const {
    if (seat != 0) return;
    if (shots) ++*shots;
    if (misses && ((!plan.safety && !sank) || foul)) ++*misses;
  }
};

// The facts of a shot played from `before`.
inline ShotFacts FactsOf(const TableState& before, const ShotOutcome& out, bool isBreak, bool pushOut, int called) {
  ShotFacts f;
  for (int n = 0; n < kBallCount; ++n) f.offBefore[static_cast<std::size_t>(n)] = !before.onTable[static_cast<std::size_t>(n)];
  f.onTable = out.after.onTable;
  f.firstHit = out.firstHit;
  f.railAfterContact = out.railAfterContact;
  f.isBreak = isBreak;
  f.pushOut = pushOut;
  f.eightPocket = out.pocket[kEightBall] >= 0 ? out.pocket[kEightBall] : kNoPocket;
  f.calledPocket = called;
  return f;
}

// One game under `rules` with seat `breaker` breaking; the winning seat, or -1 at the shot limit.
inline int PlayRulesGame(RuleSet rules, const std::array<CueHand, 2>& hands, int breaker, std::mt19937& rng,
                         const MissCount& count = {}) {
  const std::function<int(int)> random = [&rng](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
  TableState t = rules == RuleSet::NineBall ? RackedNineBall() : RackedTable();
  t.rules = rules;
  t.pos[kCueBall] = PlaceForBreak(random);
  Groups groups;
  std::array<int, 2> dry{};
  int seat = breaker;
  bool inHand = false, isBreak = true, pushOutNext = false;
  for (int shot = 0; shot < kShotLimit; ++shot) {
    const std::size_t s = static_cast<std::size_t>(seat);
    const int group = groups.set ? groups.seat[s] : kOpenTable;
    if (inHand) {
      t.onTable[kCueBall] = false;
      t.pos[kCueBall] = PlaceInHand(t, group, true);
      t.onTable[kCueBall] = true;
    }
    const int impatience = std::max(0, dry[s] - kPatientShots + 1);
    const ComputerShot plan = isBreak ? PlanBreak(t, random, hands[s]) : PlanShot(t, group, false, impatience, random, hands[s]);
    const bool pushOut = pushOutNext && WantsPushOut(plan);
    const int called = plan.target == kEightBall && IsOnEightBall(t.onTable, group) ? plan.pocket : -1;
    const Tip tip = isBreak ? Tip{} : ChooseTip(t, group, plan, hands[s].eye);
    const ShotOutcome out = SimulateShot(t, plan.power, plan.angle, kLongestShotMs, tip);
    const ShotFacts facts = FactsOf(t, out, isBreak, pushOut, called);
    const RuleCall call = rules == RuleSet::NineBall ? JudgeNineBall(facts) : JudgeStandard(facts, groups, seat);
    bool sank = false;
    for (int n = 1; n < kBallCount; ++n) sank = sank || (t.onTable[static_cast<std::size_t>(n)] && !out.after.onTable[static_cast<std::size_t>(n)]);
    t = out.after;
    if (call.result == Result::Win) return seat;
    if (call.result == Result::Loss) return 1 - seat;
    dry[s] = sank ? 0 : dry[s] + 1;
    if (!isBreak) count.Count(seat, plan, sank, call.foul != Foul::None);
    isBreak = false;
    pushOutNext = call.pushOutNext;
    if (call.respot >= 0) {
      t.pos[static_cast<std::size_t>(call.respot)] = FreeSpotNear(t, kFootSpot, call.respot);
      t.onTable[static_cast<std::size_t>(call.respot)] = true;
    }
    inHand = call.ballInHand;
    if (call.turnPasses) seat = 1 - seat;
    // After a push-out the other seat plays on, or hands the shot back.
    if (pushOut && call.foul == Foul::None && !TakesTableAfterPushOut(t, kOpenTable)) seat = 1 - seat;
  }
  return -1;
}

inline skilltest::PairResult MatchRules(RuleSet rules, const CueHand& first, const CueHand& second, int games,
                                        unsigned seed, const MissCount& count = {}) {
  std::mt19937 rng(seed);
  skilltest::PairResult r;
  for (int g = 0; g < games; ++g) {
    const int winner = PlayRulesGame(rules, {first, second}, g % 2, rng, count);
    ++r.games;
    r.firstWins += winner == 0;
  }
  return r;
}

}  // namespace pool::selfplay
