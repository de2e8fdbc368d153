// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's shot: the cue ball placed when in hand, the shot its
// look-ahead likes best (the pocket called aloud for the 8-ball), and the
// shot itself.
#include <algorithm>

#include "games/pool/model/pool_computer_rules.h"
#include "games/pool/model/pool_computer_spin.h"
#include "games/pool/pool.h"
#include "platform/host.h"

using namespace pool;

namespace {
constexpr DWORD kThinkMs = 500;
// After this many of its own shots in a row that sank nothing, the computer
// takes more risk and varies its choice with every further one: its shots
// are otherwise the same from the same position, and two computers could
// trade one safety for ever.
constexpr int kPatientShots = 4;
}  // namespace

int CPool::Impatience() const {
  const int seat = SeatOf(GetCurrentPlayer() ? GetCurrentPlayer()->m_nId : 0);
  return std::max(0, m_nDryShots[static_cast<std::size_t>(seat)] - kPatientShots + 1);
}

TableState CPool::Table() const {
  TableState t;
  for (int n = 0; n < kBallCount; ++n) t.pos[static_cast<std::size_t>(n)] = {Ball(n).GetPosX(), Ball(n).GetPosY()};
  t.onTable = OnTable();
  t.rules = m_rules;
  return t;
}

void CPool::PlaceCueBallForComputer() { PlaceComputerCueBall(PlaceInHand(Table(), GroupOf(GetCurrentPlayer()))); }

void CPool::PlaceComputerCueBall(CPoint spot) {
  m_pCueBall->MoveTo(spot.x, spot.y);
  m_pCueBall->m_bOnTable = TRUE;
  m_pCueBall->SetVelocity(0, 0);
}

BOOL CPool::ChooseRulesShot() {
  const CPlayer* player = GetCurrentPlayer();
  const std::function<int(int)> random = [this](int n) { return n > 0 ? Random(n, FALSE) : 0; };
  const CueHand hand = HandOf(GetComputerSkill());
  if (m_bBreakShot) {
    const CPoint spot = PlaceForBreak(random);
    if (CueBallFits(spot.x, spot.y)) PlaceComputerCueBall(spot);
    const ComputerShot shot = PlanBreak(Table(), random, hand);
    m_dAngle = shot.angle;
    m_dPower = shot.power;
    CentreTip();
    return TRUE;
  }
  if (m_bInHand) {
    TableState t = Table();
    t.onTable[kCueBall] = false;
    PlaceComputerCueBall(PlaceInHand(t, GroupOf(player), true));
  }
  const ComputerShot shot = PlanShot(Table(), GroupOf(player), false, Impatience(), random, hand);
  if (!shot.any) return FALSE;
  if (m_bPushOutAllowed && WantsPushOut(shot)) {
    m_bPushOutDeclared = TRUE;
    SetStatusText(0, (player ? player->m_strName : std::string()) + " pushes out.");
  }
  TakeComputerShot(shot, player);
  return TRUE;
}

BOOL CPool::ChooseComputerShot() {
  if (m_rules != RuleSet::Classic) return ChooseRulesShot();
  const bool inHand = !m_pCueBall->m_bOnTable;
  if (inHand) PlaceCueBallForComputer();
  const CPlayer* player = GetCurrentPlayer();
  const ComputerShot shot =
      PlanShot(Table(), GroupOf(player), inHand, Impatience(), [this](int n) { return n > 0 ? Random(n, FALSE) : 0; },
               GetComputerSkill());
  if (!shot.any) return FALSE;
  TakeComputerShot(shot, player);
  return TRUE;
}

void CPool::TakeComputerShot(const ComputerShot& shot, const CPlayer* player) {
  m_dAngle = shot.angle;
  m_dPower = shot.power;
  SetTip(ChooseTip(Table(), GroupOf(player), shot, GetComputerSkill()));
  // On the 8-ball the computer calls the pocket it aims at.
  if (shot.target == kEightBall && shot.pocket >= 0 && IsOnEightBall(player)) {
    m_nCalledPocket = shot.pocket;
    SetStatusText(0, PocketMessage(shot.pocket));
  }
}

void CPool::PlayComputerTurn() {
  if (!SceneIsOurs() || m_bMoving) return;
  // A stale turn message (a human seat now, or a decided game) plays nothing.
  if (!GetCurrentPlayer() || !GetCurrentPlayer()->m_bComputer || m_bGameOver) return;
  Host& host = GetHost();
  Turn().m_bComputerPlaying = TRUE;
  if (Turn().m_bDragging) host.ReleaseCapture();
  Turn().m_bDragging = FALSE;
  SetGameInProgress(TRUE);
  SetStatusText(0, ShootsAt(GetCurrentPlayer()));
  if (m_bPushOutChoice && ComputerPassesBack()) {
    // The shot goes back to the seat that pushed out.
    if (GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer)
      HandOverToComputer();
    else
      Turn().m_bComputerPlaying = FALSE;
    return;
  }
  FlushDirty();
  host.WaitUntil(host.GetTickCount() + kThinkMs);
  if (ChooseComputerShot()) {
    FlushDirty();
    AnimateShot(&Sprites());
    if (m_bInterrupted) {
      m_bInterrupted = FALSE;
      return;
    }
  } else {
    m_bTurnOver = TRUE;  // nothing to shoot at: the turn passes
  }
  EndOfShot();
  FlushDirty();
  const CPlayer* next = GetCurrentPlayer();
  bool ballsLeft = false;
  for (int n = 1; n < kBallCount; ++n) ballsLeft = ballsLeft || Ball(n).m_bOnTable;
  if (next && next->m_bComputer && ballsLeft)
    HandOverToComputer();
  else if (next && !next->m_bComputer)
    Turn().m_bComputerPlaying = FALSE;
  if (!m_bResultShown) ClosingPrompt();
  if (next && !next->m_bComputer) AskPushOut();
  if (IsCurrentGame() && !m_bResultShown) ClosingPrompt();
}
