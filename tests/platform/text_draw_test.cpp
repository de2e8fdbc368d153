// SPDX-License-Identifier: GPL-3.0-or-later
// Text drawn from the atlases decodes UTF-8: names in Latin, Greek and
// Cyrillic scripts get their own glyphs; other scripts come from the
// desktop's fonts when it has them; malformed bytes draw as '?', never garbage.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/glyph_fallback.h"
#include "platform/text.h"

namespace {

// Installs `fallback` (or none) for one test, then puts the previous back.
class ScopedFallback {
 public:
  explicit ScopedFallback(GlyphFallback* fallback) : m_previous(InstallGlyphFallback(fallback)) {}
  ~ScopedFallback() { InstallGlyphFallback(m_previous); }

 private:
  GlyphFallback* m_previous;
};

// A font with every character: a solid block, and what it was asked for.
class BlockFallback : public GlyphFallback {
 public:
  const RasterGlyph* Find(char32_t c, bool bold, int em64) override {
    asked[c] = {bold, em64};
    m_glyph.width = m_glyph.height = m_glyph.advance = em64 / 64;
    m_glyph.top = m_glyph.height - 2;
    m_glyph.coverage.assign(static_cast<std::size_t>(m_glyph.width * m_glyph.height), 255);
    return &m_glyph;
  }
  std::map<char32_t, std::pair<bool, int>> asked;

 private:
  RasterGlyph m_glyph;
};

std::vector<std::uint32_t> Draw(std::string_view text, const FontAtlas& font = GetFont(true, 20)) {
  Surface32 s(160, 40, 0xFFFFFF);
  DrawTextAt(s.View(), s.View().Bounds(), font, 2, 2, text, 0x000000);
  const SurfaceView v = s.View();
  return {v.Row(0), v.Row(0) + 160 * 40};
}

TEST(TextDrawing, MalformedBytesAndUnknownLettersDrawAsQuestionMarks) {
  const ScopedFallback none(nullptr);
  EXPECT_EQ(Draw("a\xC3"), Draw("a?"));
  EXPECT_EQ(Draw("\xE2\x82" "b"), Draw("??b"));
  EXPECT_EQ(Draw("\xC0\xAF"), Draw("??"));  // an overlong '/' is not a slash
  EXPECT_EQ(Draw("\xE4\xB8\xAD"), Draw("?"));  // a well-formed letter no font has
  // Text is measured by characters: "Zoë" is three glyphs wide, not four.
  const FontAtlas& font = GetFont(false, 13);
  EXPECT_EQ(TextWidth(font, "Zo\xC3\xAB"),
            GlyphAdvance(font, 'Z') + GlyphAdvance(font, 'o') + GlyphAdvance(font, 0xEB));
  EXPECT_EQ(TextWidth(font, "\xC3"), GlyphAdvance(font, '?'));
}

TEST(TextDrawing, LatinGreekCyrillicAndQuotesAreBuiltIn) {
  const ScopedFallback none(nullptr);
  EXPECT_NE(Draw("Zo\xC3\xAB"), Draw("Zo?"));
  EXPECT_NE(Draw("Wei\xC3\x9F"), Draw("Wei?"));
  // Every atlas a name can be drawn in holds these, drawn, with an advance.
  const char32_t letters[] = {U'ő', U'Ł', U'ș', U'ž', U'Ω', U'λ', U'ά', U'Ж', U'я', U'ї',
                              U'“', U'”', U'‘', U'’', U'„', U'–', U'—', U'…', U'«', U'€'};
  for (int i = 0; i < kFontAtlasCount; ++i) {
    const FontAtlas& font = kFontAtlases[i];
    if (font.cellHeight > 24) continue;  // the art's titles: Latin-1 only
    for (char32_t c : letters) {
      const GlyphInfo* g = font.Find(c);
      ASSERT_NE(g, nullptr) << "atlas " << i << " U+" << std::hex << unsigned(c);
      EXPECT_GT(g->advance, 0);
      EXPECT_GT(g->width * g->height, 0);
    }
    EXPECT_EQ(font.Find(0x85), nullptr);  // control codes have no glyph
    EXPECT_EQ(font.Glyph(0xFFFFFFFF), font.Glyph('?'));
  }
  EXPECT_NE(Draw("\xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0"), Draw("?????"));  // Жанна
  EXPECT_NE(Draw("\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1"), Draw("?????"));  // Ωμέγα
}

TEST(TextDrawing, OtherScriptsComeFromTheFallbackAtTheTextsSizeAndWeight) {
  BlockFallback blocks;
  const ScopedFallback installed(&blocks);
  const FontAtlas& bold = GetFont(true, 16);
  const FontAtlas& regular = GetFont(false, 13);
  Draw("\xE4\xB8\xAD", bold);     // 中
  Draw("\xE6\x96\x87", regular);  // 文
  EXPECT_EQ(blocks.asked[U'中'], std::make_pair(true, bold.em64));
  EXPECT_EQ(blocks.asked[U'文'], std::make_pair(false, regular.em64));
  EXPECT_EQ(TextWidth(bold, "a\xE4\xB8\xAD"), GlyphAdvance(bold, 'a') + bold.em64 / 64);
  // The atlas's own letters, controls and malformed bytes never go to it.
  Draw("Zo\xC3\xAB \xD0\x96 \x7F\xC3", bold);
  EXPECT_EQ(blocks.asked.size(), 2u);
  EXPECT_NE(Draw("\xE4\xB8\xAD"), Draw("?"));
}

TEST(TextDrawing, ChineseFromTheDesktopsFonts) {
  std::unique_ptr<GlyphFallback> system = MakeSystemGlyphFallback();
  const FontAtlas& font = GetFont(true, 16);
  const RasterGlyph* glyph = system ? system->Find(U'中', true, font.em64) : nullptr;
  if (!glyph) GTEST_SKIP() << "no font with Chinese characters here (fonts-noto-cjk)";
  const int em = font.em64 / 64;
  // A square character about one em wide, standing on the Latin baseline.
  EXPECT_NEAR(glyph->advance, em, 2);
  EXPECT_GT(glyph->height, em / 2);
  EXPECT_LE(glyph->top, font.ascent + 2);
  int inked = 0;
  for (std::uint8_t a : glyph->coverage) inked += a > 128;
  EXPECT_GT(inked, em);
  EXPECT_EQ(system->Find(U'中', true, font.em64), glyph) << "drawn once, then kept";
}

}  // namespace
