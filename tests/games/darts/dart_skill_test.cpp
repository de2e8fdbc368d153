// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels play each other on the darts model (the same
// aim, landing and rules the game uses): Expert beats Club and Club beats
// Beginner in more than two games of three, Expert averages 60 a turn in 501
// and Beginner under 35, with and without the darts players' options. Then
// the two models of a person throw 301: the newcomer beats the Beginner and
// the regular Club about half the time, the Expert beats the regular more
// often but not always, and every level throws a wide dart in some turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_computer.h"
#include "games/darts/model/dart_computer_targets.h"
#include "games/darts/model/dart_motion.h"
#include "games/darts/model/dart_stats.h"
#include "support/person_models.h"
#include "support/skill_selfplay.h"

namespace darts {
namespace {

using skill::ComputerSkill;

constexpr int kTurnLimit = 300;

// Turns with a dart a player sees go wrong: off the board, a bust, or a
// low number (1 to 5) from a dart meant for the top of the board.
struct WideTurns {
  int turns = 0;
  int wide = 0;
  double Share() const { return turns ? static_cast<double>(wide) / turns : 0.0; }
};

struct Seat {
  ComputerSkill level = ComputerSkill::Club;
  int score = 0;
  bool isIn = true;
  SeatStats stats;
  const person::DartHand* hand = nullptr;  // a person in this seat, not the computer
  WideTurns wide;
};

// Where a person aims: the regular as the Expert does, the newcomer at the
// fat 20 until the number that finishes.
Target PersonTarget(const AimSituation& s, const person::DartHand& hand) {
  if (hand.aimsAtTrebles) return ExpertTarget(s);
  return s.remaining > 20 || s.remaining < 1 ? Single(20) : Single(s.remaining);
}

// A person's stroke from the throw line to the target, with its hand's errors.
template <class Random>
Stroke PersonStroke(CPoint aim, const person::DartHand& hand, const Random& R) {
  Stroke s;
  s.release = {aim.x + static_cast<int>(std::lround(skill::HandError(R, hand.releaseSpread))),
               aim.y + static_cast<int>(std::lround(skill::HandError(R, hand.releaseSpread)))};
  s.press = {s.release.x + static_cast<int>(std::lround(skill::HandError(R, hand.pressSpread))), kThrowLineY};
  const double ms = IdealStrokeMs(1) + skill::HandError(R, hand.timingSpreadMs);
  s.durationMs = static_cast<DWORD>(std::max(50.0, ms));
  return s;
}

class SelfPlay {
 public:
  SelfPlay(int variant, CountdownOptions options, unsigned seed)
      : m_variant(variant), m_options(OptionsFor(variant, options)), m_rng(seed) {}

  // Plays one game; returns the winning seat (0 or 1), or -1 past the turn limit.
  int Play(std::array<Seat, 2>& seats) {
    for (Seat& s : seats) {
      s.score = StartingScore(m_variant);
      s.isIn = !m_options.doubleIn;
    }
    m_marks.Clear();
    for (int turn = 0; turn < kTurnLimit; ++turn)
      for (int i = 0; i < 2; ++i)
        if (PlayTurn(seats[static_cast<std::size_t>(i)], i)) return i;
    return -1;
  }

 private:
  // Three darts, as the game scores them; true when the seat has won.
  bool PlayTurn(Seat& seat, int id) {
    bool wide = false;
    const bool won = PlayDarts(seat, id, wide);
    ++seat.wide.turns;
    seat.wide.wide += wide;
    return won;
  }

