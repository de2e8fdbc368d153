// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's desktop icons in the hicolor theme's layout:
// OUTDIR/hicolor/<N>x<N>/apps/NAME.png for every installed size (NAME is the
// application id the desktop entry and the metainfo use). With --web,
// OUTDIR/icon-<N>.png at the sizes a web page and its manifest name.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "core/png_writer.h"
#include "shell/app_icon.h"

namespace {

namespace fs = std::filesystem;

// The page's tab icon, and the two sizes an installed web app asks for.
constexpr int kWebIconSizes[] = {32, 192, 512};

bool WriteIcon(const fs::path& dir, const std::string& file, int size) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  const auto png = art::EncodePngRgba(art::PaintAppIcon(size));
  std::ofstream out(dir / file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (png.empty() || !out) {
    std::cerr << "quintaro-icons: cannot write " << (dir / file).string() << '\n';
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quintaro-icons OUTDIR NAME | quintaro-icons --web OUTDIR\n";
    return 2;
  }
  if (std::string(argv[1]) == "--web") {
    for (const int size : kWebIconSizes)
      if (!WriteIcon(argv[2], "icon-" + std::to_string(size) + ".png", size)) return 1;
    return 0;
  }
  const std::string file = std::string(argv[2]) + ".png";
  for (const int size : art::kDesktopIconSizes) {
    const std::string dim = std::to_string(size) + "x" + std::to_string(size);
    if (!WriteIcon(fs::path(argv[1]) / "hicolor" / dim / "apps", file, size)) return 1;
  }
  return 0;
}
