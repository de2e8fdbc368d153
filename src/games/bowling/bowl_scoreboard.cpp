// SPDX-License-Identifier: GPL-3.0-or-later
// The score sheet drawn on the window: names, ball boxes, frame totals.
#include <string>

#include "games/bowling/bowl.h"
#include "games/bowling/bowl_sheet_text.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace bowling;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// The bowler up is named in the row's colour, light enough to read on black.
constexpr std::array<COLORREF, kPlayers> kRowColors = {RGB(96, 168, 255), RGB(255, 104, 96), RGB(255, 255, 0),
                                                       RGB(0, 255, 0)};

void Draw(CDC& dc, const PlacedText& placed) {
  if (!placed.font) return;
  dc.SelectFont(placed.font->bold, placed.font->cellHeight);
  for (const PlacedLine& line : placed.lines) dc.TextOut(line.cell.x, line.cell.y, line.text);
}

// Every box is cleared to black, then its text drawn inside it.
void BallBox(CDC& dc, const CRect& r, const std::string& text) {
  dc.Rectangle(r);
  if (!text.empty()) Draw(dc, PlaceBallMark(text, r));
}

void TotalBox(CDC& dc, const CRect& r, const std::string& text) {
  dc.Rectangle(r);
  if (!text.empty()) Draw(dc, PlaceTotal(text, r));
}

void DrawRow(CDC& dc, const SheetRow& row, int nFrame, int nScore) {
  for (int j = 0; j <= nFrame && j < kFrames; ++j) {
    const BowlFrameCell& cell = row[static_cast<std::size_t>(j)];
    BallBox(dc, cell.rcBall1, BallText(cell.nBall1));
    BallBox(dc, cell.rcBall2, BallText(cell.nBall2));
    if (j < kTenthFrame) {
      TotalBox(dc, cell.rcTotal, cell.nTotal == kNotBowled ? "" : std::to_string(cell.nTotal));
      continue;
    }
    CRect third = kBall3Box;
    third.OffsetRect(0, cell.rcBall1.top - kBall1Box.top);
    BallBox(dc, third, BallText(cell.nTotal));
    if (TenthComplete(row)) TotalBox(dc, cell.rcTotal, nScore < 0 ? "" : std::to_string(nScore));
  }
}

}  // namespace

void CBowl::UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
  if (!pPlayers || m_bDrawingSheet) return;
  if (m_nFrame > kTenthFrame) m_nFrame = kTenthFrame;
  if (!bNewGame && m_bBallToStore && nCurrent >= 0 && nCurrent < kPlayers) {
    // Written once per ball: a repaint draws the sheet without writing to it.
    m_bBallToStore = false;
    StoreBall(m_frames[static_cast<std::size_t>(nCurrent)], m_nFrame, m_nBallInFrame, m_nBallResult);
  }
  for (int p = 0; p < kPlayers; ++p) {
    SheetRow& row = m_frames[static_cast<std::size_t>(p)];
    UpdateTotals(row, m_nFrame);
    CPlayer* player = (*pPlayers)[static_cast<std::size_t>(p)].get();
    if (!player) continue;
    // The running score; the tenth frame settles the final one.
    player->m_nScore = RunningScore(row);
    if (m_nFrame >= kTenthFrame)
      if (const std::optional<int> score = TenthFrameScore(row)) player->m_nScore = *score;
  }
  DrawSheet(pPlayers, bNewGame, nCurrent);
  // Whose ball it is decides whether the user may swing; the seats may have
  // changed hands (Number of Players) since the game began.
  if (GetCurrentPlayer() && !m_bRolling) Turn().m_bComputerPlaying = GetCurrentPlayer()->m_bComputer ? TRUE : FALSE;
  const bool promptDue = AwaitingComputerClick();
  // A seat handed back to the user (Number of Players) before the click came
  // takes the prompt down with it.
  const bool promptStale = !promptDue && ClickPromptShowing();
  if ((!bNewGame && promptDue) || promptStale) {
    // Showing the status may repaint the window, which draws the sheet again.
    m_bDrawingSheet = true;
    SetStatusText(0, promptDue ? kComputerClickPrompt : "");
    m_bDrawingSheet = false;
  }
}

void CBowl::DrawSheet(CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
  CDC dc(GetHost());
  dc.SetBkColor(kBlack);
  // Boxes are cleared first; the glyphs are drawn over them alone.
  dc.SetBkMode(TRANSPARENT);
  dc.SelectPen(kBlack, 1);
  dc.SelectBrush(kBlack);
  for (int p = 0; p < kPlayers; ++p) {
    const CPlayer* player = (*pPlayers)[static_cast<std::size_t>(p)].get();
    dc.Rectangle(m_rcName[static_cast<std::size_t>(p)]);
    if (!player || !player->m_bActive) continue;
    dc.SetTextColor(p == nCurrent ? kRowColors[static_cast<std::size_t>(p)] : kWhite);
    Draw(dc, PlaceName(player->m_strName, m_rcName[static_cast<std::size_t>(p)]));
  }
  if (bNewGame) return;
  dc.SetTextColor(kWhite);
  for (int p = 0; p < kPlayers; ++p) {
    const CPlayer* player = (*pPlayers)[static_cast<std::size_t>(p)].get();
    if (!player || !player->m_bActive) continue;
    DrawRow(dc, m_frames[static_cast<std::size_t>(p)], m_nFrame, player->m_nScore);
  }
}
