// SPDX-License-Identifier: GPL-3.0-or-later
// How much faster than real time the mixer renders eight voices at once.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/audio_mixer.h"

namespace {

constexpr int kOutputRate = 44100;
constexpr std::size_t kCallbackFrames = 1024;  // what the SDL device asks for at a time
constexpr int kVoices = 8;
constexpr double kRequiredRatio = 1000.0;

// Eight one-second effects with different rates, volumes and pans, all
// looping so every one of them sounds for the whole second.
void SetUpVoices(VoiceBank& bank) {
  for (int v = 0; v < kVoices; ++v) {
    std::vector<std::int16_t> s(22050);
    for (std::size_t i = 0; i < s.size(); ++i)
      s[i] = static_cast<std::int16_t>(12000 * std::sin(0.01 * (v + 1) * static_cast<double>(i)));
    const VoiceId id = bank.Create(s, 22050, static_cast<UINT>(v));
    bank.SetFrequency(id, 11025u + 5000u * static_cast<DWORD>(v));
    bank.SetVolume(id, -200 * v);
    bank.SetPan(id, -8000 + 2000 * v);
    bank.Play(id, true);
  }
}

void BM_MixEightVoicesForOneSecond(benchmark::State& state) {
  VoiceBank bank;
  SetUpVoices(bank);
  std::vector<std::int16_t> block(2 * kCallbackFrames);
  for (auto _ : state) {
    for (std::size_t done = 0; done < kOutputRate; done += kCallbackFrames) {
      const std::size_t n = std::min<std::size_t>(kCallbackFrames, kOutputRate - done);
      MixVoices(bank.Voices(), std::span(block.data(), 2 * n), kOutputRate);
      benchmark::DoNotOptimize(block.data());
    }
  }
}
BENCHMARK(BM_MixEightVoicesForOneSecond)->Unit(benchmark::kMillisecond);

// Keeps the measured seconds per iteration so main can print the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      wallSeconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      cpuSeconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
  }
  // Per second of audio rendered.
  double wallSeconds = 0.0;
  double cpuSeconds = 0.0;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (reporter.wallSeconds > 0.0 && reporter.cpuSeconds > 0.0) {
    // The processor time is what mixing costs; the wall time also counts
    // whatever else the machine was doing meanwhile.
    const double ratio = 1.0 / reporter.cpuSeconds;
    std::printf("mixer: %d voices, one second of %d Hz stereo: %.0fx real time on processor time, %.0fx on wall time "
                "(needs %.0fx): %s\n",
                kVoices, kOutputRate, ratio, 1.0 / reporter.wallSeconds, kRequiredRatio,
                ratio >= kRequiredRatio ? "ok" : "TOO SLOW");
  }
  return 0;
}
