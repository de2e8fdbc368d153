// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels play each other on the air hockey model: the
// upper mallet as in the game, the lower one driven by the same computer
// seen in a mirror. Each level wins more than two matches to 7 of three
// against the one below, playing either end half of the time. Then the two
// models of a person take the lower mallet with the mouse: the newcomer
// beats the Beginner and the regular Club about half the time, and the
// Expert beats the regular more often, but not always, and every level
// misses a block or shoots wide in some of its turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>
#include <random>

#include "games/airhockey/model/airhockey_computer.h"
#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "games/airhockey/model/airhockey_rink.h"
#include "support/person_models.h"
#include "support/skill_selfplay.h"

namespace airhockey {
namespace {

using skill::ComputerSkill;

constexpr int kGoalsToWin = 7;
constexpr int kSubStepLimit = 400000;  // a match that never ends counts as lost

CPoint Flip(CPoint p) { return {p.x, kWallTop + kWallBottom - p.y}; }

Puck Flip(const Puck& p) {
  Puck f = p;
  f.pos = Flip(p.pos);
  f.aim = Flip(p.aim);
  f.runStart = Flip(p.runStart);
  f.line = LineBetween(f.pos, f.aim);
  return f;
}

Mallet Flip(const Mallet& m) {
  Mallet f = m;
  f.prev = Flip(m.prev);
  f.pos = Flip(m.pos);
  f.target = Flip(m.target);
  f.path = LineBetween(f.pos, f.target);
  return f;
}

// One sub-step as the game runs it, with the lower mallet a computer too.
Goal SubStep(Rink& rink, ComputerSkill upper, ComputerSkill lower, const RandomSource& random) {
  const MalletDriver mirroredComputer = [&](Rink& r) {
    // As the upper mallet's, a run at the puck ends when the mallet touches it.
    if (Touching(r.puck, r.human)) r.human.attack = false;
    Mallet mirrored = Flip(r.human);
    MoveComputerMallet(mirrored, Flip(r.puck), random, lower);
    r.human = Flip(mirrored);
  };
  return RunSubStep(rink, random, upper, mirroredComputer).goal;
}

// A serve as the game makes it; the lower mallet forgets its run as the upper one does.
void Serve(Rink& rink, ServeSide side) {
  ServePuck(rink, side);
  rink.human.attack = rink.human.homing = false;
}

// A person's hand on the mouse, the lower mallet's driver: it sees the puck
// a reaction time late and moves the pointer once a frame, at a hand's speed.
class PersonAtMallet {
 public:
  PersonAtMallet(const person::MalletHand& hand, const RandomSource& random) : m_hand(hand), m_random(random) {}

  void operator()(Rink& r) {
    m_seen.push_back(r.puck);
    const std::size_t late = static_cast<std::size_t>(m_hand.reactionMs / kSubStepMs);
    while (m_seen.size() > late + 1) m_seen.pop_front();
    if (++m_step % kDefaultSubSteps == 0) MoveMouse(r, Foresee(late));
    r.human.HeadFor(r.human.target);
    MoveMallet(r.human);
  }

 private:
  static constexpr double kSubStepMs = 15.625 / kDefaultSubSteps;  // the timer's tick runs eight sub-steps
  static constexpr int kNewErrorSteps = 51;                      // about a tenth of a second

  // Where the puck it saw a reaction time ago is now, carried on as it was
  // going (a person reads a straight run; the bounces surprise it).
  Puck Foresee(std::size_t late) const {
    Puck p = m_seen.front();
    if (m_seen.size() < 2) return p;
    const CPoint step = {m_seen[1].pos.x - p.pos.x, m_seen[1].pos.y - p.pos.y};
    const int k = static_cast<int>(std::min(late, m_seen.size()));
    p.pos = {std::clamp(p.pos.x + step.x * k, kWallLeft, kWallRight), std::clamp(p.pos.y + step.y * k, kWallTop, kWallBottom)};
    return p;
  }

