// SPDX-License-Identifier: GPL-3.0-or-later
// The scoreboard: down, yards to go and yards to the goal as digit sprites,
// and the players' names and scores drawn straight onto the window.
#include <string>

#include "games/football/football.h"
#include "gfx/sprite.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace football;

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kFontHeight = 15;

// The colour of a slot's name and score while it is that player's possession;
// every one reads on the black boxes.
COLORREF SlotColor(int slot) {
  switch (slot) {
    case 0: return RGB(80, 170, 255);
    case 1: return RGB(255, 0, 0);
    case 2: return RGB(255, 255, 0);
    case 3: return RGB(0, 255, 0);
    default: return kWhite;
  }
}
}  // namespace

void CFootBall::ShowDigit(CSprite* pDigit, int nValue) {
  if (pDigit) pDigit->SetCel(nValue < 0 ? 0 : nValue % kDigits);
}

void CFootBall::ShowSeriesDigits() {
  ShowDigit(m_pDownDigit, m_nDown);
  ShowDigit(m_pToGoTens, m_nToGo / 10);
  ShowDigit(m_pToGoUnits, m_nToGo % 10);
  ShowDigit(m_pYardsTens, m_nYardsToGoal / 10);
  ShowDigit(m_pYardsUnits, m_nYardsToGoal % 10);
}

void CFootBall::UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
  if (!pPlayers) return;
  if (bNewGame == TRUE) {
    for (auto& p : *pPlayers)
      if (p) p->m_nScore = 0;
    nCurrent = 0;
  }
  CDC dc(GetHost());
  CFont font;
  font.CreateFont(kFontHeight, 0, 0, 0, FW_BOLD);
  dc.SelectFont(font);
  dc.SetBkColor(kBlack);
  dc.SetBkMode(OPAQUE);
  dc.SelectBrush(kBlack);
  dc.SelectPen(kBlack, 1);
  for (int i = 0; i < kSlots; ++i) {
    const CPlayer* p = (*pPlayers)[static_cast<std::size_t>(i)].get();
    // Only the seats in play are listed.
    if (!p || !p->m_bActive) continue;
    dc.SetTextColor(i == nCurrent ? SlotColor(i) : kWhite);
    const CRect name = NameBox(i);
    const CRect score = ScoreBox(i);
    dc.Rectangle(name);
    dc.Rectangle(score);
    dc.DrawText(p->m_bComputer ? p->m_strName + kComputerSeatMark : p->m_strName, name,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    dc.DrawText(std::to_string(p->m_nScore), score, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  // Showing the status line may repaint the window, and a repaint draws the
  // scoreboard again through this very call.
  if (!m_bDrawingScoreboard && AwaitingComputerClick()) {
    m_bDrawingScoreboard = true;
    SetStatusText(0, kComputerClickPrompt);
    m_bDrawingScoreboard = false;
  }
}
