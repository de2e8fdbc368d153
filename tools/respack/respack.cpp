// SPDX-License-Identifier: GPL-3.0-or-later
// Gathers the generated resource files into one pack that is linked into the
// program. Layout of the input directory: bitmap/<id>.bmp, wave/<id>.wav,
// cursor/<id>.cur, icon/<id>.ico. Bitmaps lose their 14-byte file header, so
// the pack holds them in the resource layout (info header, colours, pixels).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Item {
  std::uint32_t kind;
  std::uint32_t id;
  std::vector<char> bytes;
};

void Put32(std::vector<char>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool Collect(const fs::path& dir, std::uint32_t kind, bool stripFileHeader, std::vector<Item>& items) {
  if (!fs::exists(dir)) return true;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    const std::string stem = e.path().stem().string();
    if (stem.empty() || !std::all_of(stem.begin(), stem.end(), ::isdigit)) continue;
    std::ifstream in(e.path(), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (stripFileHeader) {
      if (bytes.size() < 14 || bytes[0] != 'B' || bytes[1] != 'M') {
        std::cerr << "respack: not a bitmap file: " << e.path() << "\n";
        return false;
      }
      bytes.erase(bytes.begin(), bytes.begin() + 14);
    }
    items.push_back({kind, static_cast<std::uint32_t>(std::stoul(stem)), std::move(bytes)});
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quintaro-respack RESDIR OUT.pak\n";
    return 2;
  }
  const fs::path dir = argv[1];
  std::vector<Item> items;
  if (!Collect(dir / "cursor", 1, false, items) || !Collect(dir / "bitmap", 2, true, items) ||
      !Collect(dir / "icon", 3, false, items) || !Collect(dir / "wave", 10, false, items))
    return 1;
  std::sort(items.begin(), items.end(),
            [](const Item& a, const Item& b) { return a.kind != b.kind ? a.kind < b.kind : a.id < b.id; });

  std::vector<char> out = {'Q', 'R', 'E', 'S'};
  Put32(out, static_cast<std::uint32_t>(items.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(8 + 16 * items.size());
  for (const Item& it : items) {
    offset = (offset + 3u) & ~3u;
    Put32(out, it.kind);
    Put32(out, it.id);
    Put32(out, offset);
    Put32(out, static_cast<std::uint32_t>(it.bytes.size()));
    offset += static_cast<std::uint32_t>(it.bytes.size());
  }
  for (const Item& it : items) {
    while (out.size() % 4) out.push_back(0);
    out.insert(out.end(), it.bytes.begin(), it.bytes.end());
  }
  fs::create_directories(fs::path(argv[2]).parent_path());
  std::ofstream f(argv[2], std::ios::binary | std::ios::trunc);
  f.write(out.data(), static_cast<std::streamsize>(out.size()));
  return f ? 0 : 1;
}