  // In the far half the puck is no threat: guard the goal mouth. Close, get
  // below it, then strike up through it.
  static CPoint Want(const Mallet& m, const Puck& p) {
    if (p.pos.y < kCentreLineY) return {kRinkCentreX + (p.pos.x - kRinkCentreX) / 5, kWallBottom - 2 * kMalletRadius};
    if (m.pos.y > p.pos.y + kPuckRadius) return p.pos;
    return {p.pos.x + (p.pos.x < kRinkCentreX ? 10 : -10), p.pos.y + 3 * kMalletRadius};
  }

  void MoveMouse(Rink& r, const Puck& seen) {
    if (m_step % kNewErrorSteps < kDefaultSubSteps) {
      m_error.x = static_cast<int>(skill::HandError(m_random, m_hand.aimSpread));
      m_error.y = static_cast<int>(skill::HandError(m_random, m_hand.aimSpread));
    }
    const CPoint want = Want(r.human, seen);
    const double dx = want.x + m_error.x - m_mouse.x, dy = want.y + m_error.y - m_mouse.y;
    const double d = std::hypot(dx, dy);
    if (d < 1.0) return;  // the mouse stays put: no move reaches the game
    const double k = std::min(1.0, m_hand.reach / d);
    m_mouse = {m_mouse.x + static_cast<int>(std::lround(dx * k)), m_mouse.y + static_cast<int>(std::lround(dy * k))};
    const HumanAim aim = ClampToHumanHalf(m_mouse);
    if (!aim.clamped) r.human.speed = HumanMalletSpeed(r.human.target, aim.point);
    r.human.target = aim.point;
  }

  person::MalletHand m_hand;
  const RandomSource& m_random;
  std::deque<Puck> m_seen;
  CPoint m_mouse = kHumanHome;
  CPoint m_error;
  long m_step = 0;
};

// The upper mallet's turns: each time the puck comes into its half on a
// line at its goal mouth, or it strikes the puck. A turn goes visibly wrong
// when the lower side scores (a missed block) or the upper mallet's stroke
// sends the puck out of its half on a line that misses the lower goal mouth
// (a wide shot). Lines count their bounces off the side walls.
struct TurnWatch {
  int turns = 0, mistakes = 0;
  bool inHalf = false, onTarget = false, struck = false;

  double Share() const { return turns ? static_cast<double>(mistakes) / turns : 0.0; }

  void Step(const Rink& r, Goal goal) {
    if (inHalf && goal == Goal::ForHuman) {
      turns += !(onTarget || struck);
      ++mistakes;
      inHalf = false;
      return;
    }
    if (!inHalf && r.puck.pos.y < kCentreLineY) {
      inHalf = true;
      struck = false;
      onTarget = OnTarget(r.puck, kWallTop);
      turns += onTarget;
    }
    if (!inHalf) return;
    if (!struck && Touching(r.puck, r.computer)) {
      struck = true;
      turns += !onTarget;
    }
    if (r.puck.pos.y < kCentreLineY) return;
    inHalf = false;
    mistakes += struck && !OnTarget(r.puck, kWallBottom);
  }

