// SPDX-License-Identifier: GPL-3.0-or-later
// The two models of a person bowl against the computer's levels on the lane
// model (the swing, the pins and the scoring the game uses), game for game:
// the newcomer beats the Beginner and the regular Club about half the time,
// the Expert beats the regular more often but not always, and every level
// leaves open frames a player sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "games/bowling/bowl_selfplay.h"
#include "support/person_models.h"
#include "support/skill_selfplay.h"

namespace bowling {
namespace {

using skill::ComputerSkill;

constexpr int kPressY = 385, kReleaseY = 230;

// The approach's x over a lane x (MapX the other way).
double ApproachX(double laneX) { return kPressZone.left + (laneX - kLaneLeft) * 109.0 / 88.0; }

// A person's drag at the line it reads to the pins, with its hand's errors.
selfplay::Bowler PersonBowler(const person::BowlerHand& hand, const RandSource& rand) {
  return [&hand, &rand](unsigned standing) {
    const auto R = [&rand](int n) { return rand() % n; };
    const double release = ApproachX(ComputerTarget(standing)) + skill::HandError(R, hand.releaseSpread);
    const double press = release + skill::HandError(R, hand.pressSpread);
    ComputerSwing swing;
    swing.release = {MapX(static_cast<int>(std::lround(release))), kReleaseY};
    swing.press = {MapX(static_cast<int>(std::lround(press))), kPressY};
    swing.holdMs = static_cast<DWORD>(std::max(120.0, hand.holdMs + skill::HandError(R, hand.holdSpreadMs)));
    return swing;
  };
}

struct Side {
  long points = 0;
  int frames = 0, open = 0;
  double OpenShare() const { return frames ? static_cast<double>(open) / frames : 0.0; }
};

struct Match {
  skilltest::PairResult pair;  // the first side's wins
  Side a, b;
};

// Games of `a` against `b` (a person's hand or a level), each its own rolls.
Match PlayPair(const person::BowlerHand* a, ComputerSkill aLevel, const person::BowlerHand* b, ComputerSkill bLevel,
               int games, unsigned seed) {
  Match m;
  for (int g = 0; g < games; ++g) {
    const unsigned s = seed + 7919u * static_cast<unsigned>(g);
    int score[2] = {};
    for (int side = 0; side < 2; ++side) {
      const RandSource rand = selfplay::SeededRand(side ? s ^ 0x5bd1e995u : s);
      const person::BowlerHand* hand = side ? b : a;
      Side& tally = side ? m.b : m.a;
      score[side] = hand ? selfplay::PlayGame(rand, PersonBowler(*hand, rand), kDefaultSpin, {}, &tally.open)
                         : selfplay::PlayGame(rand, side ? bLevel : aLevel, kDefaultSpin, {}, &tally.open);
      tally.points += score[side];
      tally.frames += kFrames;
    }
    ++m.pair.games;
    m.pair.firstWins += score[0] > score[1];
  }
  return m;
}

double Mean(const Side& s, int games) { return static_cast<double>(s.points) / games; }

TEST(BowlSkill, APersonBeatsTheLevelsAsOftenAsTheyShould) {
  const int games = skilltest::GamesPerPair(40);
  const Match newcomer = PlayPair(&person::kBowlingNewcomer, {}, nullptr, ComputerSkill::Beginner, games, 3001u);
  const Match regular = PlayPair(&person::kBowlingRegular, {}, nullptr, ComputerSkill::Club, games, 5001u);
  const Match expert = PlayPair(nullptr, ComputerSkill::Expert, &person::kBowlingRegular, {}, games, 7001u);
  skilltest::PrintPerson("bowling", "newcomer", ComputerSkill::Beginner, newcomer.pair);
  skilltest::PrintPerson("bowling", "regular", ComputerSkill::Club, regular.pair);
  std::printf("[skill] bowling: Expert beats the regular in %d of %d games\n", expert.pair.firstWins, games);
  std::printf("[skill] bowling averages: newcomer %.1f, regular %.1f; Beginner %.1f, Club %.1f, Expert %.1f\n",
              Mean(newcomer.a, games), Mean(regular.a, games), Mean(newcomer.b, games), Mean(regular.b, games),
              Mean(expert.a, games));
  std::printf("[skill] bowling open frames: Beginner %.0f%%, Club %.0f%%, Expert %.0f%%\n", 100 * newcomer.b.OpenShare(),
              100 * regular.b.OpenShare(), 100 * expert.a.OpenShare());
  EXPECT_GT(newcomer.pair.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(newcomer.pair.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(regular.pair.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(regular.pair.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expert.pair.Rate(), skilltest::Widened(0.60, games, true));
  EXPECT_LT(expert.pair.Rate(), skilltest::Widened(0.85, games, false));
  for (const Side* s : {&newcomer.b, &regular.b, &expert.a}) EXPECT_GE(s->OpenShare(), skilltest::WidenedShare(0.15, s->frames));
}

}  // namespace
}  // namespace bowling
