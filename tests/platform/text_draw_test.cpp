// SPDX-License-Identifier: GPL-3.0-or-later
// Text drawn from the atlases decodes UTF-8: letters beyond ASCII get their
// own glyphs and malformed bytes draw as '?', never garbage.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "platform/text.h"

namespace {

std::vector<std::uint32_t> Draw(std::string_view text) {
  Surface32 s(120, 40, 0xFFFFFF);
  const FontAtlas& font = GetFont(true, 20);
  DrawTextAt(s.View(), s.View().Bounds(), font, 2, 2, text, 0x000000);
  const SurfaceView v = s.View();
  return {v.Row(0), v.Row(0) + 120 * 40};
}

TEST(TextDrawing, MalformedBytesDrawAsQuestionMarks) {
  EXPECT_EQ(Draw("a\xC3"), Draw("a?"));
  EXPECT_EQ(Draw("\xE2\x82" "b"), Draw("??b"));
  EXPECT_EQ(Draw("\xC0\xAF"), Draw("??"));  // an overlong '/' is not a slash
  EXPECT_EQ(Draw("\xE2\x82\xAC"), Draw("?"));  // a well-formed letter the atlas lacks
}

TEST(TextDrawing, LettersBeyondAsciiHaveTheirOwnGlyphs) {
  EXPECT_NE(Draw("Zo\xC3\xAB"), Draw("Zoe"));
  EXPECT_NE(Draw("Zo\xC3\xAB"), Draw("Zo?"));
  EXPECT_NE(Draw("Wei\xC3\x9F"), Draw("Wei?"));
  EXPECT_NE(Draw("\xC3\x91"), Draw("N"));
}

}  // namespace
