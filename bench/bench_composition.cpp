// SPDX-License-Identifier: GPL-3.0-or-later
// Frame composition against plain memory copies measured in the same run:
//  1. one animation step (a 25 x 25 sprite moved 2 pixels among 20 sprites)
//     flushed through the dirty rectangles, against recomposing and showing
//     the whole frame;
//  2. a full-frame RenderRect with 20 sprites against a memcpy of the frame;
//  3. the 8-bit to 32-bit conversion of a full frame in BlitRect against a
//     memcpy of the 32-bit bytes;
//  4. putting the window together for the screen and uploading it after an
//     animation step (only what was drawn is copied and uploaded) against
//     copying and uploading the whole window, as every frame used to; and
//     the same with two pieces moving at opposite ends of the table.
#include <benchmark/benchmark.h>

#include "ratio_reporter.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "composition_scene.h"
#include "platform/host.h"

namespace {

using bench::Scene;
using bench::kW;
using bench::kH;

Scene& Shared() {
  static Scene scene;
  return scene;
}

void BM_AnimationStepDirty(benchmark::State& state) {
  Scene& s = Shared();
  for (auto _ : state) {
    // Back and forth by 2 pixels, so the scene stays the same over time.
    s.mover->SetPosition(s.mover->GetPosX() + ((s.step++ & 1) ? -2 : 2), s.mover->GetPosY());
    s.view.FlushDirtyRects();
  }
}

void BM_AnimationStepFullFrame(benchmark::State& state) {
  Scene& s = Shared();
  for (auto _ : state) {
    s.mover->SetPosition(s.mover->GetPosX() + ((s.step++ & 1) ? -2 : 2), s.mover->GetPosY());
    s.view.DiscardDirtyRects();
    s.view.RenderRect(nullptr);
    s.view.BlitRect(nullptr);
  }
}

void BM_RenderFullFrame(benchmark::State& state) {
  Scene& s = Shared();
  for (auto _ : state) {
    s.view.RenderRect(nullptr);
    benchmark::ClobberMemory();
  }
}

void BM_MemcpyFrame8(benchmark::State& state) {
  Scene& s = Shared();
  const std::size_t bytes = s.background.GetImageSize();
  for (auto _ : state) {
    std::memcpy(s.view.m_pOffscreen->GetBits(), s.background.GetBits(), bytes);
    benchmark::ClobberMemory();
  }
}

void BM_BlitFullFrame(benchmark::State& state) {
  Scene& s = Shared();
  for (auto _ : state) {
    s.view.BlitRect(nullptr);
    benchmark::ClobberMemory();
  }
}

void BM_MemcpyFrame32(benchmark::State& state) {
  // The 32-bit bytes of the pixels BlitRect shows (601 x 400).
  const std::size_t bytes = static_cast<std::size_t>(kW - 1) * (kH - 1) * 4;
  std::vector<std::uint32_t> from(bytes / 4, 7), to(bytes / 4);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
  }
}

// Putting the window together and handing it to the texture after one
// animation step: only the changed area is copied and uploaded. A memcpy
// into a buffer of the texture's size stands in for the upload, the least
// any renderer does with the bytes it is given.
// The window put together for the screen, and its changed rows copied into
// the texture; returns what changed.
CRect UploadChanges(const Host& host, Surface32& shown, Surface32& texture) {
  const CRect changed = host.ComposeForDisplay(shown);
  for (int y = changed.top; y < changed.bottom; ++y)
    std::memcpy(texture.View().Row(y) + changed.left, shown.Row(y) + changed.left,
                static_cast<std::size_t>(changed.Width()) * 4);
  return changed;
}

