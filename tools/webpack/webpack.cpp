// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's resource pack, made from the desktop's: every sound as
// 4-bit ADPCM (a quarter of the bytes to download; the page unpacks it when
// it starts), and the window icons above 64 pixels left out (a page shows
// its tab icon; the install icons are files beside it).
//   quintaro-webpack IN.pak OUT.pak
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "platform/resources.h"
#include "platform/wave_adpcm.h"

namespace {

constexpr int kLargestPageIcon = 64;

void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>((v >> (8 * i)) & 0xFF));
}

int IconWidth(std::span<const BYTE> bytes) { return bytes.size() >= 6 ? bytes[4] | (bytes[5] << 8) : 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quintaro-webpack IN.pak OUT.pak\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<BYTE> pack((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const ResourceTable table(pack);
  if (table.Entries().empty()) {
    std::cerr << "quintaro-webpack: no resources in " << argv[1] << '\n';
    return 1;
  }
  std::vector<ResourceTable::Entry> kept;
  std::vector<std::vector<BYTE>> bodies;
  for (const ResourceTable::Entry& e : table.Entries()) {
    if (e.kind == ResKind::Icon && IconWidth(e.bytes) > kLargestPageIcon) continue;
    std::vector<BYTE> body = e.kind == ResKind::Wave ? EncodeAdpcmWave(e.bytes) : std::vector<BYTE>{};
    if (body.empty()) body.assign(e.bytes.begin(), e.bytes.end());
    kept.push_back(e);
    bodies.push_back(std::move(body));
  }
  std::vector<BYTE> out(kResPackMagic, kResPackMagic + 4);
  Put32(out, static_cast<std::uint32_t>(kept.size()));
  std::size_t offset = 8 + 16 * kept.size();
  for (std::size_t i = 0; i < kept.size(); ++i) {
    Put32(out, static_cast<std::uint32_t>(kept[i].kind));
    Put32(out, kept[i].id);
    Put32(out, static_cast<std::uint32_t>(offset));
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    offset += bodies[i].size();
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) {
    std::cerr << "quintaro-webpack: cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
