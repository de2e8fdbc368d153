// SPDX-License-Identifier: GPL-3.0-or-later
// How much faster than real time air hockey plays on the headless backend:
// a scripted user steering toward the puck against the computer, through the
// whole program (timer ticks, sub-steps, sprites, dirty rectangles, goals),
// and the rink's sub-steps alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/airhockey/airhockey.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "ratio_reporter.h"
#include "res/resource_ids.h"
#include "ui/modal_script.h"

namespace {

constexpr DWORD kTickMs = 16;
constexpr int kVirtualSeconds = 60;
constexpr double kRequiredRatio = 200.0;

// Every message box is answered at once, as a user clicking OK would.
struct AnswerOk : ModalScript {
  std::optional<int> AnswerMessageBox(const std::string&, const std::string&, UINT) override { return IDOK; }
  std::optional<int> RunDialog(int, DialogController&) override { return IDCANCEL; }
};

class Match {
 public:
  Match() {
    HeadlessOptions options;
    options.epochSeconds = 1700000000;
    options.audio = false;
    auto host = std::make_unique<Host>(MakeHeadlessBackend(options), std::make_unique<SettingsStore>());
    AppOptions appOptions;
    appOptions.showSplash = false;
    appOptions.script = &m_answers;
    m_app = std::make_unique<CQuintaroApp>(std::move(host), appOptions);
    m_app->InitInstance();
    CQuintaroDoc& doc = m_app->Doc();
    doc.m_nLastPlayer = 1;
    doc.m_players[1]->m_bComputer = TRUE;
    doc.m_nGameType = kScreenAirHockey;
    doc.OnNewDocument();
    Pump();
  }

  // One tick's worth of play with the user steering toward the puck.
  void Tick() {
    CAirHockey& game = Game();
    if (game.m_bPlaying) ++m_playingTicks;
    if (game.m_rink.puck.live) ++m_liveTicks;
    if (!game.m_bPlaying) Mouse(WM_LBUTTONDOWN, game.m_rink.human.pos, MK_LBUTTON);
    const CPoint puck = game.m_rink.puck.pos;
    Mouse(WM_MOUSEMOVE, {puck.x + m_jitter(m_noise), puck.y + m_jitter(m_noise)}, MK_LBUTTON);
    Host& host = m_app->GetHost();
    host.Sleep(kTickMs);
    Pump();
  }

  long m_playingTicks = 0;  // ticks with the mallet held
  long m_liveTicks = 0;     // ticks with the puck in play

 private:
  CAirHockey& Game() { return dynamic_cast<CAirHockey&>(*m_app->Doc().m_pGame); }
  void Mouse(UINT message, CPoint at, UINT flags) {
    Host& host = m_app->GetHost();
    host.PostMouse(message, at.x + host.ViewRect().left, at.y + host.ViewRect().top, flags);
  }
  void Pump() {
    Host& host = m_app->GetHost();
    MSG msg;
    while (host.PeekMessage(&msg, true)) {
      if (msg.message == WM_QUIT) break;
      m_app->DispatchOne(msg);
      m_app->Doc().ReapRetiredGames();
    }
  }

  AnswerOk m_answers;
  std::unique_ptr<CQuintaroApp> m_app;
  std::mt19937 m_noise{7};
  std::uniform_int_distribution<int> m_jitter{-6, 6};
};

void BM_AirHockeyMinuteOfPlay(benchmark::State& state) {
  Match match;
  long ticks = 0;
  for (auto _ : state)
    for (DWORD ms = 0; ms < kVirtualSeconds * 1000; ms += kTickMs, ++ticks) match.Tick();
  // The share of ticks in which the user held the mallet and the puck was in play.
  state.counters["playing"] = static_cast<double>(match.m_playingTicks) / static_cast<double>(ticks);
  state.counters["live"] = static_cast<double>(match.m_liveTicks) / static_cast<double>(ticks);
}
BENCHMARK(BM_AirHockeyMinuteOfPlay)->Unit(benchmark::kMillisecond);

// The rink alone: a minute of sub-steps at the default speed (64 ticks of 8).
void BM_AirHockeyMinuteOfSubSteps(benchmark::State& state) {
  using namespace airhockey;
  std::mt19937 engine(3);
  const RandomSource random = [&engine](int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); };
  Rink rink;
  ServePuck(rink, ServeSide::ToComputer);
  for (auto _ : state) {
    for (int i = 0; i < kVirtualSeconds * 64 * kDefaultSubSteps; ++i) {
      rink.human.target = rink.puck.pos;
      if (RunSubStep(rink, random).goal != Goal::None) ServePuck(rink, ServeSide::ToHuman);
    }
    benchmark::DoNotOptimize(rink.puck.pos);
  }
}
BENCHMARK(BM_AirHockeyMinuteOfSubSteps)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  RunWithRatios(&argc, argv, reporter);
  const double play = reporter.times["BM_AirHockeyMinuteOfPlay"];
  const double steps = reporter.times["BM_AirHockeyMinuteOfSubSteps"];
  if (play > 0.0) {
    // Times are in milliseconds of processor time per minute of play.
    const double ratio = kVirtualSeconds * 1000.0 / play;
    std::printf("air hockey self-play: %.0fx real time (needs %.0fx): %s; the rink alone %.0fx; "
                "the program around it costs %.1fx the rink\n",
                ratio, kRequiredRatio, ratio >= kRequiredRatio ? "ok" : "TOO SLOW", kVirtualSeconds * 1000.0 / steps,
                reporter.Ratio("BM_AirHockeyMinuteOfPlay", "BM_AirHockeyMinuteOfSubSteps"));
  }
  return 0;
}
