// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every resource of the linked pack onto PNG contact sheets for
// review: pictures at 2x with id and size, sprite cels over a checkerboard,
// cursors and icons with their hot spots, and waves as waveforms with their
// durations. Usage: quintaro-contactsheet OUTDIR
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "decode.h"
#include "platform/font.h"
#include "platform/png.h"
#include "platform/resources.h"
#include "platform/text.h"

namespace {

constexpr std::uint32_t kPaper = 0x2B2B30, kInk = 0xE8E8E8, kAccent = 0xFFC040;

void Label(Surface32& page, int x, int y, const std::string& text, std::uint32_t color = kInk) {
  const FontAtlas& f = GetFont(true, 14);
  SurfaceView v = page.View();
  DrawTextAt(v, v.Bounds(), f, x, y, text, color);
}

void Put(Surface32& page, int x, int y, std::uint32_t c) {
  if (x >= 0 && y >= 0 && x < page.Width() && y < page.Height()) page.View().Row(y)[x] = c;
}

// Draws a picture scaled by `s`; transparent pixels (when keyed) show a checkerboard.
void Blit(Surface32& page, const sheet::Picture& p, int x0, int y0, int s, bool keyed) {
  for (int y = 0; y < p.image.Height() * s; ++y)
    for (int x = 0; x < p.image.Width() * s; ++x) {
      const int sx = x / s, sy = y / s;
      const std::size_t i = static_cast<std::size_t>(sy) * p.image.Width() + sx;
      const bool check = ((x / 4) + (y / 4)) % 2 == 0;
      Put(page, x0 + x, y0 + y, keyed && p.transparent[i] ? (check ? 0x505058u : 0x606068u) : p.image.At(sx, sy));
    }
}

bool Save(const std::filesystem::path& dir, const std::string& name, const Surface32& page) {
  const bool ok = SavePng(dir / name, page);
  std::cout << (ok ? "wrote " : "could not write ") << (dir / name).string() << "\n";
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quintaro-contactsheet OUTDIR\n";
    return 2;
  }
  const std::filesystem::path out = argv[1];
  std::filesystem::create_directories(out);
  const ResourceTable table;
  bool ok = true;
  char buf[128];

