// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/model/pool_computer.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>

#include "games/pool/model/pool_computer_rules.h"
#include "games/pool/model/pool_rule_sets.h"

namespace pool {

namespace {
constexpr double kWin = 1e6;
constexpr double kScratch = 3000;
constexpr double kWrongFirst = 800;
constexpr double kPotted = 1000;
constexpr int kPotsTried = 10;
constexpr double kPotMargin = 40.0;   // pixels of roll beyond the pocket
constexpr double kSafeRoll = 50.0;    // a safety rolls this far past the ball it strikes
constexpr std::size_t kRepliesRead = 4;  // the other seat's pots an Expert plays out after a safety
constexpr double kLeftAPot = 300;
constexpr std::size_t kPositionsRead = 8;  // an Expert's best pots it plays one shot further
constexpr double kBeginnerSpread = 1.7;      // degrees the cue strays (SD)
constexpr double kClubSpread = 0.6;
constexpr double kExpertSpread = 0.25;
constexpr double kOffShotSpread = 1.2;  // an Expert's hurried stroke
constexpr int kExpertOffShotOneIn = 6;

// The best chance among the pots the seat of `nGroup` would have from `table`.
double BestChance(const TableState& table, int nGroup) {
  return table.onTable[kCueBall] ? BestPotChance(table, nGroup) : 1.0;  // ball in hand: anything
}

struct Eye {
  int potsTried;
  std::vector<double> extraPower;
  std::vector<double> angleOffsets;  // degrees either side of the pot line, to play for position
  double angleSpread;                // how far off the chosen line the cue goes (SD, degrees)
  int offShotOneIn = 0;              // one stroke in this many strays wider (0: never)
  std::vector<double> safetyLines;   // a safety's lines, in half-widths of the ball either side of full
  std::vector<double> safetyExtra;   // a safety's strengths beyond the least that reaches
  // Plays its best pots one shot further, and each safety's reply by the
  // other seat, and takes what leaves itself a pot and the other seat none.
  bool looksAhead;
};

Eye EyeOf(skill::ComputerSkill level) {
  const Eye club{.potsTried = kPotsTried,
                 .extraPower = {0.0, 1.0, 2.0},
                 .angleOffsets = {0.0},
                 .angleSpread = 0.0,
                 .safetyLines = {0.0, 1.0, -1.0},
                 .safetyExtra = {0.0, 1.0},
                 .looksAhead = false};
  switch (level) {
    case skill::ComputerSkill::Beginner: {
      Eye beginner = club;
      beginner.potsTried = 3;
      beginner.extraPower = {0.0, 1.0};
      return beginner;
    }
    case skill::ComputerSkill::Expert: {
      Eye expert = club;
      expert.potsTried = 30;
      expert.extraPower = {0.0, 0.5, 1.0, 1.5, 2.0, 3.0, 4.0};
      expert.angleOffsets = {0.0, -0.5, 0.5, -1.0, 1.0};
      expert.safetyLines = {0.0, 1.0, -1.0, 0.5, -0.5};
      expert.safetyExtra = {0.0, 0.5, 1.0, 2.0};
      expert.looksAhead = true;
      return expert;
    }
    case skill::ComputerSkill::Club: break;
  }
  return club;
}

int OtherGroup(int nGroup) { return nGroup == kOpenTable ? kOpenTable : 1 - nGroup; }

// The shots tried, and a little randomness once the seat grows impatient.
struct Choice {
  ComputerShot best;
  std::vector<ComputerShot> pots;  // the shots that pot, kept for a second look
  int impatience = 0;
  const std::function<int(int)>* random = nullptr;
  void Consider(ComputerShot shot) {
    if (impatience > 0 && random && *random) shot.score += (*random)(60 * impatience);
    if (shot.score >= kPotted && shot.score < kWin) pots.push_back(shot);
    if (!best.any || shot.score > best.score) best = shot;
  }
};

ComputerShot Play(const TableState& table, int nGroup, double angle, double power, int target, int pocket) {
  ComputerShot shot;
  shot.any = true;
  shot.angle = angle;
  shot.power = std::clamp(power, 0.5, kMaxPower);
  shot.target = target;
  shot.pocket = pocket;
  shot.safety = pocket < 0;
  shot.score = JudgeOutcome(table, SimulateShot(table, shot.power, angle), nGroup, target, pocket);
  return shot;
}

// Whether the seat of `nGroup` has a pot from `table` that drops when
// played out (its best few, at the strengths the computer would try).
bool HasSurePot(const TableState& table, int nGroup) {
  const std::vector<PotLine> pots = FindPots(table, Targets(table, nGroup, false));
  for (std::size_t i = 0; i < pots.size() && i < kRepliesRead; ++i) {
    const double power = PowerFor(pots[i], kPotMargin);
    for (double extra : {0.0, 1.0}) {
      const double p = std::clamp(power + extra, 0.5, kMaxPower);
      const ShotOutcome o = SimulateShot(table, p, pots[i].angle);
      if (JudgeOutcome(table, o, nGroup, pots[i].target, pots[i].pocket) >= kPotted) return true;
    }
  }
  return false;
}

// The group the seat of `nGroup` holds after a shot that potted: an open
// table goes to the group of the last ball down in number order.
int GroupAfter(const ShotOutcome& o, int nGroup) {
  if (nGroup != kOpenTable) return nGroup;
  int lastDown = -1;
  for (int n = 1; n < kBallCount; ++n)
    if (o.pocket[static_cast<std::size_t>(n)] >= 0) lastDown = n;
  return lastDown > 0 ? GroupOfBall(lastDown) : kOpenTable;
}

// The best pots looked at once more: one that leaves another pot that drops
// is worth more than one that leaves only a chance.
void PlayForPosition(Choice& choice, const TableState& table, int nGroup) {
  std::sort(choice.pots.begin(), choice.pots.end(),
            [](const ComputerShot& a, const ComputerShot& b) { return a.score > b.score; });
  if (choice.pots.size() > kPositionsRead) choice.pots.resize(kPositionsRead);
  for (ComputerShot shot : choice.pots) {
    const ShotOutcome o = SimulateShot(table, shot.power, shot.angle);
    if (HasSurePot(o.after, GroupAfter(o, nGroup))) shot.score += kLeftAPot;
    if (shot.score > choice.best.score) choice.best = shot;
  }
}

// Soft shots straight at each reachable ball of the group, full and to either side.
void TrySafeties(Choice& choice, const TableState& table, int nGroup, const std::vector<int>& targets, const Eye& eye) {
  const CPoint c = table.pos[kCueBall];
  for (int t : targets) {
    const CPoint b = table.pos[static_cast<std::size_t>(t)];
    const double dx = b.x - c.x, dy = b.y - c.y, d = std::sqrt(dx * dx + dy * dy);
    if (d < 1.0 || !PathClear(table, {double(c.x), double(c.y)}, {double(b.x), double(b.y)}, kCueBall, t, kBallDiameter))
      continue;
    const double centre = pmath::Atan2(-dy, dx) * kRadToDeg;
    const double half = pmath::Asin(std::min(1.0, kBallRadius / d)) * kRadToDeg;
    double power = 1.0;
    while (power < kMaxPower && RollDistance(power) < d + kSafeRoll) power += 0.5;
    for (double line : eye.safetyLines)
      for (double extra : eye.safetyExtra) {
        ComputerShot shot = Play(table, nGroup, centre + line * half, power + extra, t, -1);
        // A safety that leaves the other seat a pot that drops is no safety.
        if (eye.looksAhead && shot.score > -kWrongFirst && shot.score < kPotted) {
          const ShotOutcome o = SimulateShot(table, shot.power, shot.angle);
          if (o.after.onTable[kCueBall] && HasSurePot(o.after, OtherGroup(nGroup))) shot.score -= kLeftAPot;
        }
        choice.Consider(shot);
      }
  }
}
}  // namespace

namespace {
// 9-ball: the 9 down on a fair shot wins; a foul gives the other seat the
// cue ball in hand; any ball down keeps the table.
double JudgeNineOutcome(const TableState& before, const ShotOutcome& o, int nGroup, int target, int pocket) {
  const bool fair = o.after.onTable[kCueBall] && !o.cutOff && o.firstHit == LowestOnTable(before.onTable);
  if (fair && before.onTable[kNineBall] && !o.after.onTable[kNineBall]) return kWin;
  int potted = 0;
  for (int n = 1; n < kBallCount; ++n) potted += o.pocket[static_cast<std::size_t>(n)] >= 0 ? 1 : 0;
  if (!fair || (potted == 0 && !o.railAfterContact)) return -kScratch;
  if (potted == 0) return 200.0 * (1.0 - BestChance(o.after, nGroup));
  const double bonus = target > 0 && o.pocket[static_cast<std::size_t>(target)] == pocket ? 50.0 : 0.0;
  return kPotted + 100.0 * potted + bonus + 400.0 * BestChance(o.after, nGroup);
}
}  // namespace

double JudgeOutcome(const TableState& before, const ShotOutcome& o, int nGroup, int target, int pocket) {
  if (before.rules == RuleSet::NineBall) return JudgeNineOutcome(before, o, nGroup, target, pocket);
  // Standard 8-ball: a foul hands the other seat the cue ball anywhere, and a
  // scratch with the 8 still up is only a foul.
  const bool standard = before.rules == RuleSet::Standard;
  const bool onEight = IsOnEightBall(before.onTable, nGroup);
  const bool cueDown = !o.after.onTable[kCueBall];
  if (before.onTable[kEightBall] && !o.after.onTable[kEightBall])
    return onEight && !cueDown && target == kEightBall && o.pocket[kEightBall] == pocket ? kWin : -kWin;
  if (cueDown) return onEight && !standard ? -kWin : -kScratch;
  if (o.cutOff) return -kScratch;
  // The 8 struck first counts as a solid (the rules' first-hit test), but the computer never plans it.
  const bool ownFirst = OwnsBall(o.firstHit, nGroup) || (!standard && nGroup == kSolids && o.firstHit == kEightBall);
  const bool legal = o.firstHit >= 0 && (onEight ? o.firstHit == kEightBall : ownFirst);
  int own = 0, theirs = 0;
  for (int n = 1; n < kBallCount; ++n)
    if (o.pocket[static_cast<std::size_t>(n)] >= 0) (OwnsBall(n, nGroup) ? own : theirs) += 1;
  if (!legal) return (standard ? -kScratch : -kWrongFirst) - 30.0 * theirs;
  if (standard && own + theirs == 0 && !o.railAfterContact) return -kScratch;
  if (own > 0) {
    const int group = GroupAfter(o, nGroup);
    const double bonus = o.pocket[static_cast<std::size_t>(std::max(target, 0))] == pocket ? 50.0 : 0.0;
    return kPotted + 100.0 * own + bonus - 30.0 * theirs + 400.0 * BestChance(o.after, group);
  }
  // Nothing down: the turn passes, so leave the other seat as little as can be.
  return 200.0 * (1.0 - BestChance(o.after, OtherGroup(nGroup))) - 30.0 * theirs;
}

namespace {

// The stroke as the hand delivers it: the cue wanders off the line it chose.
ComputerShot Cue(ComputerShot shot, const Eye& eye, const std::function<int(int)>& random) {
  if (!shot.any || !random) return shot;
  // Even a practised cue is hurried now and then, and the player sees it miss.
  const bool offShot = eye.offShotOneIn > 0 && random(eye.offShotOneIn) == 0;
  shot.angle += skill::HandError(random, offShot ? kOffShotSpread : eye.angleSpread);
  return shot;
}

}  // namespace

CueHand HandOf(skill::ComputerSkill level) {
  // Measured against the bench's models of a person: a newcomer's cue strays
  // about as the Beginner's, a regular's as Club's; the Expert's strays less
  // and it reads the table further ahead.
  switch (level) {
    case skill::ComputerSkill::Beginner: return {level, kBeginnerSpread};
    case skill::ComputerSkill::Expert: return {level, kExpertSpread, kExpertOffShotOneIn};
    case skill::ComputerSkill::Club: break;
  }
  return {skill::ComputerSkill::Club, kClubSpread};
}

ComputerShot PlanShot(const TableState& table, int nGroup, bool bInHand, int nImpatience,
                      const std::function<int(int)>& random, skill::ComputerSkill level) {
  return PlanShot(table, nGroup, bInHand, nImpatience, random, HandOf(level));
}

ComputerShot PlanShot(const TableState& table, int nGroup, bool bInHand, int nImpatience,
                      const std::function<int(int)>& random, const CueHand& hand) {
  Eye eye = EyeOf(hand.eye);
  eye.angleSpread = hand.angleSpread;
  eye.offShotOneIn = hand.offShotOneIn;
  const std::vector<int> targets = Targets(table, nGroup, bInHand);
  Choice choice;
  choice.impatience = nImpatience;
  choice.random = &random;
  std::vector<PotLine> pots = FindPots(table, targets);
  if (table.rules == RuleSet::NineBall) {
    // The 9 off the lowest ball wins at once: those pots are weighed with the rest.
    const std::vector<PotLine> combos = NineCombinations(table);
    pots.insert(pots.end(), combos.begin(), combos.end());
    std::stable_sort(pots.begin(), pots.end(), [](const PotLine& a, const PotLine& b) { return a.chance > b.chance; });
  }
  const int tried = std::min<int>(static_cast<int>(pots.size()), eye.potsTried + 2 * nImpatience);
  for (int i = 0; i < tried; ++i) {
    const PotLine& pot = pots[static_cast<std::size_t>(i)];
    const double power = PowerFor(pot, kPotMargin);
    for (double offset : eye.angleOffsets)
      for (double extra : eye.extraPower) {
        if (power + extra > kMaxPower + 0.5) break;
        choice.Consider(
            Play(table, nGroup, pot.angle + offset, std::min(power + extra, kMaxPower), pot.target, pot.pocket));
      }
  }
  if (eye.looksAhead) PlayForPosition(choice, table, nGroup);
  if (choice.best.any && choice.best.score >= kPotted) return Cue(choice.best, eye, random);
  TrySafeties(choice, table, nGroup, targets, eye);
  if (choice.best.any && choice.best.score > -kWrongFirst && nImpatience < 2) return Cue(choice.best, eye, random);
  // Nothing of its own in reach, or too long without a pot: off the cushions from every side.
  for (int a = 0; a < 360; a += 10)
    for (double power : {3.0, 5.0}) choice.Consider(Play(table, nGroup, a + 0.5 * nImpatience, power, -1, -1));
  return Cue(choice.best, eye, random);
}

}  // namespace pool
