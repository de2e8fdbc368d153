// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels play each other on the darts model (the same
// aim, landing and rules the game uses): Expert beats Club and Club beats
// Beginner in more than two games of three, Expert averages 60 a turn in 501
// and Beginner under 35, with and without the darts players' options.
#include <gtest/gtest.h>

#include <random>

#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_computer.h"
#include "games/darts/model/dart_motion.h"
#include "games/darts/model/dart_stats.h"
#include "support/skill_selfplay.h"

namespace darts {
namespace {

using skill::ComputerSkill;

constexpr int kTurnLimit = 300;

struct Seat {
  ComputerSkill level;
  int score = 0;
  bool isIn = true;
  SeatStats stats;
};

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
    const int startScore = seat.score;
    for (int dart = 0; dart < 3; ++dart) {
      const BoardHit hit = Throw(seat, id, 3 - dart);
      ++seat.stats.darts;
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
    const Stroke stroke = ComputerAim(s, seat.level, [this](int n) { return n > 0 ? static_cast<int>(m_rng() % static_cast<unsigned>(n)) : 0; });
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
};

// The stronger level against the weaker, each starting half of the games.
Match PlayPair(ComputerSkill strong, ComputerSkill weak, int variant, CountdownOptions options) {
  Match m;
  const int games = skilltest::GamesPerPair();
  for (int g = 0; g < games; ++g) {
    SelfPlay play(variant, options, 1000u + static_cast<unsigned>(g));
    const bool strongFirst = g % 2 == 0;
    std::array<Seat, 2> seats{Seat{strongFirst ? strong : weak, 0, true, {}}, Seat{strongFirst ? weak : strong, 0, true, {}}};
    const int winner = play.Play(seats);
    ++m.result.games;
    if (winner >= 0 && (winner == 0) == strongFirst) ++m.result.firstWins;
    const Seat& s = seats[strongFirst ? 0 : 1];
    const Seat& w = seats[strongFirst ? 1 : 0];
    m.strong.darts += s.stats.darts, m.strong.points += s.stats.points, m.strong.marks += s.stats.marks;
    m.weak.darts += w.stats.darts, m.weak.points += w.stats.points, m.weak.marks += w.stats.marks;
  }
  return m;
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

}  // namespace
}  // namespace darts
