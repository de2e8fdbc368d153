// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/dart_scoreboard.h"

#include <string>

#include "platform/dc.h"

namespace darts {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kChalk = RGB(200, 200, 200);
constexpr int kFontHeight = 15;
constexpr int kSmallFontHeight = 10;
constexpr int kStripHeight = 10;  // the strip under a name for its average: it fits between the rows
// The line between the players and THROW / TOTAL carries the options and the checkout.
constexpr CRect kOptionsBox{426, 203, 588, 219};

constexpr UINT kLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kCentre = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// A box is cleared to black (black pen and brush) and the text drawn in it.
void Box(CDC& dc, const CRect& r, const std::string& text, COLORREF color, UINT format) {
  dc.Rectangle(r);
  dc.SetTextColor(color);
  dc.DrawText(text, r, format);
}

COLORREF RowColor(const ScoreboardState& s, int seat) {
  if (s.newGame) return kRed;
  return seat == s.current ? PlayerColor(seat) : kWhite;
}

// The small print: averages under the names, options and checkout.
void DrawSeatStats(CDC& dc, const ScoreboardLayout& layout, const ScoreboardState& s) {
  CFont small;
  small.CreateFont(kSmallFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 32, "Arial");
  dc.SelectFont(small);
  const char* label = s.variant == kVariantCricket ? "MPR " : "Avg ";
  for (std::size_t i = 0; i < kSeats; ++i) {
    const CRect& name = layout.names[i];
    const CRect strip{name.left, name.bottom + 1, name.right, name.bottom + 1 + kStripHeight};
    Box(dc, strip, s.seatStats[i].empty() ? std::string() : label + s.seatStats[i], kChalk, kLeft);
  }
  if (s.variant == kVariantCricket || s.optionsText.empty()) return;
  std::string line = s.optionsText;
  if (!s.checkoutText.empty()) line.append(": ").append(s.checkoutText);
  Box(dc, kOptionsBox, line, kWhite, kCentre);
}

void DrawCountdown(CDC& dc, const ScoreboardLayout& layout, const ScoreboardState& s) {
  for (int i = 0; i < kSeats; ++i) {
    const CPlayer* p = (*s.players)[static_cast<std::size_t>(i)].get();
    if (!p) continue;
    const COLORREF color = RowColor(s, i);
    Box(dc, layout.names[static_cast<std::size_t>(i)], p->m_strName, color, kLeft);
    Box(dc, layout.scores[static_cast<std::size_t>(i)], std::to_string(p->m_nScore), color, kCentre);
  }
  Box(dc, layout.throwBox, std::to_string(s.lastScore), kRed, kCentre);
  Box(dc, layout.totalBox, std::to_string(s.turnTotal), kRed, kCentre);
}

void DrawCricket(CDC& dc, const ScoreboardLayout& layout, const ScoreboardState& s) {
  for (int i = 0; i < kSeats; ++i) {
    const CPlayer* p = (*s.players)[static_cast<std::size_t>(i)].get();
    if (!p) continue;
    const COLORREF color = i == s.current ? PlayerColor(i) : kWhite;
    Box(dc, layout.names[static_cast<std::size_t>(i)], p->m_strName, color, kLeft);
  }
  for (const auto& column : layout.grid)
    for (const CRect& cell : column) dc.Rectangle(cell);
  for (int c = 0; c < kGridColumns; ++c) {
    for (int r = 0; r < kCricketEntries; ++r) {
      const CRect& cell = layout.grid[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
      if (c == kLabelColumn) {
        const bool bulls = r == kBullsEntry;
        dc.SetTextColor(bulls ? kMagenta : kRed);
        dc.DrawText(bulls ? std::string("Bulls") : std::to_string(kFirstCricketNumber + r), cell, kCentre);
      } else if (s.marks) {
        dc.SetTextColor(kWhite);
        dc.DrawText(s.marks->Get(GridColumnSeat(c), r), cell, kCentre);
      }
    }
  }
}

}  // namespace

COLORREF PlayerColor(int seat) {
  switch (seat) {
    case 0: return RGB(0, 0, 255);
    case 1: return RGB(255, 0, 0);
    case 2: return RGB(255, 255, 0);
    case 3: return RGB(0, 255, 0);
    default: return kWhite;
  }
}

void DrawScoreboard(CDC& dc, const ScoreboardLayout& layout, const ScoreboardState& state) {
  if (!state.players) return;
  CFont font;
  font.CreateFont(kFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 32, "Arial");
  dc.SelectFont(font);
  dc.SetBkColor(kBlack);
  dc.SetBkMode(OPAQUE);
  dc.SetTextColor(kRed);
  dc.SelectBrush(kBlack);
  dc.SelectPen(kBlack, 1);
  if (state.variant == kVariantCricket)
    DrawCricket(dc, layout, state);
  else
    DrawCountdown(dc, layout, state);
  DrawSeatStats(dc, layout, state);
}

}  // namespace darts
