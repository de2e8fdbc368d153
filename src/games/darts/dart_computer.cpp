// The computer player's turn: up to three aimed throws, with Escape, the
// window frame and closing still answered between throws.
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/darts/dart.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace darts;

void CDart::ComputerAim(CPlayer* pPlayer) {
  const int remaining = pPlayer ? pPlayer->m_nScore : 0;
  const int seat = pPlayer ? pPlayer->m_nId : 0;
  const Stroke stroke = darts::ComputerAim(m_nVariant, remaining, m_marks, seat, m_nVelocity,
                                           [this](int n) { return Random(n, FALSE); });
  m_ptPress = stroke.press;
  m_ptRelease = stroke.release;
  m_dwThrowTime = stroke.durationMs;
}

void CDart::PlayComputerTurn(CQuintaroView* pView) {
  if (!pView || !SceneIsOurs()) return;
  CQuintaroDoc& doc = Doc();
  // A stale turn message (the game was restarted, or the seat is no longer a
  // computer) must not throw anybody's darts.
  if (!doc.m_pCurrentPlayer || !doc.m_pCurrentPlayer->m_bComputer || doc.m_bFirstComputerTurn) return;
  Host& host = pView->GetHost();
  pView->m_turn.m_bComputerPlaying = TRUE;
  // A dart the user picked up before the seat became a computer goes back first.
  if (pView->m_turn.m_bDragging) host.ReleaseCapture();
  pView->m_turn.m_bDragging = FALSE;
  PutDartBack(pView);
  host.Random().Seed(static_cast<std::uint32_t>(host.Time()));

  // Only an Escape pressed while the computer plays counts.
  Turn().BeginLoop();
  for (int i = 0; i < kTrayDarts; ++i) {
    // Whatever was dispatched may have replaced the game (a menu command) or ended the program.
    if (!PumpOneMessage() || !SceneIsOurs()) return;
    if (Turn().ConsumeEscape()) {
      RestartGame();
      return;
    }
    int tray = 0;
    while (tray < kTrayDarts && m_trayUsed[static_cast<std::size_t>(tray)]) ++tray;
    if (tray == kTrayDarts) {  // no dart left yet the turn went on: end it rather than loop
      ChangeTurn(pView, false);
      break;
    }
    m_trayUsed[static_cast<std::size_t>(tray)] = true;
    pView->m_turn.m_pSelSprite = m_trayDarts[static_cast<std::size_t>(tray)];
    ComputerAim(doc.m_pCurrentPlayer);
    const ThrowResult result = ResolveThrow(pView, false);
    if (result == ThrowResult::GameOver) return;
    pView->m_turn.m_bDragging = FALSE;
    if (result != ThrowResult::PlayOn) break;
  }
  if (doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer)
    PostComputerTurn();
  else
    pView->m_turn.m_bComputerPlaying = FALSE;
}