  bool PlayDarts(Seat& seat, int id, bool& wide) {
    const int startScore = seat.score;
    for (int dart = 0; dart < 3; ++dart) {
      const BoardHit hit = Throw(seat, id, 3 - dart);
      ++seat.stats.darts;
      const bool meantHigh = m_variant == kVariantCricket || seat.score > 20;
      wide = wide || !hit.OnBoard() || (meantHigh && hit.ring == Ring::Single && hit.number <= 5);
      if (m_variant == kVariantCricket) {
        const CricketHit marks = CricketMarksFor(hit);
        for (int m = 0; m < marks.count; ++m) {
          const int before = m_marks.Count(id, marks.entry);
          m_marks.AddMark(id, marks.entry);
          seat.stats.marks += m_marks.Count(id, marks.entry) - before;
        }
        if (m_marks.AllClosed(id)) return true;
        continue;
      }
      const int points = CountedPoints(hit, seat.isIn, m_options);
      seat.isIn = IsInAfter(hit, seat.isIn, m_options);
      seat.score -= points;
      seat.stats.points += points;
      const Countdown outcome = CountdownOutcome(seat.score, hit, m_options);
      if (outcome == Countdown::Win) return true;
      if (outcome == Countdown::Bust) {
        wide = true;
        seat.stats.points -= startScore - seat.score;
        seat.score = startScore;
        return false;
      }
    }
    return false;
  }

  BoardHit Throw(const Seat& seat, int id, int dartsLeft) {
    AimSituation s;
    s.variant = m_variant;
    s.remaining = seat.score;
    s.marks = &m_marks;
    s.seat = id;
    s.dartsLeft = dartsLeft;
    s.options = m_options;
    s.isIn = seat.isIn;
    const auto random = [this](int n) { return n > 0 ? static_cast<int>(m_rng() % static_cast<unsigned>(n)) : 0; };
    const Stroke stroke = seat.hand ? PersonStroke(TargetPoint(PersonTarget(s, *seat.hand)), *seat.hand, random)
                                    : ComputerAim(s, seat.level, random);
    const Landing landing = LandingPoint(stroke.press, stroke.release, stroke.durationMs, ThrowSettings{});
    const BoardPolar polar = ToBoardPolar(landing.point);
    return ResolveHit(polar.dist, polar.angle);
  }

