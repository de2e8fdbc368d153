// SPDX-License-Identifier: GPL-3.0-or-later
// Characters beyond the built-in atlases, drawn by the browser with its own
// sans-serif fonts at the em and weight of the text around them, and kept
// once drawn.
#include <array>
#include <map>
#include <memory>
#include <tuple>

#include "platform/glyph_fallback.h"

extern "C" int quintaro_page_raster_glyph(int code, int bold, int em64, std::uint8_t* out, int capacity, int* info);

namespace {

constexpr int kMaxSide = 128;  // no glyph the program draws is larger

class BrowserGlyphs final : public GlyphFallback {
 public:
  const RasterGlyph* Find(char32_t c, bool bold, int em64) override {
    const auto key = std::make_tuple(c, bold, em64);
    if (const auto it = m_glyphs.find(key); it != m_glyphs.end()) return it->second.get();
    std::unique_ptr<RasterGlyph> glyph = Draw(c, bold, em64);
    const RasterGlyph* found = glyph.get();
    m_glyphs.emplace(key, std::move(glyph));
    return found;
  }

 private:
  static std::unique_ptr<RasterGlyph> Draw(char32_t c, bool bold, int em64) {
    if (c > 0x10FFFF || em64 <= 0 || em64 > kMaxSide * 64) return nullptr;
    std::array<int, 5> info{};
    auto glyph = std::make_unique<RasterGlyph>();
    glyph->coverage.resize(static_cast<std::size_t>(kMaxSide) * kMaxSide);
    if (!quintaro_page_raster_glyph(static_cast<int>(c), bold ? 1 : 0, em64, glyph->coverage.data(),
                                    static_cast<int>(glyph->coverage.size()), info.data()))
      return nullptr;
    glyph->width = info[0];
    glyph->height = info[1];
    glyph->left = info[2];
    glyph->top = info[3];
    glyph->advance = info[4];
    if (glyph->width < 0 || glyph->height < 0 || glyph->width * glyph->height > kMaxSide * kMaxSide) return nullptr;
    glyph->coverage.resize(static_cast<std::size_t>(glyph->width) * glyph->height);
    return glyph;
  }

  std::map<std::tuple<char32_t, bool, int>, std::unique_ptr<RasterGlyph>> m_glyphs;
};

}  // namespace

std::unique_ptr<GlyphFallback> MakeSystemGlyphFallback() { return std::make_unique<BrowserGlyphs>(); }
