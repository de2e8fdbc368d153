// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/glyph_fallback.h"

#include "platform/font.h"

namespace {

// The fallback text drawing consults: the system's, made on first need, until
// a test installs another.
struct FallbackSlot {
  bool installedByCaller = false;
  GlyphFallback* installed = nullptr;
  bool systemTried = false;
  std::unique_ptr<GlyphFallback> system;
};

FallbackSlot& Slot() {
  static FallbackSlot slot;
  return slot;
}

}  // namespace

GlyphFallback* CurrentGlyphFallback() {
  FallbackSlot& slot = Slot();
  if (slot.installedByCaller) return slot.installed;
  if (!slot.systemTried) {
    slot.systemTried = true;
    slot.system = MakeSystemGlyphFallback();
  }
  return slot.system.get();
}

namespace {

// Characters worth asking the desktop for: not controls, not beyond Unicode.
// The replacement character stands for malformed bytes: drawn as the atlas's
// '?' everywhere, whatever fonts the desktop has.
bool Drawable(char32_t c) { return c >= 0xA0 && c <= 0x10FFFF && c != 0xFFFD; }

GlyphImage FromAtlas(const FontAtlas& font, const GlyphInfo& g) {
  return {font.coverage + g.atlasY * font.atlasWidth + g.atlasX,
          font.atlasWidth,
          g.width,
          g.height,
          g.left,
          g.top,
          g.advance};
}

}  // namespace

GlyphFallback* InstallGlyphFallback(GlyphFallback* fallback) {
  GlyphFallback* previous = CurrentGlyphFallback();
  Slot().installedByCaller = true;
  Slot().installed = fallback;
  return previous;
}

GlyphImage ResolveGlyph(const FontAtlas& font, char32_t c) {
  if (const GlyphInfo* g = font.Find(c)) return FromAtlas(font, *g);
  GlyphFallback* fallback = Drawable(c) ? CurrentGlyphFallback() : nullptr;
  if (const RasterGlyph* r = fallback ? fallback->Find(c, font.bold, font.em64) : nullptr)
    return {r->coverage.data(), r->width, r->width, r->height, r->left, r->top, r->advance};
  return FromAtlas(font, *font.Glyph('?'));
}
