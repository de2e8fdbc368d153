// SPDX-License-Identifier: GPL-3.0-or-later
// Rasterises Liberation Sans at the sizes the program uses into glyph
// atlases, written as a C++ source file that is compiled into the program.
// Usage: quintaro-fontatlas OUT.cpp REGULAR.ttf BOLD.ttf face:height[:latin1|:western]...
// A size marked latin1 holds Latin-1 only: the large sizes draw the art's
// titles and digits, never a player's name. A size marked western holds the
// Latin of western and central Europe with its punctuation: the web page
// keeps its download small and draws other scripts with the browser's fonts.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct CodeRange {
  char32_t first, last;
};

// Names in Latin, Greek and Cyrillic scripts, typographic quotes and dashes.
constexpr CodeRange kLatin1[] = {{0x20, 0x7E}, {0xA0, 0xFF}};
constexpr CodeRange kWide[] = {
    {0x20, 0x7E},     {0xA0, 0x24F},     // Latin-1, Latin Extended-A and -B
    {0x370, 0x3FF},   {0x400, 0x4FF},    // Greek, Cyrillic
    {0x1E00, 0x1EFF},                    // Latin Extended Additional (Vietnamese, Welsh)
    {0x2010, 0x2027}, {0x2030, 0x203A},  // dashes, quotes, ellipsis, guillemets
    {0x20AC, 0x20AC}, {0x2122, 0x2122},  // euro, trade mark
};
constexpr CodeRange kWestern[] = {
    {0x20, 0x7E},     {0xA0, 0x17F},     // Latin-1, Latin Extended-A
    {0x2010, 0x2027}, {0x2030, 0x203A},  // dashes, quotes, ellipsis, guillemets
    {0x20AC, 0x20AC}, {0x2122, 0x2122},  // euro, trade mark
};
constexpr int kAtlasWidth = 1024;

struct Glyph {
  char32_t code = 0;
  int x = 0, y = 0, w = 0, h = 0, left = 0, top = 0, advance = 0;
  std::vector<unsigned char> pixels;
};

struct Atlas {
  bool bold = false;
  int cell = 0, ascent = 0, descent = 0, em64 = 0;
  std::vector<Glyph> glyphs;
  std::vector<unsigned char> pixels;
  int height = 0;
};

bool RenderGlyph(FT_Face face, char32_t code, Glyph& g) {
  const FT_UInt index = FT_Get_Char_Index(face, code);
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return false;
  const FT_GlyphSlot slot = face->glyph;
  g.code = code;
  g.w = static_cast<int>(slot->bitmap.width);
  g.h = static_cast<int>(slot->bitmap.rows);
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  g.pixels.resize(static_cast<size_t>(g.w * g.h));
  for (int y = 0; y < g.h; ++y)
    for (int x = 0; x < g.w; ++x)
      g.pixels[static_cast<size_t>(y * g.w + x)] = slot->bitmap.buffer[y * slot->bitmap.pitch + x];
  return true;
}

// Shelf packing, then one coverage image.
void Pack(Atlas& a) {
  int penX = 1, penY = 1, rowHeight = 0;
  for (Glyph& g : a.glyphs) {
    if (penX + g.w + 1 > kAtlasWidth) {
      penX = 1;
      penY += rowHeight + 1;
      rowHeight = 0;
    }
    g.x = penX;
    g.y = penY;
    penX += g.w + 1;
    rowHeight = std::max(rowHeight, g.h);
  }
  a.height = penY + rowHeight + 1;
  a.pixels.assign(static_cast<size_t>(kAtlasWidth * a.height), 0);
  for (const Glyph& g : a.glyphs)
    for (int y = 0; y < g.h; ++y)
      std::copy_n(g.pixels.begin() + y * g.w, g.w, a.pixels.begin() + (g.y + y) * kAtlasWidth + g.x);
}