void BM_ShowFrameAfterStep(benchmark::State& state) {
  Scene& s = Shared();
  Surface32 shown, texture(s.host.WindowSurface().Width(), s.host.WindowSurface().Height());
  s.host.ComposeForDisplay(shown);
  std::int64_t uploaded = 0;
  for (auto _ : state) {
    state.PauseTiming();
    s.mover->SetPosition(s.mover->GetPosX() + ((s.step++ & 1) ? -2 : 2), s.mover->GetPosY());
    s.view.FlushDirtyRects();
    state.ResumeTiming();
    const CRect changed = UploadChanges(s.host, shown, texture);
    uploaded += static_cast<std::int64_t>(changed.Width()) * changed.Height();
    benchmark::ClobberMemory();
  }
  state.counters["px_uploaded"] = benchmark::Counter(static_cast<double>(uploaded), benchmark::Counter::kAvgIterations);
}

// The same with two pieces at opposite ends of the table moving in one
// step: the damage stays two small areas to copy, though the upload takes
// the rectangle that bounds both.
void BM_ShowFrameAfterTwoSteps(benchmark::State& state) {
  Scene& s = Shared();
  Surface32 shown, texture(s.host.WindowSurface().Width(), s.host.WindowSurface().Height());
  s.host.ComposeForDisplay(shown);
  for (auto _ : state) {
    state.PauseTiming();
    const int dx = (s.step++ & 1) ? -2 : 2;
    s.mover->SetPosition(s.mover->GetPosX() + dx, s.mover->GetPosY());
    s.farMover->SetPosition(s.farMover->GetPosX() - dx, s.farMover->GetPosY());
    s.view.FlushDirtyRects();
    state.ResumeTiming();
    UploadChanges(s.host, shown, texture);
    benchmark::ClobberMemory();
  }
}

// The same, copying and uploading the whole window every frame.
void BM_ShowWholeFrame(benchmark::State& state) {
  Scene& s = Shared();
  const Surface32& surface = s.host.WindowSurface();
  Surface32 shown(surface.Width(), surface.Height()), texture(surface.Width(), surface.Height());
  const std::size_t bytes = static_cast<std::size_t>(surface.Width()) * surface.Height() * 4;
  for (auto _ : state) {
    state.PauseTiming();
    s.mover->SetPosition(s.mover->GetPosX() + ((s.step++ & 1) ? -2 : 2), s.mover->GetPosY());
    s.view.FlushDirtyRects();
    state.ResumeTiming();
    std::memcpy(shown.View().pixels, surface.Data(), bytes);
    std::memcpy(texture.View().pixels, shown.Data(), bytes);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_AnimationStepDirty);
BENCHMARK(BM_AnimationStepFullFrame);
BENCHMARK(BM_RenderFullFrame);
BENCHMARK(BM_MemcpyFrame8);
BENCHMARK(BM_BlitFullFrame);
BENCHMARK(BM_MemcpyFrame32);
BENCHMARK(BM_ShowFrameAfterStep);
BENCHMARK(BM_ShowFrameAfterTwoSteps);
BENCHMARK(BM_ShowWholeFrame);

}  // namespace

int main(int argc, char** argv) {
  RatioReporter reporter;
  RunWithRatios(&argc, argv, reporter);
  auto& t = reporter.times;
  auto ratio = [&](const char* a, const char* b) { return t[b] > 0 ? t[a] / t[b] : 0.0; };
  std::printf("ratio full_frame/dirty_step %.1f (target >= 20)\n",
              ratio("BM_AnimationStepFullFrame", "BM_AnimationStepDirty"));
  std::printf("ratio render_full_frame/memcpy_8bit %.2f (target <= 3)\n", ratio("BM_RenderFullFrame", "BM_MemcpyFrame8"));
  std::printf("ratio blit_full_frame/memcpy_32bit %.2f (target <= 3)\n", ratio("BM_BlitFullFrame", "BM_MemcpyFrame32"));
  std::printf("ratio show_after_step/show_whole_frame %.2f (target < 0.2)\n",
              ratio("BM_ShowFrameAfterStep", "BM_ShowWholeFrame"));
  std::printf("ratio show_after_two_steps/show_whole_frame %.2f\n",
              ratio("BM_ShowFrameAfterTwoSteps", "BM_ShowWholeFrame"));
  return 0;
}
