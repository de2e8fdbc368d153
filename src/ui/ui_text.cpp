// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ui_text.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"

const FontAtlas& UiFont() { return GetFont(false, kUiFontCell); }
const FontAtlas& UiBoldFont() { return GetFont(true, kUiFontCell); }
const FontAtlas& StatusFont() { return GetFont(true, kStatusFontCell); }

MnemonicText ParseMnemonic(std::string_view raw) {
  MnemonicText out;
  out.text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '&' && i + 1 < raw.size()) {
      ++i;
      if (raw[i] != '&' && out.underline < 0) out.underline = static_cast<int>(out.text.size());
    }
    out.text.push_back(raw[i]);
  }
  return out;
}

char MnemonicKey(std::string_view raw) {
  const MnemonicText m = ParseMnemonic(raw);
  if (m.underline < 0) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(m.text[static_cast<std::size_t>(m.underline)])));
}

int MnemonicTextWidth(const FontAtlas& font, std::string_view raw) { return TextWidth(font, ParseMnemonic(raw).text); }

namespace {

void DrawUnderlined(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y, const MnemonicText& m,
                    std::uint32_t color) {
  DrawTextAt(dst, clip, font, x, y, m.text, color);
  // A line that is reordered (right-to-left text) has no left-to-right place
  // for the letter; its access key still works, without the underline.
  if (m.underline < 0 || MayNeedLayout(m.text)) return;
  const std::string_view before(m.text.data(), static_cast<std::size_t>(m.underline));
  const int ux = x + TextWidth(font, before);
  const Utf8Char marked = DecodeUtf8(m.text, static_cast<std::size_t>(m.underline));
  const int uw = GlyphAdvance(font, marked.valid ? marked.code : U'\uFFFD');
  CRect line(ux, y + font.ascent + 1, ux + std::max(1, uw - 1), y + font.ascent + 2);
  CRect c;
  if (c.IntersectRect(line, clip)) FillRect(dst, c, color);
}

}  // namespace

void DrawMnemonicText(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y, std::string_view raw,
                      std::uint32_t color, TextLook look) {
  const MnemonicText m = ParseMnemonic(raw);
  if (look == TextLook::Disabled) {
    DrawUnderlined(dst, clip, font, x + 1, y + 1, m, ui_color::kHighlight);
    DrawUnderlined(dst, clip, font, x, y, m, ui_color::kShadow);
    return;
  }
  DrawUnderlined(dst, clip, font, x, y, m, color);
}

void DrawPlainText(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y, std::string_view text,
                   std::uint32_t color, TextLook look) {
  if (look == TextLook::Disabled) {
    DrawTextAt(dst, clip, font, x + 1, y + 1, text, ui_color::kHighlight);
    DrawTextAt(dst, clip, font, x, y, text, ui_color::kShadow);
    return;
  }
  DrawTextAt(dst, clip, font, x, y, text, color);
}

namespace {

// Appends the lines of one paragraph (no line breaks inside).
void WrapParagraph(const FontAtlas& font, std::string_view para, int maxWidth, std::vector<std::string>& lines) {
  std::string line;
  std::size_t i = 0;
  while (i < para.size()) {
    const std::size_t end = std::min(para.find(' ', i), para.size());
    std::string_view word = para.substr(i, end - i);
    i = end + 1;
    const std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
    if (TextWidth(font, candidate) <= maxWidth) {
      line = candidate;
      continue;
    }
    if (!line.empty()) lines.push_back(line);
    line.clear();
    // A word too long for any line is split between letters.
    while (!word.empty() && TextWidth(font, word) > maxWidth) {
      // Whole characters only: a letter's bytes are never parted.
      std::size_t n = NextCharBoundary(word, 0);
      while (n < word.size() && TextWidth(font, word.substr(0, NextCharBoundary(word, n))) <= maxWidth)
        n = NextCharBoundary(word, n);
      lines.emplace_back(word.substr(0, n));
      word.remove_prefix(n);
    }
    line = std::string(word);
  }
  lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(const FontAtlas& font, std::string_view text, int maxWidth) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t br = text.find('\n', start);
    const std::string_view para = text.substr(start, br == std::string_view::npos ? text.npos : br - start);
    WrapParagraph(font, para, std::max(1, maxWidth), lines);
    if (br == std::string_view::npos) break;
    start = br + 1;
  }
  return lines;
}