  int m_variant;
  CountdownOptions m_options;
  std::mt19937 m_rng;
  CricketMarks m_marks;
};

struct Match {
  skilltest::PairResult result;
  SeatStats strong, weak;
  WideTurns strongWide, weakWide;
};

void Add(SeatStats& sum, const SeatStats& s) { sum.darts += s.darts, sum.points += s.points, sum.marks += s.marks; }
void Add(WideTurns& sum, const WideTurns& w) { sum.turns += w.turns, sum.wide += w.wide; }

Seat LevelSeat(ComputerSkill level) {
  Seat s;
  s.level = level;
  return s;
}

// `strong` against `weak` (a level or a person), each starting half of the games.
Match PlayPair(const Seat& strong, const Seat& weak, int variant, CountdownOptions options, int games, unsigned seed) {
  Match m;
  for (int g = 0; g < games; ++g) {
    SelfPlay play(variant, options, seed + static_cast<unsigned>(g));
    const bool strongFirst = g % 2 == 0;
    std::array<Seat, 2> seats{strongFirst ? strong : weak, strongFirst ? weak : strong};
    const int winner = play.Play(seats);
    ++m.result.games;
    if (winner >= 0 && (winner == 0) == strongFirst) ++m.result.firstWins;
    const Seat& s = seats[strongFirst ? 0 : 1];
    const Seat& w = seats[strongFirst ? 1 : 0];
    Add(m.strong, s.stats), Add(m.weak, w.stats), Add(m.strongWide, s.wide), Add(m.weakWide, w.wide);
  }
  return m;
}

Match PlayPair(ComputerSkill strong, ComputerSkill weak, int variant, CountdownOptions options) {
  return PlayPair(LevelSeat(strong), LevelSeat(weak), variant, options, skilltest::GamesPerPair(), 1000u);
}

Seat PersonSeat(const person::DartHand& hand) {
  Seat s = LevelSeat(ComputerSkill::Club);
  s.hand = &hand;
  return s;
}

struct Kind {
  const char* name;
  int variant;
  CountdownOptions options;
};

TEST(DartSkill, EachLevelBeatsTheOneBelowInEveryKindOfGame) {
  const Kind kinds[] = {{"Darts 501", kVariant501, {}},
                        {"Darts 301 double in/out", kVariant301, {true, true}},
                        {"Darts 501 double out", kVariant501, {true, false}},
                        {"Darts Cricket", kVariantCricket, {}}};
  for (const Kind& kind : kinds) {
    const Match expertClub = PlayPair(ComputerSkill::Expert, ComputerSkill::Club, kind.variant, kind.options);
    const Match clubBeginner = PlayPair(ComputerSkill::Club, ComputerSkill::Beginner, kind.variant, kind.options);
    skilltest::Print(kind.name, ComputerSkill::Expert, ComputerSkill::Club, expertClub.result);
    skilltest::Print(kind.name, ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner.result);
    EXPECT_GT(expertClub.result.Rate(), 0.65) << kind.name;
    EXPECT_GT(clubBeginner.result.Rate(), 0.65) << kind.name;
  }
}

TEST(DartSkill, ThreeDartAveragesIn501SetTheLevelsApart) {
  const Match expertClub = PlayPair(ComputerSkill::Expert, ComputerSkill::Club, kVariant501, {});
  const Match clubBeginner = PlayPair(ComputerSkill::Club, ComputerSkill::Beginner, kVariant501, {});
  std::printf("[skill] Darts 501 three-dart average: Expert %.1f, Club %.1f, Beginner %.1f\n",
              expertClub.strong.ThreeDartAverage(), clubBeginner.strong.ThreeDartAverage(),
              clubBeginner.weak.ThreeDartAverage());
  EXPECT_GE(expertClub.strong.ThreeDartAverage(), 60.0);
  EXPECT_LT(clubBeginner.weak.ThreeDartAverage(), 35.0);
}

TEST(DartSkill, APersonBeatsTheLevelsAsOftenAsTheyShouldIn301) {
  const int games = skilltest::GamesPerPair(40);
  const Match newcomer = PlayPair(PersonSeat(person::kDartsNewcomer), LevelSeat(ComputerSkill::Beginner), kVariant301, {}, games, 3001u);
  const Match regular = PlayPair(PersonSeat(person::kDartsRegular), LevelSeat(ComputerSkill::Club), kVariant301, {}, games, 5001u);
  const Match expert = PlayPair(LevelSeat(ComputerSkill::Expert), PersonSeat(person::kDartsRegular), kVariant301, {}, games, 7001u);
  skilltest::PrintPerson("Darts 301", "newcomer", ComputerSkill::Beginner, newcomer.result);
  skilltest::PrintPerson("Darts 301", "regular", ComputerSkill::Club, regular.result);
  std::printf("[skill] Darts 301: Expert beats the regular in %d of %d games\n", expert.result.firstWins, games);
  std::printf("[skill] Darts 301 three-dart averages: newcomer %.1f, regular %.1f; Beginner %.1f, Club %.1f, Expert %.1f\n",
              newcomer.strong.ThreeDartAverage(), regular.strong.ThreeDartAverage(), newcomer.weak.ThreeDartAverage(),
              regular.weak.ThreeDartAverage(), expert.strong.ThreeDartAverage());
  std::printf("[skill] Darts 301 turns with a wide dart: Beginner %.0f%%, Club %.0f%%, Expert %.0f%%\n",
              100 * newcomer.weakWide.Share(), 100 * regular.weakWide.Share(), 100 * expert.strongWide.Share());
  EXPECT_GT(newcomer.result.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(newcomer.result.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(regular.result.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(regular.result.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expert.result.Rate(), skilltest::Widened(0.60, games, true));
  EXPECT_LT(expert.result.Rate(), skilltest::Widened(0.85, games, false));
  for (const WideTurns* w : {&newcomer.weakWide, &regular.weakWide, &expert.strongWide}) EXPECT_GE(w->Share(), 0.15);
}

}  // namespace
}  // namespace darts
