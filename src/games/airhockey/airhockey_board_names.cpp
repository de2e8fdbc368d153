// SPDX-License-Identifier: GPL-3.0-or-later
// In an online room both sides are people: the scoreboard names them by
// their seats instead of PLAYER and COMPUTER. The names are drawn straight
// onto the window over the labels painted in the rink's art, in the labels'
// colours and size, so every repaint draws them again; a name too long for
// the panel is drawn smaller, then cut at the panel's edge.
#include <array>

#include "games/airhockey/airhockey.h"
#include "platform/dc.h"

using namespace airhockey;

namespace {

struct BoardLabel {
  CRect band;      // the label's place across the panel, tall enough for descenders
  COLORREF text;   // the label's own colour
  COLORREF light;  // the panel behind it, as the art dithers it
  COLORREF dark;
  bool dithered;  // the panel shows both colours there, pixel by pixel
};

constexpr COLORREF kPanelLight = RGB(0x16, 0x14, 0x29);
constexpr COLORREF kPanelDark = RGB(0x0E, 0x0D, 0x1C);
constexpr COLORREF kShadow = RGB(0, 0, 0);
constexpr int kLabelHeight = 13;
constexpr int kSmallestHeight = 9;
constexpr int kPanelLeft = 348;
constexpr int kPanelRight = 528;

// By side: the near seat's label stands over the lower digit, the far seat's over the upper.
constexpr int kTopOfLowerLabel = kHumanScoreAt.y - 29;
constexpr int kTopOfUpperLabel = kComputerScoreAt.y - 29;
const std::array<BoardLabel, 2> kLabels{{
    {CRect(kPanelLeft, kTopOfLowerLabel, kPanelRight, kTopOfLowerLabel + 19), RGB(0x90, 0xE0, 0xE0), kPanelLight,
     kPanelDark, true},
    {CRect(kPanelLeft, kTopOfUpperLabel, kPanelRight, kTopOfUpperLabel + 19), RGB(0xE2, 0x8C, 0xB2), kPanelLight,
     kPanelDark, false},
}};

void CoverLabel(CDC& dc, const BoardLabel& label) {
  dc.FillSolidRect(label.band, label.light);
  if (!label.dithered) return;
  for (int y = label.band.top; y < label.band.bottom; ++y)
    for (int x = label.band.left + (y & 1); x < label.band.right; x += 2) dc.SetPixel(x, y, label.dark);
}

// The label's size, or smaller until the name fits across the panel.
void ChooseFont(CDC& dc, const std::string& name, int room) {
  for (int height = kLabelHeight; height >= kSmallestHeight; --height) {
    dc.SelectFont(true, height);
    if (dc.GetTextExtent(name).cx <= room) return;
  }
}

}  // namespace

void CAirHockey::NameBoard() {
  for (int side = 0; side < 2; ++side) m_boardNames[static_cast<std::size_t>(side)] = SideName(side);
  m_bBoardNamed = true;
  DrawBoardNames();
}

void CAirHockey::UnnameBoard() {
  if (!m_bBoardNamed) return;
  m_bBoardNamed = false;
  // The art underneath shows its labels again.
  if (!IsCurrentGame()) return;
  for (const BoardLabel& label : kLabels) Services().AddDirtyRect(label.band);
  FlushDirty();
}

void CAirHockey::DrawBoardNames() {
  if (!m_bBoardNamed || !IsCurrentGame()) return;
  CDC dc(GetHost());
  dc.SetBkMode(TRANSPARENT);
  for (std::size_t side = 0; side < kLabels.size(); ++side) {
    const BoardLabel& label = kLabels[side];
    const std::string& name = m_boardNames[side];
    CoverLabel(dc, label);
    CRect text = label.band;
    text.DeflateRect(2, 0);
    ChooseFont(dc, name, text.Width());
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    // A one-pixel shadow, as the art's labels have.
    CRect shadow = text;
    shadow.OffsetRect(1, 1);
    dc.SetTextColor(kShadow);
    dc.DrawText(name, shadow, format);
    dc.SetTextColor(label.text);
    dc.DrawText(name, text, format);
  }
}
