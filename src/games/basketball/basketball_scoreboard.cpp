// SPDX-License-Identifier: GPL-3.0-or-later
// The score display: the points, clock and result digits (sprites) and the
// players' names, drawn straight onto the window.
#include <algorithm>
#include <string>

#include "games/basketball/basketball.h"
#include "games/basketball/model/basketball_rules.h"
#include "gfx/sprite.h"
#include "platform/dc.h"

using namespace basketball;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF RowColor(int row) {
  switch (row) {
    case 0: return RGB(0, 0, 255);
    case 1: return RGB(255, 0, 0);
    case 2: return RGB(255, 255, 0);
    default: return RGB(0, 255, 0);
  }
}

}  // namespace

void CBasketBall::ShowNumber(CSprite* pTens, CSprite* pOnes, int nValue) {
  // Two digits show 0..99; anything else is never read off the cels.
  const int value = std::clamp(nValue, 0, 99);
  if (pTens) pTens->SetCel(value / 10);
  if (pOnes) pOnes->SetCel(value % 10);
}

void CBasketBall::ShowPointsAndClock() {
  ShowNumber(m_pPointsTens, m_pPointsOnes, m_nPoints);
  ShowNumber(m_pTimeTens, m_pTimeOnes, m_nTime);
}

void CBasketBall::DrawNames(CObArray* pPlayers, int nMarkedRow) {
  CDC dc(GetHost());
  dc.SetBkColor(kBlack);
  dc.SetBkMode(OPAQUE);
  dc.SelectPen(kBlack, 1);
  dc.SelectBrush(kBlack);
  dc.SelectFont(true, 16);
  for (int row = 0; row < kSeats; ++row) {
    const CPlayer* p = (*pPlayers)[static_cast<std::size_t>(row)].get();
    if (!p || !p->m_bActive) continue;
    const CRect& box = m_rcName[static_cast<std::size_t>(row)];
    dc.Rectangle(box);
    dc.SetTextColor(row == nMarkedRow ? RowColor(row) : kWhite);
    dc.DrawText(p->m_strName, box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    // The digits show points; where the result is a time, the seat's time
    // stands beside its name, in seconds.
    const int points = m_seatPoints[static_cast<std::size_t>(row)];
    const bool timed = m_nVariant == kVariantTimed;
    if (!timed && points >= 0) dc.DrawText(std::to_string(p->m_nScore) + "s", box, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    const auto& digits = m_pPlayerDigits[static_cast<std::size_t>(row)];
    ShowNumber(digits[0], digits[1], timed ? p->m_nScore : std::max(points, 0));
  }
}

void CBasketBall::UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
  if (!pPlayers) return;
  // A new game starts from nothing, even before its first turn, so no
  // score of another game ever reaches the result digits.
  if (bNewGame)
    for (auto& p : *pPlayers)
      if (p) p->m_nScore = 0;
  // The seats show from the start, and the final board stays after the end.
  if (!SceneIsOurs()) return;
  DrawNames(pPlayers, m_bGameOver ? m_nWinnerSeat : bNewGame ? 0 : nCurrent);
  ShowPointsAndClock();
  FlushDirty();
}
