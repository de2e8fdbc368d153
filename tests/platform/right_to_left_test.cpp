// SPDX-License-Identifier: GPL-3.0-or-later
// Arabic and Hebrew names are drawn in the order the bidirectional algorithm
// gives and with the glyphs HarfBuzz shapes them into, in the desktop's font
// that has their letters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bidi_order.h"
#include "platform/font.h"
#include "platform/glyph_fallback.h"
#include "platform/text_layout.h"

#ifdef QUINTARO_TEST_SHAPING
#include <hb-ft.h>
#include <hb.h>
#endif

namespace {

TEST(RightToLeft, RunsAreOrderedAsTheBidirectionalAlgorithmSays) {
  // A Latin name then a Hebrew one: the line reads left to right.
  EXPECT_EQ(VisualRuns(U"Anna שרה"), (std::vector<VisualRun>{{0, 5, false}, {5, 3, true}}));
  // An Arabic name first makes the line right to left: the number it is
  // followed by (and the space) stand to its left.
  EXPECT_EQ(VisualRuns(U"مريم 12"), (std::vector<VisualRun>{{5, 2, false}, {0, 5, true}}));
  EXPECT_EQ(VisualRuns(U"Pat"), (std::vector<VisualRun>{{0, 3, false}}));
  EXPECT_FALSE(HasRightToLeft(U"Zoë Ωμέγα 李"));
  EXPECT_TRUE(HasRightToLeft(U"x\u05D0"));
}

#ifdef QUINTARO_TEST_SHAPING

struct Shaped {
  std::vector<unsigned> indices;
  std::vector<int> x64;
  std::vector<unsigned> cmap;  // each letter's own glyph, as it stands alone
};

// HarfBuzz's own shaping of `text` in that font, its direction guessed from
// the script, with nothing of the program's in between.
Shaped HarfBuzzShapes(const ShapedRun& run, std::u32string_view text, int em64) {
  Shaped out;
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0) return out;
  if (FT_New_Face(library, run.fontFile.c_str(), run.fontIndex, &face) == 0 &&
      FT_Set_Char_Size(face, 0, em64, 72, 72) == 0) {
    hb_font_t* font = hb_ft_font_create_referenced(face);
    hb_buffer_t* buffer = hb_buffer_create();
    const auto n = static_cast<int>(text.size());
    hb_buffer_add_utf32(buffer, reinterpret_cast<const std::uint32_t*>(text.data()), n, 0, n);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
    for (unsigned i = 0, pen = 0; i < count; pen += static_cast<unsigned>(pos[i].x_advance), ++i) {
      out.indices.push_back(info[i].codepoint);
      out.x64.push_back(static_cast<int>(pen) + pos[i].x_offset);
    }
    for (const char32_t c : text) out.cmap.push_back(FT_Get_Char_Index(face, c));
    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return out;
}

class DesktopFonts : public ::testing::Test {
 protected:
  void SetUp() override {
    m_fonts = MakeSystemGlyphFallback();
    if (!m_fonts) GTEST_SKIP() << "a build without the desktop's fonts";
    m_previous = InstallGlyphFallback(m_fonts.get());
  }
  void TearDown() override {
    if (m_fonts) InstallGlyphFallback(m_previous);
  }
  const ShapedRun* Shape(std::u32string_view name) {
    const ShapedRun* run = m_fonts->Shape(name, true, false, m_font.em64);
    if (!run) ADD_FAILURE() << "no desktop font has these letters (Debian: fonts-dejavu-core)";
    return run;
  }
  const FontAtlas& m_font = GetFont(false, 16);
  std::unique_ptr<GlyphFallback> m_fonts;
  GlyphFallback* m_previous = nullptr;
};

TEST_F(DesktopFonts, NamesAreShapedAsHarfBuzzShapesThem) {
  for (const std::u32string name : {U"مريم", U"שרה"}) {
    const ShapedRun* run = Shape(name);
    if (!run) continue;
    const Shaped expected = HarfBuzzShapes(*run, name, m_font.em64);
    std::vector<unsigned> indices;
    std::vector<int> x64;
    for (const ShapedGlyph& g : run->glyphs) {
      indices.push_back(g.index);
      x64.push_back(g.x64);
      EXPECT_NE(g.image, nullptr);
    }
    EXPECT_EQ(indices, expected.indices) << run->fontFile;
    EXPECT_EQ(x64, expected.x64);
    const std::vector<unsigned> reversed(expected.cmap.rbegin(), expected.cmap.rend());
    if (name == U"שרה") {
      EXPECT_EQ(indices, reversed) << "Hebrew letters stand alone, right to left";
    } else {
      EXPECT_NE(indices, reversed) << "Arabic letters join: not one of them in its isolated form";
      for (std::size_t i = 0; i < indices.size(); ++i) EXPECT_NE(indices[i], reversed[i]) << i;
    }
  }
}

TEST_F(DesktopFonts, ALineMixingDirectionsIsDrawnRunByRun) {
  const ShapedRun* arabic = Shape(U"مريم ");
  if (!arabic) return;
  int advance = 0;
  const std::vector<PlacedGlyph> line = LayOutLine(m_font, "مريم 12", &advance);
  // The digits come first, from the built-in glyphs, then the name joined.
  ASSERT_GE(line.size(), 3u);
  EXPECT_EQ(line[0].image.coverage, ResolveGlyph(m_font, '1').coverage);
  EXPECT_EQ(line[1].image.coverage, ResolveGlyph(m_font, '2').coverage);
  EXPECT_EQ(line[1].pen, ResolveGlyph(m_font, '1').advance);
  std::size_t inked = 0;
  for (const ShapedGlyph& g : arabic->glyphs) inked += g.image ? 1 : 0;
  EXPECT_EQ(line.size(), 2 + inked);
  EXPECT_EQ(advance, line[2].pen + ((arabic->advance64 + 32) >> 6));
  EXPECT_EQ(TextWidth(m_font, "مريم 12"), advance);
  // A line without right-to-left letters keeps its own order and widths.
  EXPECT_FALSE(MayNeedLayout("Zoë Ωμέγα"));
}

#endif  // QUINTARO_TEST_SHAPING

}  // namespace
