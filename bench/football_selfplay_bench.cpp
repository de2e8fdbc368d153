// SPDX-License-Identifier: GPL-3.0-or-later
// How much faster than real time four computer passers play football on the
// headless backend: virtual seconds of play per CPU second, flights, pauses
// and frame composition included.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "game/game.h"
#include "games/football/football.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "ratio_reporter.h"

namespace {

constexpr double kRequiredRatio = 200.0;

// The whole program with four computer seats and a game of football on the table.
class SelfPlay {
 public:
  explicit SelfPlay(std::int64_t epoch) {
    HeadlessOptions options;
    options.epochSeconds = epoch;
    options.audio = false;
    auto host = std::make_unique<Host>(MakeHeadlessBackend(options), std::make_unique<SettingsStore>());
    AppOptions appOptions;
    appOptions.showSplash = false;
    m_app = std::make_unique<CQuintaroApp>(std::move(host), appOptions);
    m_app->InitInstance();
    CQuintaroDoc& doc = m_app->Doc();
    doc.m_nLastPlayer = 3;
    for (auto& p : doc.m_players) {
      p->m_bActive = TRUE;
      p->m_bComputer = TRUE;
    }
    doc.m_nGameType = kScreenFootball;
    doc.SetVariant(kScreenFootball, football::kPlayTo28);
    doc.OnNewDocument();
  }

  // Plays one game to its end; returns the virtual milliseconds it took.
  DWORD PlayOneGame() {
    Host& host = m_app->GetHost();
    const DWORD start = host.GetTickCount();
    const CGame* game = m_app->Doc().m_pGame.get();
    const CRect& view = host.ViewRect();
    host.PostMouse(WM_LBUTTONDOWN, view.left + 300, view.top + 100, MK_LBUTTON);
    host.PostMouse(WM_LBUTTONUP, view.left + 300, view.top + 100, 0);
    MSG msg;
    while (m_app->Doc().m_pGame.get() == game && host.PeekMessage(&msg, true)) {
      if (msg.message == WM_QUIT) break;
      m_app->DispatchOne(msg);
      m_app->Doc().ReapRetiredGames();
    }
    return host.GetTickCount() - start;
  }

 private:
  std::unique_ptr<CQuintaroApp> m_app;
};

double g_virtualSeconds = 0.0;

void BM_FootballSelfPlay(benchmark::State& state) {
  SelfPlay play(1700000000);
  double virtualMs = 0.0;
  for (auto _ : state) virtualMs += play.PlayOneGame();
  g_virtualSeconds = virtualMs / 1000.0 / static_cast<double>(state.iterations());
  state.counters["virtual_s_per_game"] = g_virtualSeconds;
}
BENCHMARK(BM_FootballSelfPlay)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  RunWithRatios(&argc, argv, reporter);
  double cpuSeconds = 0.0;
  for (const auto& [name, ms] : reporter.times)
    if (name.rfind("BM_FootballSelfPlay", 0) == 0) cpuSeconds = ms / 1000.0;  // reported in ms
  if (cpuSeconds <= 0) return 1;
  const double ratio = g_virtualSeconds / cpuSeconds;
  std::printf(
      "football self-play: %.0f virtual seconds per game, %.3f CPU seconds per game: %.0fx real time "
      "(required %.0fx)\n",
      g_virtualSeconds, cpuSeconds, ratio, kRequiredRatio);
  return ratio >= kRequiredRatio ? 0 : 1;
}
