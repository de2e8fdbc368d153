// SPDX-License-Identifier: GPL-3.0-or-later
// What darts players expect beyond the classic game: taking back the last
// dart of a turn, and the averages, options and checkout on the scoreboard.
#include "games/darts/dart.h"
#include "games/darts/model/dart_checkout.h"
#include "gfx/sprite_list.h"

using namespace darts;

void CDart::RememberDart(const CPlayer& player) {
  DartUndo undo;
  undo.score = player.m_nScore;
  undo.marks = m_marks;
  undo.turnTotal = m_nTurnTotal;
  undo.lastScore = m_nLastScore;
  undo.dartsThrown = m_nDartsThrown;
  undo.isIn = m_bIn[SeatIndex(&player)];
  undo.stats = m_stats[SeatIndex(&player)];
  const CSprite* thrown = Turn().m_pSelSprite;
  for (std::size_t i = 0; i < m_trayDarts.size(); ++i)
    if (m_trayDarts[i] == thrown) undo.tray = i;
  undo.handDart = m_ptHandBeforePick;
  undo.landing = m_ptLanding;
  undo.lastHit = m_lastHit;
  undo.onBoard = m_bOnBoard;
  m_undo.push_back(undo);
}

bool CDart::CanUndo() const {
  const CPlayer* player = GetCurrentPlayer();
  const CTurnState& turn = Turn();
  return !m_undo.empty() && player && !player->m_bComputer && !turn.m_bComputerPlaying && !turn.m_bDragging &&
         SceneIsOurs();
}

void CDart::OnUndo() {
  if (!CanUndo()) return;
  PutDartBack();  // a dart picked up since goes back first
  const DartUndo undo = m_undo.back();
  m_undo.pop_back();
  CPlayer& player = *GetCurrentPlayer();
  player.m_nScore = undo.score;
  m_marks = undo.marks;
  m_nTurnTotal = undo.turnTotal;
  m_nLastScore = undo.lastScore;
  m_nDartsThrown = undo.dartsThrown;
  m_bIn[SeatIndex(&player)] = undo.isIn;
  m_stats[SeatIndex(&player)] = undo.stats;
  m_ptLanding = undo.landing;
  m_lastHit = undo.lastHit;
  m_bOnBoard = undo.onBoard;
  // The stuck dart becomes a tray dart again, in its slot.
  CSprite* dart = m_trayDarts[undo.tray];
  dart->SetPosition(dart->GetX(), dart->GetY());
  dart->Load(kTrayBitmaps[SeatIndex(&player)]);
  if (!IsTrueColor() && Services().Palette()) dart->RemapToPalette(Services().Palette());
  dart->SetHotSpot(0, 0);
  dart->SetPosition(kTraySlots[undo.tray].x, kTraySlots[undo.tray].y);
  m_trayUsed[undo.tray] = false;
  m_pHandDart->SetPosition(undo.handDart.x, undo.handDart.y);
  FlushDirty();
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
  SetStatusText(0, kPickPrompt);
}

void CDart::FillScoreboardExtras(ScoreboardState& state, const CObArray& players) const {
  for (std::size_t i = 0; i < state.seatStats.size() && i < players.size(); ++i) {
    if (!players[i]) continue;
    const SeatStats& stats = m_stats[SeatIndex(players[i].get())];
    state.seatStats[i] = m_nVariant == kVariantCricket ? MarksPerRoundText(stats) : AverageText(stats);
  }
  if (m_options.doubleIn && m_options.doubleOut)
    state.optionsText = "Double in/out";
  else if (m_options.doubleOut)
    state.optionsText = "Double out";
  else if (m_options.doubleIn)
    state.optionsText = "Double in";
  const CPlayer* current = GetCurrentPlayer();
  if (m_options.doubleOut && current && m_nDartsThrown < kTrayDarts) {
    const std::string route = CheckoutText(current->m_nScore, kTrayDarts - m_nDartsThrown);
    state.checkoutText = route;
  }
}
