// The art and sound generator: paints every picture and synthesises every
// sound of the program, and writes them into the directory given on the
// command line (bitmap/, wave/, cursor/, icon/).
#include <chrono>
#include <filesystem>
#include <iostream>

#include "context.h"

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
  art::MakeShellArt(ctx);
  art::MakeDartsArt(ctx);
  art::MakeDartsSounds(ctx);
  art::MakePlayfields(ctx);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::cout << "quintaro-assetgen: " << sink.Written().size() << " resources in " << ms.count() << " ms\n";
  return sink.Ok() ? 0 : 1;
}
