// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar's pictures as hand-placed pixels in the classic sixteen
// colours (and two browns), one character a pixel: hard edges that stay
// clean when doubled, and black outlines that read at 1x.
#include "shell/toolbar_glyphs.h"

#include <array>

namespace art {
namespace {

constexpr int kGlyphWidth = 16;
constexpr int kGlyphHeight = 15;
using Glyph = std::array<const char*, kGlyphHeight>;

// '.' leaves the button face showing through.
bool ColorOf(char key, Rgb* out) {
  switch (key) {
    case 'k': *out = Hex(0x000000); return true;
    case 'w': *out = Hex(0xFFFFFF); return true;
    case 'g': *out = Hex(0x808080); return true;
    case 'a': *out = Hex(0xA0A0A4); return true;  // light grey, apart from the face
    case 'r': *out = Hex(0x800000); return true;
    case 'R': *out = Hex(0xFF0000); return true;
    case 'y': *out = Hex(0x808000); return true;
    case 'Y': *out = Hex(0xFFFF00); return true;
    case 'G': *out = Hex(0x00FF00); return true;
    case 'd': *out = Hex(0x008000); return true;
    case 'n': *out = Hex(0x000080); return true;
    case 'B': *out = Hex(0x0000FF); return true;
    case 'c': *out = Hex(0x00FFFF); return true;
    case 't': *out = Hex(0x008080); return true;
    case 'b': *out = Hex(0x804000); return true;  // door wood
    case 'o': *out = Hex(0xC08040); return true;  // its lit panels
    case 'f': *out = Hex(0xF0C8A0); return true;  // skin
    case 'F': *out = Hex(0xC08860); return true;  // skin in shadow
    default: return false;
  }
}

// The title screen: a house.
constexpr Glyph kMainWindow = {
    "................", ".......kk..kkk..", "......kRRk.krk..", ".....kRRRRkkrk..", "....kRRRRRRkrk..",
    "...kRRRRRRRRkk..", "..kRRRRRRRRRRk..", ".krrrrrrrrrrrrk.", "..kwwwwwwwwwwk..", "..kwnnnwkkkkwk..",
    "..kwncnwkrrkwk..", "..kwnnnwkrYkwk..", "..kwwwwwkrrkwk..", "..kwwwwwkrrkwk..", "..kkkkkkkkkkkk..",
};
// Players: two people, one behind the other.
constexpr Glyph kPlayers = {
    ".........kkkk...", "........kffffk..", "........kffffk..", "........kfffFk..", "..kkkk...kFFk...",
    ".kffffk.kRRRRk..", ".kffffkkRRRRRrk.", ".kfffFkkRRRRRrk.", "..kFFk.kRRRRRrk.", ".kBBBBkkRRRRRrk.",
    "kBBBBBnkRRRRRrk.", "kBBBBBnkRRRRRrk.", "kBBBBBnkRRRRRrk.", "kBBBBBnkRRRRRrk.", "kBBBBBnkRRRRRrk.",
};
// Type Of Game: a die showing five.
constexpr Glyph kTypeOfGame = {
    "................", "..kkkkkkkkkk....", ".kwwwwwwwwwwk...", ".kwkkwwwwkkwkg..", ".kwkkwwwwkkwkg..",
    ".kwwwwwwwwwwkg..", ".kwwwwRRwwwwkg..", ".kwwwwRRwwwwkg..", ".kwwwwwwwwwwkg..", ".kwkkwwwwkkwkg..",
    ".kwkkwwwwkkwkg..", ".kwwwwwwwwwwkg..", "..kkkkkkkkkkgg..", "...gggggggggg...", "................",
};
// Game Controls: three sliders in their grooves.
constexpr Glyph kGameControls = {
    "...kkkk.........", "...kcBk.........", ".ggkBBkgggggggg.", ".wwkBnkwwwwwwww.", "...kkkk.........",
    ".........kkkk...", ".........kcBk...", ".ggggggggkBBkgg.", ".wwwwwwwwkBnkww.", ".........kkkk...",
    "......kkkk......", "......kcBk......", ".gggggkBBkggggg.", ".wwwwwkBnkwwwww.", "......kkkk......",
};
// Sound: a loudspeaker with its waves.
constexpr Glyph kSound = {
    "................", "......kk........", ".....kwk....k...", "....kwak.....k..", "kkkkwaak.k....k.",
    "kwgkaaak..k...k.", "kwgkaaak..k...k.", "kwgkaaak..k...k.", "kwgkaaak..k...k.", "kwgkaaak..k...k.",
    "kkkkgaak.k....k.", "....kgak.....k..", ".....kgk....k...", "......kk........", "................",
};
// Hall Of Fame: a gold cup on a plinth.
constexpr Glyph kHallOfFame = {
    "................", "...kkkkkkkkkk...", ".kkkwYYYYYYykkk.", "ky.kwYYYYYYyk.yk", "ky.kwYYYYYYyk.yk",
    ".kykwYYYYYYykyk.", "..kkwYYYYYYykk..", "....kwYYYYyk....", ".....kwYYyk.....", "......kYyk......",
    "......kYyk......", ".....kYYyyk.....", "....kkkkkkkk....", "...knnYYYYnnk...", "...kkkkkkkkkk...",
};
// Quit Game: leaving through the door.
constexpr Glyph kQuitGame = {
    "................", "kkkkkkk.........", "kbbbbbk...k.....", "kbkkkbk...kk....", "kbkokbk...kGk...",
    "kbkokbkkkkkGGk..", "kbkokbkGGGGGGGk.", "kbkkkbkGGGGGGGGk", "kbbbYbkGGGGGGdk.", "kbkkkbkkkkkGdk..",
    "kbkokbk...kdk...", "kbkokbk...kk....", "kbkokbk...k.....", "kbkkkbk.........", "kkkkkkk.........",
};
// Help Topics: a bold question mark.
constexpr Glyph kHelp = {
    ".....kkkkkk.....", "....kBBBBBBk....", "...kBBBkkBBBk...", "...kBBk..kBBk...", "....kk...kBBk...",
    "........kBBBk...", ".......kBBBk....", "......kBBBk.....", "......kBBk......", "......kBBk......",
    ".......kk.......", "......kBBk......", "......kBBk......", ".......kk.......", "................",
};
// The Sound button while sound is off: the speaker, silenced.
constexpr Glyph kSoundOff = {
    "................", "......kk........", ".....kwk........", "....kwak........", "kkkkwaak........",
    "kwgkaaak.RR..RR.", "kwgkaaak..RRRR..", "kwgkaaak...RR...", "kwgkaaak..RRRR..", "kwgkaaak.RR..RR.",
    "kkkkgaak........", "....kgak........", ".....kgk........", "......kk........", "................",
};

// In the order of the tool bar's buttons, then the second looks.
constexpr std::array<const Glyph*, kToolbarGlyphCount> kGlyphs = {
    &kMainWindow, &kPlayers, &kTypeOfGame, &kGameControls, &kSound, &kHallOfFame, &kQuitGame, &kHelp, &kSoundOff,
};

}  // namespace

void PaintToolbarGlyphs(Canvas& strip) {
  for (int i = 0; i < kToolbarGlyphCount; ++i) {
    const Glyph& glyph = *kGlyphs[static_cast<std::size_t>(i)];
    for (int y = 0; y < kGlyphHeight; ++y) {
      const char* row = glyph[static_cast<std::size_t>(y)];
      for (int x = 0; x < kGlyphWidth && row[x] != '\0'; ++x) {
        Rgb color;
        const int left = i * kGlyphWidth + x;
        if (ColorOf(row[x], &color)) strip.FillRect(left, y, left + 1, y + 1, color);
      }
    }
  }
}

}  // namespace art
