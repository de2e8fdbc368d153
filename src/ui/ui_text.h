// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text of the chrome: the fonts it uses, mnemonics ('&' before the letter
// that is underlined; "&&" is a literal '&'), embossed grey text for disabled
// items, and word wrapping.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "platform/surface.h"

// Menus, tool tips, dialogs and message boxes: Liberation Sans at a 12-pixel
// cell, whose capitals are as tall as the classic 8-point dialog font's.
inline constexpr int kUiFontCell = 12;
// The status line: bold, 14 pixels.
inline constexpr int kStatusFontCell = 14;

const FontAtlas& UiFont();
const FontAtlas& UiBoldFont();
const FontAtlas& StatusFont();

struct MnemonicText {
  std::string text;    // without the '&' markers
  int underline = -1;  // index into `text` of the underlined letter, or -1
};
MnemonicText ParseMnemonic(std::string_view raw);
// The upper-cased mnemonic letter, or 0 when the text has none.
char MnemonicKey(std::string_view raw);
// Width of a text with '&' markers as it is drawn.
int MnemonicTextWidth(const FontAtlas& font, std::string_view raw);

enum class TextLook { Normal, Disabled };
// Draws `raw` with its cell's top-left at (x, y), underlining the mnemonic.
// Disabled text is embossed: white one pixel down-right under grey.
void DrawMnemonicText(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y,
                      std::string_view raw, std::uint32_t color, TextLook look = TextLook::Normal);
// Plain text, optionally embossed.
void DrawPlainText(SurfaceView dst, const CRect& clip, const FontAtlas& font, int x, int y,
                   std::string_view text, std::uint32_t color, TextLook look = TextLook::Normal);

// Breaks `text` into lines no wider than `maxWidth`: at "\n", then between
// words; a word wider than a line is broken between letters.
std::vector<std::string> WrapText(const FontAtlas& font, std::string_view text, int maxWidth);
