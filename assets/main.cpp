// SPDX-License-Identifier: GPL-3.0-or-later
// The art and sound generator: paints every picture and synthesises every
// sound of the program, and writes them into the directory given on the
// command line (bitmap/, wave/, cursor/, icon/).
#include <chrono>
#include <filesystem>
#include <iostream>
#include <utility>

#include "context.h"
#include "registry.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quintaro-assetgen OUTDIR\n";
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::filesystem::create_directories(argv[1]);
  art::Quantiser quant;
  art::ResourceSink sink(argv[1]);
  art::Context ctx{quant, sink};
  // Each family registers itself from its own folder (assets/registry.h).
  for (const auto& [name, make] : art::Families()) {
    const auto t0 = std::chrono::steady_clock::now();
    make(ctx);
    const auto t = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0);
    std::cout << "  " << name << ": " << t.count() << " ms\n";
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::cout << "quintaro-assetgen: " << sink.Written().size() << " resources in " << ms.count() << " ms\n";
  return sink.Ok() ? 0 : 1;
}
