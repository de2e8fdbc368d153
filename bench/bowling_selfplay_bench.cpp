// SPDX-License-Identifier: GPL-3.0-or-later
// Bowling self-play: four computer bowlers play whole games on the headless
// backend with virtual time. Reports virtual seconds of play per CPU second
// (the games must run at least 200 times faster than real time), then the
// computer's levels bowled against each other on the pure model
// (QUINTARO_SKILL_GAMES head-to-head games per pair, 200 by default).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "../tests/games/bowling/bowl_selfplay.h"
#include "../tests/support/game_app.h"
#include "../tests/support/skill_selfplay.h"
#include "games/bowling/bowl.h"
#include "ratio_reporter.h"

namespace {

double g_virtualMsPerGame = 0.0;

void BM_BowlingSelfPlayGame(benchmark::State& state) {
  quintaro::test::GameApp app(1700000000, /*audio=*/false);
  app.StartGame(kScreenBowling, 0, {4, {true, true, true, true}});
  app.autoPump = false;
  double virtualMs = 0.0;
  long games = 0;
  for (auto _ : state) {
    CGame* game = app.Doc().m_pGame.get();
    const DWORD start = app.Now();
    app.Click(300, 300);  // a game's first computer turn waits for a click
    while (app.Doc().m_pGame.get() == game)
      if (app.Pump({}, 1) == 0) break;
    virtualMs += app.Now() - start;
    ++games;
  }
  g_virtualMsPerGame = games ? virtualMs / static_cast<double>(games) : 0.0;
  state.counters["virtual_s_per_game"] = g_virtualMsPerGame / 1000.0;
}

BENCHMARK(BM_BowlingSelfPlayGame)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  RunWithRatios(&argc, argv, reporter);
  const double cpuMs = reporter.times["BM_BowlingSelfPlayGame/iterations:20"];
  const double ratio = cpuMs > 0 ? g_virtualMsPerGame / cpuMs : 0.0;
  std::printf("ratio virtual_time/cpu_time %.0f (target >= 200)\n", ratio);
  using skill::ComputerSkill;
  const int games = skilltest::GamesPerPair(200);
  const auto ec = bowling::selfplay::PlayPair(ComputerSkill::Expert, ComputerSkill::Club, games, bowling::kDefaultSpin, 11u);
  const auto cb = bowling::selfplay::PlayPair(ComputerSkill::Club, ComputerSkill::Beginner, games, bowling::kDefaultSpin, 23u);
  skilltest::Print("Bowling", ComputerSkill::Expert, ComputerSkill::Club, {ec.games, ec.strongWins});
  skilltest::Print("Bowling", ComputerSkill::Club, ComputerSkill::Beginner, {cb.games, cb.strongWins});
  std::printf("[skill] Bowling averages: Expert %.1f (target > 180), Club %.1f, Beginner %.1f (target: 20 below Club)\n",
              ec.strongMean, ec.weakMean, cb.weakMean);
  return 0;
}