  // The puck's run meets the goal mouth at the end `endY`, the side walls folded out.
  static bool OnTarget(const Puck& p, int endY) {
    const double dx = p.aim.x - p.runStart.x, dy = p.aim.y - p.runStart.y;
    if (dy == 0 || (dy > 0) != (endY > p.pos.y)) return false;
    const double width = kWallRight - kWallLeft - 2 * kPuckRadius, left = kWallLeft + kPuckRadius;
    double u = std::fmod(p.pos.x + dx / dy * (endY - p.pos.y) - left, 2 * width);
    if (u < 0) u += 2 * width;
    const double x = left + (u > width ? 2 * width - u : u);
    return x >= kGoalLeft && x <= kGoalRight;
  }
};

// A match to 7; true when the upper mallet (the computer at `upper`) wins.
// The lower mallet is the computer at `lower`, or the person when given.
bool UpperWins(ComputerSkill upper, ComputerSkill lower, unsigned seed, const person::MalletHand* person = nullptr,
               TurnWatch* watch = nullptr) {
  std::mt19937 rng(seed);
  const RandomSource random = [&rng](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
  Rink rink;
  Serve(rink, seed % 2 ? ServeSide::ToHuman : ServeSide::ToComputer);
  std::optional<PersonAtMallet> hand;
  if (person) hand.emplace(*person, random);
  int upperGoals = 0, lowerGoals = 0;
  for (int step = 0; step < kSubStepLimit; ++step) {
    const Goal goal = hand ? RunSubStep(rink, random, upper, [&hand](Rink& r) { (*hand)(r); }).goal
                           : SubStep(rink, upper, lower, random);
    if (watch) watch->Step(rink, goal);
    if (goal == Goal::None) continue;
    // The side that conceded serves.
    if (goal == Goal::ForComputer) {
      if (++upperGoals == kGoalsToWin) return true;
      Serve(rink, ServeSide::ToHuman);
    } else {
      if (++lowerGoals == kGoalsToWin) return false;
      Serve(rink, ServeSide::ToComputer);
    }
  }
  return false;
}

skilltest::PairResult PlayPair(ComputerSkill strong, ComputerSkill weak) {
  skilltest::PairResult r;
  const int games = skilltest::GamesPerPair(30);
  for (int g = 0; g < games; ++g) {
    const bool strongUpper = g % 2 == 0;
    const unsigned seed = 300u + static_cast<unsigned>(g);
    const bool upperWon = strongUpper ? UpperWins(strong, weak, seed) : UpperWins(weak, strong, seed);
    ++r.games;
    if (upperWon == strongUpper) ++r.firstWins;
  }
  return r;
}

TEST(AirHockeySkill, EachLevelBeatsTheOneBelow) {
  const skilltest::PairResult expertClub = PlayPair(ComputerSkill::Expert, ComputerSkill::Club);
  const skilltest::PairResult clubBeginner = PlayPair(ComputerSkill::Club, ComputerSkill::Beginner);
  skilltest::Print("Air Hockey to 7", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("Air Hockey to 7", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  EXPECT_GT(expertClub.Rate(), skilltest::Widened(0.65, expertClub.games, true));
  EXPECT_GT(clubBeginner.Rate(), skilltest::Widened(0.65, clubBeginner.games, true));
}

// Matches between a level (the upper mallet, as in the game) and a person.
struct PersonMatch {
  skilltest::PairResult pair;  // the level's wins
  TurnWatch level;
};
PersonMatch AgainstPerson(ComputerSkill level, const person::MalletHand& hand, int games, unsigned seed) {
  PersonMatch m;
  for (int g = 0; g < games; ++g) {
    ++m.pair.games;
    m.pair.firstWins += UpperWins(level, level, seed + static_cast<unsigned>(g), &hand, &m.level);
  }
  return m;
}

TEST(AirHockeySkill, APersonBeatsTheLevelsAsOftenAsTheyShould) {
  const int games = skilltest::GamesPerPair(20);
  const PersonMatch beginnerMatch = AgainstPerson(ComputerSkill::Beginner, person::kAirHockeyNewcomer, games, 700);
  const PersonMatch clubMatch = AgainstPerson(ComputerSkill::Club, person::kAirHockeyRegular, games, 900);
  const PersonMatch expertMatch = AgainstPerson(ComputerSkill::Expert, person::kAirHockeyRegular, games, 1100);
  const skilltest::PairResult &beginner = beginnerMatch.pair, &club = clubMatch.pair, &expert = expertMatch.pair;
  std::printf("[skill] Air Hockey to 7: the newcomer beats Beginner in %d of %d, the regular beats Club in %d of %d; "
              "Expert beats the regular in %d of %d\n",
              games - beginner.firstWins, games, games - club.firstWins, games, expert.firstWins, games);
  std::printf("[skill] Air Hockey turns with a missed block or a wide shot: Beginner %.0f%%, Club %.0f%%, Expert %.0f%%\n",
              100 * beginnerMatch.level.Share(), 100 * clubMatch.level.Share(), 100 * expertMatch.level.Share());
  EXPECT_GT(1.0 - beginner.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(1.0 - beginner.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(1.0 - club.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(1.0 - club.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expert.Rate(), skilltest::Widened(0.60, games, true));
  EXPECT_LT(expert.Rate(), skilltest::Widened(0.85, games, false));
  for (const PersonMatch* m : {&beginnerMatch, &clubMatch, &expertMatch}) EXPECT_GE(m->level.Share(), 0.15);
}

}  // namespace
}  // namespace airhockey
