// SPDX-License-Identifier: GPL-3.0-or-later
// FriBidi gives each character its embedding level and the line's visual
// order; consecutive characters of one level, adjacent in both orders, make
// one run.
#include <fribidi.h>

#include "platform/bidi_order.h"

std::vector<VisualRun> VisualRuns(std::u32string_view text) {
  const auto n = static_cast<FriBidiStrIndex>(text.size());
  if (n == 0) return {};
  const auto* chars = reinterpret_cast<const FriBidiChar*>(text.data());
  std::vector<FriBidiCharType> types(text.size());
  std::vector<FriBidiBracketType> brackets(text.size());
  std::vector<FriBidiLevel> levels(text.size());
  std::vector<FriBidiStrIndex> map(text.size());
  fribidi_get_bidi_types(chars, n, types.data());
  fribidi_get_bracket_types(chars, n, types.data(), brackets.data());
  FriBidiParType direction = FRIBIDI_PAR_ON;
  if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), n, &direction, levels.data()) == 0)
    return {{0, text.size(), false}};
  for (FriBidiStrIndex i = 0; i < n; ++i) map[static_cast<std::size_t>(i)] = i;
  // Marks stay after their letters in the text's own order: HarfBuzz places
  // them when it shapes the run. The levels stay in that order too (with the
  // trailing spaces at the line's level).
  constexpr FriBidiFlags kFlags = FRIBIDI_FLAGS_DEFAULT & ~FRIBIDI_FLAG_REORDER_NSM;
  if (fribidi_reorder_line(kFlags, types.data(), n, 0, direction, levels.data(), nullptr, map.data()) == 0)
    return {{0, text.size(), false}};
  std::vector<VisualRun> runs;
  for (std::size_t v = 0; v < text.size(); ++v) {
    const auto at = static_cast<std::size_t>(map[v]);
    const bool rtl = (levels[at] & 1) != 0;
    if (!runs.empty() && runs.back().rightToLeft == rtl) {
      VisualRun& run = runs.back();
      if (!rtl && at == run.start + run.length) {
        ++run.length;
        continue;
      }
      if (rtl && at + 1 == run.start) {
        run.start = at;
        ++run.length;
        continue;
      }
    }
    runs.push_back({at, 1, rtl});
  }
  return runs;
}
