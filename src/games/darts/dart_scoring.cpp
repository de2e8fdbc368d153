// What a dart scores, bust and win, the change of player and the scoreboard.
#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "games/darts/dart.h"
#include "games/darts/model/dart_resources.h"
#include "gfx/sprite_list.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace darts;

namespace {
constexpr const char* kPickPrompt = "Pick a dart please.";
constexpr const char* kClickPrompt = "Click mouse to start computer player!";
constexpr const char* kWonText = "Hurray you have won, good job";
constexpr const char* kBustText = "You have busted";
}  // namespace

int CDart::ScoreShot(CPlayer* pPlayer) {
  const Landing landing = LandingPoint(m_ptPress, m_ptRelease, m_dwThrowTime, Settings());
  m_nStrokeAngle = landing.strokeAngle;
  const BoardPolar polar = ToBoardPolar(landing.point);
  m_nDartAngle = polar.angle;
  m_nDartDist = polar.dist;
  m_ptLastPress = m_ptPress;
  m_ptLanding = landing.point;
  m_lastHit = ResolveHit(m_nDartDist, m_nDartAngle);
  m_bOnBoard = m_lastHit.OnBoard() ? TRUE : FALSE;

  const int points = m_lastHit.points;
  if (m_nVariant == kVariantCricket && pPlayer) {
    const CricketHit marks = CricketMarksFor(m_lastHit);
    for (int i = 0; i < marks.count; ++i) AddMark(pPlayer->m_nId, marks.entry);
  }
  m_nLastScore = points;
  m_nTurnTotal += points;
  if (m_nVariant != kVariantCricket && pPlayer) pPlayer->m_nScore -= points;
  return points;
}

int CDart::CheckWinner(CPlayer* pPlayer) {
  if (!pPlayer) return 0;
  if (m_nVariant == kVariantCricket) {
    if (!m_marks.AllClosed(pPlayer->m_nId)) return 0;
    PlaySound(kWinSound);
    MessageBox(kWonText);
    return 1;
  }
  switch (CountdownOutcome(pPlayer->m_nScore)) {
    case Countdown::Win:
      PlaySound(kWinSound);
      MessageBox(kWonText);
      return 1;
    case Countdown::Bust:
      PlaySound(kBustSound);
      MessageBox(kBustText);
      pPlayer->m_nScore += m_nTurnTotal;  // back to where the turn started
      m_nDartsThrown = kBustDarts;
      return -1;
    case Countdown::PlayOn: break;
  }
  return 0;
}

int CDart::NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette,
                      CQuintaroView* pView) {
  m_nTurnTotal = 0;
  m_nDartsThrown = 0;
  m_nLastScore = 0;
  int index = nCurrent + 1;
  if (index > nLastPlayer || index >= kSeats || index < 0) index = 0;
  const CPlayer* next = pPlayers ? (*pPlayers)[static_cast<std::size_t>(index)].get() : nullptr;
  if (!next || !next->m_bComputer) SetStatusText(0, kPickPrompt);
  if (pSprites) pSprites->DeleteAll();
  const CPalette* palette = bMapPalette && pView ? pView->m_pPalette.get() : nullptr;
  CreateTray(pSprites, index, palette);
  return index;
}

void CDart::UpdateScoreboard(CQuintaroView* /*pView*/, CObArray* pPlayers, BOOL bNewGame, int nCurrent) {
  if (!pPlayers) return;
  if (bNewGame == TRUE) {
    if (m_nVariant == kVariantCricket) {
      m_marks.Clear();
    } else {
      for (auto& p : *pPlayers)
        if (p) p->m_nScore = StartingScore(m_nVariant);
    }
  }
  // The status line first: showing it may repaint the window, and a repaint
  // draws the scoreboard again through this very call.
  const CQuintaroDoc& doc = Doc();
  if (!m_bDrawingScoreboard && doc.m_pCurrentPlayer && doc.m_pCurrentPlayer->m_bComputer &&
      doc.m_bFirstComputerTurn) {
    m_bDrawingScoreboard = true;
    SetStatusText(0, kClickPrompt);
    m_bDrawingScoreboard = false;
  }
  if (bNewGame != TRUE && bNewGame != FALSE) return;  // not a drawing request
  Host& host = GetHost();
  CDC dc(host);
  ScoreboardState state;
  state.variant = m_nVariant;
  state.players = pPlayers;
  state.marks = &m_marks;
  state.current = nCurrent;
  state.lastScore = m_nLastScore;
  state.turnTotal = m_nTurnTotal;
  state.newGame = bNewGame;
  DrawScoreboard(dc, m_layout, state);
}
