// SPDX-License-Identifier: GPL-3.0-or-later
// Headless self-play of four computer shooters in Timed basketball: virtual
// seconds of play per CPU second. Every iteration plays ten virtual seconds
// (the animation timer at its classic 64 ticks a second, the clock, the
// board and four balls in flight, every tick flushed through the frame).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "game/game.h"
#include "res/game_screens.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "ratio_reporter.h"
#include "res/resource_ids.h"
#include "ui/modal_script.h"

namespace {

constexpr DWORD kSliceMs = 10000;

// The winner's message box is answered at once.
struct AnswerOk : ModalScript {
  std::optional<int> AnswerMessageBox(const std::string&, const std::string&, UINT) override { return IDOK; }
  std::optional<int> RunDialog(int, DialogController&) override { return IDCANCEL; }
};

struct SelfPlay {
  AnswerOk answers;
  std::unique_ptr<CQuintaroApp> app;

  ~SelfPlay() { app->Frame().SetModalScript(nullptr); }
  SelfPlay(const SelfPlay&) = delete;
  SelfPlay& operator=(const SelfPlay&) = delete;
  SelfPlay() {
    HeadlessOptions options;
    options.epochSeconds = 1700000000;
    options.audio = false;
    auto host = std::make_unique<Host>(MakeHeadlessBackend(options), std::make_unique<SettingsStore>());
    AppOptions appOptions;
    appOptions.showSplash = false;
    app = std::make_unique<CQuintaroApp>(std::move(host), appOptions);
    app->InitInstance();
    app->Frame().SetModalScript(&answers);
    CQuintaroDoc& doc = app->Doc();
    doc.m_nLastPlayer = 3;
    for (auto& p : doc.m_players) {
      p->m_bActive = TRUE;
      p->m_bComputer = TRUE;
    }
    doc.m_nGameType = kScreenBasketball;
    doc.OnNewDocument();
    Pump();
  }
  Host& GetHost() { return app->GetHost(); }
  void Pump() {
    MSG msg;
    while (GetHost().PeekMessage(&msg, true)) {
      if (msg.message == WM_QUIT) break;
      app->DispatchOne(msg);
      app->Doc().ReapRetiredGames();
    }
  }
  // A click whenever a game waits for one, then `ms` of play in timer-sized waits.
  void Play(DWORD ms) {
    const DWORD end = GetHost().GetTickCount() + ms;
    while (static_cast<LONG>(GetHost().GetTickCount() - end) < 0) {
      if (!app->Doc().m_bGameInProgress) {
        const CRect& view = GetHost().ViewRect();
        GetHost().PostMouse(WM_LBUTTONDOWN, view.left + 400, view.top + 300, MK_LBUTTON);
        GetHost().PostMouse(WM_LBUTTONUP, view.left + 400, view.top + 300, 0);
      }
      GetHost().Sleep(16);
      Pump();
    }
  }
};

void BM_BasketballSelfPlay(benchmark::State& state) {
  SelfPlay play;
  for (auto _ : state) play.Play(kSliceMs);
  state.counters["virtual_ms"] = static_cast<double>(kSliceMs);
}
BENCHMARK(BM_BasketballSelfPlay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  RunWithRatios(&argc, argv, reporter);
  const double cpuSeconds = reporter.times["BM_BasketballSelfPlay"] / 1000.0;  // reported in ms
  if (cpuSeconds > 0)
    std::printf("basketball self-play: %.0fx real time (virtual seconds per CPU second; aim: at least 200x)\n",
                kSliceMs / 1000.0 / cpuSeconds);
  return 0;
}
