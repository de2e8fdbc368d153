// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the help text: headings, subheadings, bullets and body text,
// wrapped to the pane's width, each row placed below the last.
#include <algorithm>
#include <string_view>

#include "platform/i18n.h"
#include "platform/text.h"
#include "ui/help_window.h"
#include "ui/help_window_metrics.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"

using namespace help_metrics;
using namespace ui_color;

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// How one line of the help text is set: "# " a heading, "## " a
// subheading, "- " a bullet, anything else body text.
struct LineStyle {
  const FontAtlas* font = &UiFont();
  std::uint32_t color = kText;
  std::string_view content;
  int indent = 0;
  bool bullet = false;
  int gapAbove = 0;  // extra space above it, unless it opens the text
  int gapBelow = 0;
};

LineStyle StyleOf(std::string_view line) {
  LineStyle style;
  style.content = line;
  if (StartsWith(line, "# ")) {
    style.font = &GetFont(true, 18);
    style.color = kHeadingColor;
    style.content = line.substr(2);
    style.gapAbove = 8;
    style.gapBelow = 4;
  } else if (StartsWith(line, "## ")) {
    style.font = &UiBoldFont();
    style.content = line.substr(3);
    style.gapAbove = 4;
  } else if (StartsWith(line, "- ")) {
    style.content = line.substr(2);
    style.indent = kBulletIndent;
    style.bullet = true;
  }
  return style;
}

}  // namespace

void CHelpWindow::LayoutText() {
  m_lines.clear();
  const int width = PaneRect().Width() - 4 - kScrollBarWidth - 2 * kTextMargin;
  int y = kTextMargin;
  bool first = true;
  const std::string_view text = m_text;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) {
      if (!first) y += 6;  // paragraph gap
      if (end == text.size()) break;
      continue;
    }
    const LineStyle style = StyleOf(line);
    if (!first) y += style.gapAbove;
    first = false;
    bool firstRow = true;
    // Each heading, bullet and paragraph is one text of the catalog.
    const std::string content = Tr(style.content);
    for (const std::string& row : WrapText(*style.font, content, width - style.indent)) {
      m_lines.push_back({style.font, row, kTextMargin + style.indent, y, style.color, style.bullet && firstRow});
      y += style.font->cellHeight + kLineGap;
      firstRow = false;
    }
    y += style.gapBelow;
    if (end == text.size()) break;
  }
  m_contentHeight = y + kTextMargin;
}