  // Large pictures: one page each at 2x; small ones gathered on one page.
  std::vector<std::pair<UINT, sheet::Picture>> small;
  for (const auto& e : table.Entries()) {
    if (e.kind != ResKind::Bitmap) continue;
    auto pic = sheet::DecodePicture(e.bytes);
    if (!pic) {
      std::cerr << "bitmap " << e.id << " cannot be decoded\n";
      ok = false;
      continue;
    }
    const int w = pic->image.Width(), h = pic->image.Height();
    if (w * h < 20000) {
      small.emplace_back(e.id, std::move(*pic));
      continue;
    }
    Surface32 page(w * 2 + 20, h * 2 + 44, kPaper);
    std::snprintf(buf, sizeof buf, "bitmap %u   %d x %d   (shown at 2x)", e.id, w, h);
    Label(page, 10, 10, buf, kAccent);
    Blit(page, *pic, 10, 34, 2, false);
    ok &= Save(out, "bitmap_" + std::to_string(e.id) + ".png", page);
  }
  {
    Surface32 page(1200, 760, kPaper);
    Label(page, 10, 8, "Sprite cels and strips at 4x (checkerboard = key colour)", kAccent);
    int x = 10, y = 36, rowH = 0;
    for (const auto& [id, pic] : small) {
      const int s = pic.image.Width() > 64 ? 4 : 4;
      const int w = pic.image.Width() * s, h = pic.image.Height() * s;
      if (x + std::max(w, 90) > page.Width()) {
        x = 10;
        y += rowH + 30;
        rowH = 0;
      }
      Blit(page, pic, x, y + 20, s, pic.image.Width() < 64);
      std::snprintf(buf, sizeof buf, "%u  %dx%d", id, pic.image.Width(), pic.image.Height());
      Label(page, x, y, buf);
      x += std::max(w, 90) + 14;
      rowH = std::max(rowH, h + 20);
    }
    ok &= Save(out, "sprites.png", page);
  }
  // Cursors and icons at 4x with the hot spot marked.
  {
    Surface32 page(1000, 260, kPaper);
    Label(page, 10, 8, "Cursors and icons at 4x (red cross = hot spot)", kAccent);
    int x = 10;
    for (const auto& e : table.Entries()) {
      if (e.kind != ResKind::Cursor && e.kind != ResKind::Icon) continue;
      CursorImage img;
      if (!CursorImage::Parse(e.bytes, &img)) {
        std::cerr << "cursor/icon " << e.id << " cannot be parsed\n";
        ok = false;
        continue;
      }
      std::snprintf(buf, sizeof buf, "%s %u", e.kind == ResKind::Cursor ? "cursor" : "icon", e.id);
      Label(page, x, 36, buf);
      for (int py = 0; py < img.height * 4; ++py)
        for (int px = 0; px < img.width * 4; ++px) {
          const std::uint32_t argb = img.argb[static_cast<std::size_t>(py / 4) * img.width + px / 4];
          const float a = static_cast<float>(argb >> 24) / 255.f;
          const std::uint32_t bg = ((px / 8) + (py / 8)) % 2 ? 0xB0B0B0u : 0x707070u;
          auto mix = [&](int shift) {
            const float fg = static_cast<float>((argb >> shift) & 0xFF), b = static_cast<float>((bg >> shift) & 0xFF);
            return static_cast<std::uint32_t>(std::lround(b + (fg - b) * a)) << shift;
          };
          Put(page, x + px, 60 + py, mix(16) | mix(8) | mix(0));
        }
      if (e.kind == ResKind::Cursor)
        for (int d = -6; d <= 6; ++d) {
          Put(page, x + img.hotX * 4 + 2 + d, 60 + img.hotY * 4 + 2, 0xFF0000);
          Put(page, x + img.hotX * 4 + 2, 60 + img.hotY * 4 + 2 + d, 0xFF0000);
        }
      x += 160;
    }
    ok &= Save(out, "cursors_icons.png", page);
  }
  // Waves as waveform thumbnails with durations.
  {
    std::vector<std::pair<UINT, sheet::WaveInfo>> waves;
    for (const auto& e : table.Entries())
      if (e.kind == ResKind::Wave) {
        auto w = sheet::DecodeWave(e.bytes);
        if (w) waves.emplace_back(e.id, std::move(*w));
        else {
          std::cerr << "wave " << e.id << " cannot be decoded\n";
          ok = false;
        }
      }
    const int thumbW = 560, thumbH = 70;
    Surface32 page(thumbW + 20, 40 + static_cast<int>(waves.size()) * (thumbH + 30), kPaper);
    Label(page, 10, 8, "Waves (full height = full scale)", kAccent);
    int y = 36;
    for (const auto& [id, w] : waves) {
      std::snprintf(buf, sizeof buf, "wave %u   %.0f ms   %d Hz %d-bit %s", id, 1000.0 * w.samples.size() / w.rate, w.rate, w.bits,
                    w.channels == 1 ? "mono" : "multi");
      Label(page, 10, y, buf);
      const int top = y + 20;
      for (int x = 0; x < thumbW; ++x) {
        Put(page, 10 + x, top + thumbH / 2, 0x505060);
        const std::size_t a = w.samples.size() * x / thumbW, b = std::max(a + 1, w.samples.size() * (x + 1) / thumbW);
        int lo = 0, hi = 0;
        for (std::size_t i = a; i < b && i < w.samples.size(); ++i) {
          lo = std::min<int>(lo, w.samples[i]);
          hi = std::max<int>(hi, w.samples[i]);
        }
        const int y0 = top + thumbH / 2 - hi * (thumbH / 2) / 32768, y1 = top + thumbH / 2 - lo * (thumbH / 2) / 32768;
        for (int yy = y0; yy <= y1; ++yy) Put(page, 10 + x, yy, 0x60C0FF);
      }
      y += thumbH + 30;
    }
    ok &= Save(out, "waves.png", page);
  }
  return ok ? 0 : 1;
}
