// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/harfbuzz_run.h"

#include <hb-ft.h>
#include <hb.h>

#include <memory>

namespace {

struct HbDeleter {
  void operator()(hb_font_t* f) const { hb_font_destroy(f); }
  void operator()(hb_buffer_t* b) const { hb_buffer_destroy(b); }
};

}  // namespace

std::vector<ShapedIndex> ShapeInFace(FT_Face face, std::u32string_view run, bool rightToLeft, int* advance64) {
  *advance64 = 0;
  // The font takes the face's size as it is now, in 1/64 pixel.
  std::unique_ptr<hb_font_t, HbDeleter> font(hb_ft_font_create_referenced(face));
  std::unique_ptr<hb_buffer_t, HbDeleter> buffer(hb_buffer_create());
  const auto length = static_cast<int>(run.size());
  hb_buffer_add_utf32(buffer.get(), reinterpret_cast<const std::uint32_t*>(run.data()), length, 0, length);
  hb_buffer_set_direction(buffer.get(), rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
  hb_buffer_guess_segment_properties(buffer.get());
  hb_shape(font.get(), buffer.get(), nullptr, 0);
  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
  std::vector<ShapedIndex> glyphs;
  glyphs.reserve(count);
  int pen = 0;
  for (unsigned i = 0; i < count; ++i) {
    glyphs.push_back({infos[i].codepoint, pen + positions[i].x_offset, positions[i].y_offset});
    pen += positions[i].x_advance;
  }
  *advance64 = pen;
  return glyphs;
}
