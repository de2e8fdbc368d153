// SPDX-License-Identifier: GPL-3.0-or-later
// Characters beyond the built-in atlases from the desktop's fonts: fontconfig
// picks a sans-serif face that has the character, FreeType draws it at the
// em and weight of the text around it; a right-to-left run is shaped by
// HarfBuzz in the face of its first letter. Faces, glyphs and shaped runs are
// kept once made.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>

#include "platform/glyph_fallback.h"
#include "platform/harfbuzz_run.h"

namespace {

struct FcDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
  void operator()(FcCharSet* s) const { FcCharSetDestroy(s); }
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
template <class T>
using FcPtr = std::unique_ptr<T, FcDeleter>;

struct FaceChoice {
  std::string file;
  int index = 0;
  bool embolden = false;  // bold asked for, the face found is not
};

// The first sans-serif face in fontconfig's order that has `c` and can be
// scaled; colour faces (emoji) are left out, the text is one colour.
std::optional<FaceChoice> ChooseFace(FcConfig* config, char32_t c, bool bold) {
  FcPtr<FcPattern> pattern(FcPatternCreate());
  FcPtr<FcCharSet> wanted(FcCharSetCreate());
  if (!pattern || !wanted) return std::nullopt;
  FcCharSetAddChar(wanted.get(), c);
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddCharSet(pattern.get(), FC_CHARSET, wanted.get());
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  FcPtr<FcFontSet> fonts(FcFontSort(config, pattern.get(), FcFalse, nullptr, &result));
  if (!fonts) return std::nullopt;
  for (int i = 0; i < fonts->nfont; ++i) {
    FcPattern* font = fonts->fonts[i];
    FcCharSet* has = nullptr;
    FcBool scalable = FcFalse, color = FcFalse;
    FcChar8* file = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &has) != FcResultMatch || !FcCharSetHasChar(has, c)) continue;
    if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable) continue;
    if (FcPatternGetBool(font, FC_COLOR, 0, &color) == FcResultMatch && color) continue;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
    FaceChoice choice;
    choice.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(font, FC_INDEX, 0, &choice.index);
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    choice.embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
    return choice;
  }
  return std::nullopt;
}

class FontconfigGlyphs : public GlyphFallback {
 public:
  FontconfigGlyphs(FT_Library library, FcConfig* config) : m_library(library), m_config(config) {}
  ~FontconfigGlyphs() override {
    for (auto& [key, face] : m_faces) FT_Done_Face(face);
    FT_Done_FreeType(m_library);
  }
  FontconfigGlyphs(const FontconfigGlyphs&) = delete;
  FontconfigGlyphs& operator=(const FontconfigGlyphs&) = delete;

  const RasterGlyph* Find(char32_t c, bool bold, int em64) override {
    const auto key = std::make_tuple(c, bold, em64);
    auto known = m_glyphs.find(key);
    if (known == m_glyphs.end()) known = m_glyphs.emplace(key, Render(c, bold, em64)).first;
    return known->second ? &*known->second : nullptr;
  }

  const ShapedRun* Shape(std::u32string_view run, bool rightToLeft, bool bold, int em64) override {
    if (run.empty()) return nullptr;
    std::u32string key(run);
    key += {char32_t(rightToLeft), char32_t(bold), char32_t(em64)};
    auto known = m_runs.find(key);
    if (known == m_runs.end()) known = m_runs.emplace(key, ShapeRun(run, rightToLeft, bold, em64)).first;
    return known->second ? &*known->second : nullptr;
  }

 private:
  // The face for `c` at that size, or null; `chosen` says which it is.
  FT_Face SizedFace(char32_t c, bool bold, int em64, FaceChoice* chosen) {
    const std::optional<FaceChoice> choice = ChooseFace(m_config.get(), c, bold);
    FT_Face face = choice ? Face(*choice) : nullptr;
    if (!face || FT_Set_Char_Size(face, 0, em64, 72, 72) != 0) return nullptr;
    *chosen = *choice;
    return face;
  }

  std::optional<RasterGlyph> Render(char32_t c, bool bold, int em64) {
    FaceChoice chosen;
    FT_Face face = SizedFace(c, bold, em64, &chosen);
    if (!face || FT_Load_Char(face, c, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return std::nullopt;
    return FromSlot(face->glyph, chosen.embolden);
  }

  // A run in the face of its first letter beyond the common punctuation.
  std::optional<ShapedRun> ShapeRun(std::u32string_view run, bool rightToLeft, bool bold, int em64) {
    char32_t letter = run.front();
    for (const char32_t c : run)
      if (c >= 0x80) { letter = c; break; }
    FaceChoice chosen;
    FT_Face face = SizedFace(letter, bold, em64, &chosen);
    if (!face) return std::nullopt;
    ShapedRun shaped;
    shaped.fontFile = chosen.file;
    shaped.fontIndex = chosen.index;
    for (const ShapedIndex& g : ShapeInFace(face, run, rightToLeft, &shaped.advance64)) {
      const auto key = std::make_tuple(face, g.index, bold, em64);
      auto known = m_indexed.find(key);
      if (known == m_indexed.end()) {
        std::optional<RasterGlyph> image;
        if (FT_Load_Glyph(face, g.index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) == 0)
          image = FromSlot(face->glyph, chosen.embolden);
        known = m_indexed.emplace(key, std::move(image)).first;
      }
      shaped.glyphs.push_back({g.index, known->second ? &*known->second : nullptr, g.x64, g.y64});
    }
    return shaped;
  }

  static std::optional<RasterGlyph> FromSlot(FT_GlyphSlot slot, bool embolden) {
    if (embolden) FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
      return std::nullopt;
    RasterGlyph glyph;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.height = static_cast<int>(slot->bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height));
    for (int y = 0; y < glyph.height; ++y)
      for (int x = 0; x < glyph.width; ++x)
        glyph.coverage[static_cast<std::size_t>(y * glyph.width + x)] = slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    return glyph;
  }

  FT_Face Face(const FaceChoice& choice) {
    const auto key = std::make_pair(choice.file, choice.index);
    if (auto it = m_faces.find(key); it != m_faces.end()) return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(m_library, choice.file.c_str(), choice.index, &face) != 0) face = nullptr;
    if (face) m_faces.emplace(key, face);
    return face;
  }

  struct KeyHash {
    std::size_t operator()(const std::tuple<char32_t, bool, int>& k) const {
      return std::hash<std::uint64_t>()((std::uint64_t(std::get<0>(k)) << 33) ^ (std::uint64_t(std::get<1>(k)) << 32) ^
                                        std::uint32_t(std::get<2>(k)));
    }
  };

  FT_Library m_library;
  FcPtr<FcConfig> m_config;
  std::map<std::pair<std::string, int>, FT_Face> m_faces;
  std::unordered_map<std::tuple<char32_t, bool, int>, std::optional<RasterGlyph>, KeyHash> m_glyphs;
  std::map<std::tuple<FT_Face, unsigned, bool, int>, std::optional<RasterGlyph>> m_indexed;
  std::unordered_map<std::u32string, std::optional<ShapedRun>> m_runs;
};

}  // namespace

std::unique_ptr<GlyphFallback> MakeSystemGlyphFallback() {
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (!config) return nullptr;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) {
    FcConfigDestroy(config);
    return nullptr;
  }
  return std::make_unique<FontconfigGlyphs>(library, config);
}
