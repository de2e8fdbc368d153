// SPDX-License-Identifier: GPL-3.0-or-later
// The document's answer to the window going away: a real-time game stands
// still while the player cannot see it or has turned to another window;
// turn-based games simply wait for the player.
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "game/game.h"
#include "game/live_rink.h"
#include "platform/host.h"

void CQuintaroDoc::OnWindowAway(bool bAway) {
  m_bWindowAway = bAway;
  HoldPlayWhileAway();
  if (m_pGame) m_pGame->OnWindowAway(bAway ? TRUE : FALSE);
}

void CQuintaroDoc::HoldPlayWhileAway() {
  const GameInfo* game = CurrentGameInfo();
  // A rink shown from another machine's news plays nothing here: it keeps drawing.
  const auto* live = dynamic_cast<const LiveRink*>(m_pGame.get());
  const bool shownFromElsewhere = live && live->GetRole() == LiveRink::Role::Shows;
  m_app.GetHost().HoldPlay(PlayHold::Away, m_bWindowAway && game && game->bRealTime && !shownFromElsewhere);
}
