// SPDX-License-Identifier: GPL-3.0-or-later
// The score sheet drawn on the window: names, ball boxes, frame totals.
#include <string>

#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/bowling/bowl.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace bowling;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr std::array<COLORREF, kPlayers> kRowColors = {RGB(0, 0, 255), RGB(255, 0, 0), RGB(255, 255, 0),
                                                       RGB(0, 255, 0)};
constexpr int kFontHeight = 14;
constexpr UINT kNameFormat = DT_VCENTER | DT_SINGLELINE;
constexpr UINT kBoxFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Every box is cleared to black, then its text drawn.
void Box(CDC& dc, const CRect& r, const std::string& text, UINT format) {
  dc.Rectangle(r);
  if (!text.empty()) dc.DrawText(text, r, format);
}

void DrawRow(CDC& dc, const SheetRow& row, int nFrame, int nScore) {
  for (int j = 0; j <= nFrame && j < kFrames; ++j) {
    const BowlFrameCell& cell = row[static_cast<std::size_t>(j)];
    Box(dc, cell.rcBall1, BallText(cell.nBall1), kBoxFormat);
    Box(dc, cell.rcBall2, BallText(cell.nBall2), kBoxFormat);
    if (j < kTenthFrame) {
      Box(dc, cell.rcTotal, cell.nTotal == kNotBowled ? "" : std::to_string(cell.nTotal), kBoxFormat);
      continue;
    }
    CRect third = kBall3Box;
    third.OffsetRect(0, cell.rcBall1.top - kBall1Box.top);
    Box(dc, third, BallText(cell.nTotal), kBoxFormat);
    if (TenthComplete(row)) Box(dc, cell.rcTotal, nScore < 0 ? "" : std::to_string(nScore), kBoxFormat);
  }
}

}  // namespace

void CBowl::UpdateScoreboard(CQuintaroView* pView, CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
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
  DrawSheet(pView, pPlayers, bNewGame, nCurrent);
  CQuintaroDoc& doc = Doc();
  // Whose ball it is decides whether the user may swing; the seats may have
  // changed hands (Number of Players) since the game began.
  if (doc.m_pCurrentPlayer && !m_bRolling) Turn().m_bComputerPlaying = doc.m_pCurrentPlayer->m_bComputer ? TRUE : FALSE;
  const bool promptDue = doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer && doc.m_bFirstComputerTurn;
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

void CBowl::DrawSheet(CQuintaroView* /*pView*/, CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
  CDC dc(GetHost());
  CFont font;
  font.CreateFont(kFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 32, "Arial");
  dc.SelectFont(font);
  dc.SetBkColor(kBlack);
  dc.SetBkMode(OPAQUE);
  dc.SelectPen(kBlack, 1);
  dc.SelectBrush(kBlack);
  for (int p = 0; p < kPlayers; ++p) {
    const CPlayer* player = (*pPlayers)[static_cast<std::size_t>(p)].get();
    dc.Rectangle(m_rcName[static_cast<std::size_t>(p)]);
    if (!player || !player->m_bActive) continue;
    dc.SetTextColor(p == nCurrent ? kRowColors[static_cast<std::size_t>(p)] : kWhite);
    dc.DrawText(player->m_strName, m_rcName[static_cast<std::size_t>(p)], kNameFormat);
  }
  if (bNewGame) return;
  dc.SetTextColor(kWhite);
  for (int p = 0; p < kPlayers; ++p) {
    const CPlayer* player = (*pPlayers)[static_cast<std::size_t>(p)].get();
    if (!player || !player->m_bActive) continue;
    DrawRow(dc, m_frames[static_cast<std::size_t>(p)], m_nFrame, player->m_nScore);
  }
}
