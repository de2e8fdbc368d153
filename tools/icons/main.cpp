// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's desktop icons in the hicolor theme's layout:
// OUTDIR/hicolor/<N>x<N>/apps/NAME.png for every installed size (NAME is the
// application id the desktop entry and the metainfo use).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "core/png_writer.h"
#include "shell/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quintaro-icons OUTDIR NAME\n";
    return 2;
  }
  const std::string file = std::string(argv[2]) + ".png";
  namespace fs = std::filesystem;
  for (const int size : art::kDesktopIconSizes) {
    const std::string dim = std::to_string(size) + "x" + std::to_string(size);
    const fs::path dir = fs::path(argv[1]) / "hicolor" / dim / "apps";
    std::error_code ec;
    fs::create_directories(dir, ec);
    const auto png = art::EncodePngRgba(art::PaintAppIcon(size));
    std::ofstream out(dir / file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (png.empty() || !out) {
      std::cerr << "quintaro-icons: cannot write " << (dir / file).string() << '\n';
      return 1;
    }
  }
  return 0;
}