template <class Ranges>
bool Rasterise(FT_Library lib, const std::string& path, int cell, const Ranges& ranges, Atlas& out) {
  FT_Face face = nullptr;
  if (FT_New_Face(lib, path.c_str(), 0, &face) != 0) {
    std::cerr << "fontatlas: cannot open " << path << "\n";
    return false;
  }
  // A classic font height is the cell height (ascent + descent), not the em.
  const double cellUnits = static_cast<double>(face->ascender - face->descender);
  out.em64 = static_cast<int>(std::lround(cell * face->units_per_EM / cellUnits * 64.0));
  FT_Set_Char_Size(face, 0, out.em64, 72, 72);
  out.cell = cell;
  out.ascent = static_cast<int>(std::lround(cell * face->ascender / cellUnits));
  out.descent = cell - out.ascent;
  // Only the characters the face has: the rest are found at run time.
  for (const CodeRange& r : ranges)
    for (char32_t c = r.first; c <= r.last; ++c) {
      Glyph g;
      if (RenderGlyph(face, c, g)) out.glyphs.push_back(std::move(g));
    }
  FT_Done_Face(face);
  Pack(out);
  return true;
}

// Coverage as a string literal: compilers take megabytes of those far faster
// than an initialiser list. Three-digit octal escapes end where they should.
void WriteCoverage(std::ostream& s, const std::vector<unsigned char>& pixels) {
  static const char kOctal[] = "01234567";
  for (size_t p = 0; p < pixels.size(); ++p) {
    if (p % 64 == 0) s << (p == 0 ? "\n\"" : "\"\n\"");
    const unsigned char v = pixels[p];
    if (v >= 0x20 && v < 0x7F && v != '\\' && v != '"' && v != '?')
      s << static_cast<char>(v);
    else
      s << '\\' << kOctal[v >> 6] << kOctal[(v >> 3) & 7] << kOctal[v & 7];
  }
  s << "\"";
}

void WriteSource(std::ostream& s, const std::vector<Atlas>& atlases) {
  s << "// Generated by quintaro-fontatlas. Do not edit.\n#include \"platform/font.h\"\n\nnamespace {\n";
  for (size_t i = 0; i < atlases.size(); ++i) {
    const Atlas& a = atlases[i];
    s << "const char32_t kCodes" << i << "[] = {";
    for (size_t k = 0; k < a.glyphs.size(); ++k) s << (k % 16 == 0 ? "\n" : "") << unsigned(a.glyphs[k].code) << ",";
    s << "\n};\nconst GlyphInfo kGlyphs" << i << "[] = {\n";
    for (const Glyph& g : a.glyphs)
      s << "  {" << g.x << "," << g.y << "," << g.w << "," << g.h << "," << g.left << "," << g.top << ","
        << g.advance << "},\n";
    s << "};\nconst char kCoverage" << i << "[] =";
    WriteCoverage(s, a.pixels);
    s << ";\n";
  }
  s << "}  // namespace\n\nconst FontAtlas kFontAtlases[] = {\n";
  for (size_t i = 0; i < atlases.size(); ++i) {
    const Atlas& a = atlases[i];
    s << "  {" << (a.bold ? "true" : "false") << "," << a.cell << "," << a.ascent << "," << a.descent << "," << a.em64
      << ",kCodes" << i << "," << a.glyphs.size() << ",kGlyphs" << i
      << ",reinterpret_cast<const std::uint8_t*>(kCoverage" << i << ")," << kAtlasWidth << "," << a.height << "},\n";
  }
  s << "};\nconst int kFontAtlasCount = " << atlases.size() << ";\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: quintaro-fontatlas OUT.cpp REGULAR.ttf BOLD.ttf face:height[:latin1]...\n";
    return 2;
  }
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) return 1;
  std::vector<Atlas> atlases;
  for (int i = 4; i < argc; ++i) {
    std::istringstream request(argv[i]);
    std::string face, height, set;
    if (!std::getline(request, face, ':') || !std::getline(request, height, ':')) return 2;
    std::getline(request, set, ':');
    Atlas a;
    a.bold = face == "bold";
    const std::string path = a.bold ? argv[3] : argv[2];
    const int cell = std::stoi(height);
    const bool ok = set == "latin1"    ? Rasterise(lib, path, cell, kLatin1, a)
                    : set == "western" ? Rasterise(lib, path, cell, kWestern, a)
                                       : Rasterise(lib, path, cell, kWide, a);
    if (!ok) return 1;
    atlases.push_back(std::move(a));
  }
  FT_Done_FreeType(lib);
  std::ofstream f(argv[1], std::ios::trunc);
  WriteSource(f, atlases);
  return f ? 0 : 1;
}
