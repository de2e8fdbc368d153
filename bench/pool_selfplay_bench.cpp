// SPDX-License-Identifier: GPL-3.0-or-later
// Pool self-play: two computer seats play whole games on the headless
// backend. The ratio is virtual seconds of play per CPU second (how much
// faster than real time the game runs with nothing to wait for), measured
// over the same five games in every iteration. Then the computer's levels
// play each other on the table model (QUINTARO_SKILL_GAMES games per pair,
// 200 by default), each level breaking in turn.
#include <benchmark/benchmark.h>

#include "../tests/games/pool/pool_selfplay_rules.h"
#include "ratio_reporter.h"

#include <cstdio>
#include <memory>

#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "res/game_screens.h"
#include "games/pool/pool.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"

namespace {

constexpr int kGames = 5;
double g_virtualSeconds = 0;

// Plays `kGames` games between two computers; returns the virtual milliseconds they took.
DWORD PlayGames() {
  HeadlessOptions options;
  options.epochSeconds = 1700000000;
  options.audio = false;
  auto host = std::make_unique<Host>(MakeHeadlessBackend(options), std::make_unique<SettingsStore>());
  AppOptions appOptions;
  appOptions.showSplash = false;
  CQuintaroApp app(std::move(host), appOptions);
  app.InitInstance();
  Host& h = app.GetHost();
  CQuintaroDoc& doc = app.Doc();
  doc.m_nLastPlayer = 1;
  for (int i = 0; i < 2; ++i) {
    doc.m_players[static_cast<std::size_t>(i)]->m_bActive = TRUE;
    doc.m_players[static_cast<std::size_t>(i)]->m_bComputer = TRUE;
  }
  const DWORD start = h.GetTickCount();
  for (int g = 0; g < kGames; ++g) {
    doc.m_nGameType = kScreenPool;
    doc.OnNewDocument();
    auto* game = dynamic_cast<CPool*>(doc.m_pGame.get());
    if (!game) return 0;
    // Each game breaks from its own spot, as a player placing the cue ball might.
    game->Ball(0).MoveTo(411 + 17 * g, 120 + 29 * g);
    const CRect& view = h.ViewRect();
    h.PostMouse(WM_LBUTTONDOWN, 300 + view.left, 380 + view.top, MK_LBUTTON);
    h.PostMouse(WM_LBUTTONUP, 300 + view.left, 380 + view.top, 0);
    MSG msg;
    for (int n = 0; n < 100000 && !game->m_bGameOver && h.PeekMessage(&msg, true); ++n) app.DispatchOne(msg);
    doc.ReapRetiredGames();
  }
  return h.GetTickCount() - start;
}

void BM_PoolSelfPlay(benchmark::State& state) {
  DWORD virtualMs = 0;
  for (auto _ : state) virtualMs = PlayGames();
  g_virtualSeconds = virtualMs / 1000.0;
  state.counters["virtual_s"] = g_virtualSeconds;
}
BENCHMARK(BM_PoolSelfPlay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  RunWithRatios(&argc, argv, reporter);
  const double cpuSeconds = reporter.times["BM_PoolSelfPlay"] / 1000.0;  // reported in milliseconds
  if (cpuSeconds > 0)
    std::printf("pool self-play: %.0f virtual seconds per CPU second (%d games, %.0f virtual s)\n",
                g_virtualSeconds / cpuSeconds, kGames, g_virtualSeconds);
  using skill::ComputerSkill;
  const int games = skilltest::GamesPerPair(200);
  const auto expertClub = pool::selfplay::Match(ComputerSkill::Expert, ComputerSkill::Club, games, 31u);
  const auto clubBeginner = pool::selfplay::Match(ComputerSkill::Club, ComputerSkill::Beginner, games, 37u);
  skilltest::Print("Pool", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("Pool", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  for (const pool::RuleSet rules : {pool::RuleSet::Standard, pool::RuleSet::NineBall}) {
    const char* name = pool::RuleSetName(rules);
    using pool::HandOf;
    skilltest::Print(name, ComputerSkill::Expert, ComputerSkill::Club,
                     pool::selfplay::MatchRules(rules, HandOf(ComputerSkill::Expert), HandOf(ComputerSkill::Club), games, 51u));
    skilltest::Print(name, ComputerSkill::Club, ComputerSkill::Beginner,
                     pool::selfplay::MatchRules(rules, HandOf(ComputerSkill::Club), HandOf(ComputerSkill::Beginner), games, 53u));
  }
  std::printf("[skill] Pool targets: each level beats the one below in more than 65%% of games\n");
  return 0;
}
