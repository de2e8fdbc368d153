// SPDX-License-Identifier: GPL-3.0-or-later
// The frame path, compiled both natively and to WebAssembly and run side by
// side by bench/web/frame_path_ratio.sh: one animation step (a 25 x 25
// sprite moved 2 pixels among 20), the window put together for the screen,
// turned into the bytes a canvas takes, and the changed area copied out as
// an upload would. Prints nanoseconds per frame.
//   frame_path [FRAMES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "../composition_scene.h"
#include "platform/frame_rgba.h"

namespace {

// The benchmarks' scene, with one frame as a page shows it.
struct Scene : bench::Scene {
  // One frame; returns the pixels uploaded, so the work cannot be dropped.
  long Frame(Surface32& shown, std::vector<std::uint8_t>& rgba, std::vector<std::uint8_t>& upload) {
    mover->SetPosition(mover->GetPosX() + ((step++ & 1) ? -2 : 2), mover->GetPosY());
    view.FlushDirtyRects();
    const CRect changed = host.ComposeForDisplay(shown);
    if (changed.IsRectEmpty()) return 0;
    ConvertToRgba(shown, changed, rgba);
    const std::size_t pitch = static_cast<std::size_t>(shown.Width()) * 4;
    upload.resize(rgba.size());
    for (int y = changed.top; y < changed.bottom; ++y) {
      const std::size_t at = y * pitch + static_cast<std::size_t>(changed.left) * 4;
      std::memcpy(upload.data() + at, rgba.data() + at, static_cast<std::size_t>(changed.Width()) * 4);
    }
    return static_cast<long>(changed.Width()) * changed.Height();
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
  Scene scene;
  Surface32 shown;
  std::vector<std::uint8_t> rgba, upload;
  long pixels = 0;
  for (int i = 0; i < 500; ++i) pixels += scene.Frame(shown, rgba, upload);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < frames; ++i) pixels += scene.Frame(shown, rgba, upload);
  const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
  std::printf("frame_path_ns %.0f pixels_per_frame %ld\n", ns / frames, pixels / (frames + 500));
  return 0;
}
