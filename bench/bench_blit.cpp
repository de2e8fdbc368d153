// SPDX-License-Identifier: GPL-3.0-or-later
// BlitTo over a whole 602 x 401 frame, opaque and keyed, against a plain
// memcpy of the same bytes measured in the same run. Prints the ratios.
#include <benchmark/benchmark.h>

#include "ratio_reporter.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gfx/dib.h"

namespace {

constexpr int kW = 602;
constexpr int kH = 401;

struct Frames {
  CDIB src;
  CDIB dst;
  Frames() {
    src.Create(kW, kH);
    dst.Create(kW, kH);
    // A sprite-like mix: about a third of the pixels are the key (0).
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) *src.PixelPtr(x, y) = static_cast<BYTE>((x * 7 + y * 3) % 3 == 0 ? 0 : 1 + (x ^ y) % 250);
  }
};

Frames& Shared() {
  static Frames frames;
  return frames;
}

void BM_Memcpy(benchmark::State& state) {
  Frames& f = Shared();
  const std::size_t bytes = f.src.GetImageSize();
  for (auto _ : state) {
    std::memcpy(f.dst.GetBits(), f.src.GetBits(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_BlitOpaque(benchmark::State& state) {
  Frames& f = Shared();
  for (auto _ : state) {
    f.src.BlitTo(&f.dst, 0, 0, kW, kH, 0, 0, kNoKey);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.src.GetImageSize()));
}

void BM_BlitKeyed(benchmark::State& state) {
  Frames& f = Shared();
  for (auto _ : state) {
    f.src.BlitTo(&f.dst, 0, 0, kW, kH, 0, 0, PALETTEINDEX(0));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.src.GetImageSize()));
}

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_BlitOpaque);
BENCHMARK(BM_BlitKeyed);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  RunWithRatios(&argc, argv, reporter);
  const double base = reporter.times["BM_Memcpy"];
  if (base <= 0) return 0;
  const double opaque = reporter.times["BM_BlitOpaque"] / base;
  const double keyed = reporter.times["BM_BlitKeyed"] / base;
  // Throughput relative to memcpy is the inverse of the time ratio.
  std::printf("ratio blit_opaque/memcpy time %.2f (throughput %.2fx memcpy; target >= 0.8x)\n", opaque, 1.0 / opaque);
  std::printf("ratio blit_keyed/memcpy time %.2f (throughput %.2fx memcpy)\n", keyed, 1.0 / keyed);
  return 0;
}
