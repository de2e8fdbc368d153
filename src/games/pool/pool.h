// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CPool: the 8-ball game for two seats. A human aims by dragging away from
// the cue ball and shoots on release; the shot runs as a modal loop until
// every ball has stopped; then the rules decide groups, scratches, ball in
// hand, re-spots, calls for the 8-ball, wins and losses. Computer seats
// place, aim and shoot for themselves.
#include <array>
#include <memory>
#include <string>

#include "game/game.h"
#include "games/pool/model/pool_ball.h"
#include "games/pool/model/pool_computer.h"
#include "games/pool/model/pool_contacts.h"
#include "games/pool/model/pool_rules.h"
#include "platform/rect.h"

class CDC;
class CSprite;
class CSpriteList;

class CPool : public CGame, private pool::BallEnv {
 public:
  explicit CPool(const GameContext& context);
  ~CPool() override;

  int CheckWinner(CPlayer* pPlayer) override;
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette,
                 CQuintaroView* pView) override;
  void UpdateScoreboard(CQuintaroView* pView, CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void AnimateShot(CSpriteList* pSprites, CQuintaroView* pView) override;
  void OnLButtonDown(UINT nFlags, int x, int y, CQuintaroView* pView) override;
  void OnLButtonUp(UINT nFlags, int x, int y, CQuintaroView* pView) override;
  void OnMouseMove(UINT nFlags, int x, int y, CQuintaroView* pView) override;
  void OnRButtonDown(UINT, int, int, CQuintaroView*) override {}
  void OnRButtonUp(UINT, int, int, CQuintaroView*) override {}
  void PlayComputerTurn(CQuintaroView* pView) override;
  // The aim guide on or off, kept in the Pool settings.
  void OnGameControls(CQuintaroDoc* pDoc) override;
  void LoadSounds() override;
  std::string StateJson() const override;
  bool SaveState(StateRecord& record) const override;
  bool LoadState(StateReader& reader) override;

  // A click on the CUE picture: the tip's point of contact for the next shot.
  bool PickTip(int x, int y);
  // The tip (kept on the ball) and the dot that shows it.
  void SetTip(pool::Tip tip);
  void CentreTip() { SetTip({}); }

  // The stored controls (the aim guide shows unless turned off).
  void ReadControls();

  // --- Rules and turn flow --------------------------------------------------
  BOOL IsOnEightBall(const CPlayer* pPlayer) const;
  int PickPocket(int x, int y) const { return pool::PickPocket(x, y); }
  // Puts the cue ball in hand at (x, y) if that is inside the kitchen and clear of the other balls.
  void PlaceCueBall(int x, int y);
  // From ball in hand the cue ball must leave the kitchen before it touches a ball.
  BOOL CheckLegalShot();
  BOOL InKitchen(const CPoolBall& ball) const;
  void EndOfShot(CQuintaroDoc* pDoc, CQuintaroView* pView);
  BOOL TurnPasses(const CPlayer* pPlayer);
  void SwitchSeat(CQuintaroDoc* pDoc);
  void RespotBall(CPoolBall& ball);
  void SnapshotPocketed();
  // Power and angle from a drag of the mouse away from the cue ball.
  void AimPower(CPoint cue, CPoint mouse);

  // --- The computer ---------------------------------------------------------
  BOOL ChooseComputerShot();
  void PlaceCueBallForComputer();
  // How far the computer strays from its usual shot after a run of its own shots that sank nothing.
  int Impatience() const;
  // The table as the rules and the computer see it.
  pool::TableState Table() const;

  // The prompt for whoever plays next.
  void ClosingPrompt();
  // The group a player shoots at.
  int GroupOf(const CPlayer* pPlayer) const;
  pool::BallFlags OnTable() const;
  CPoolBall& Ball(int n) const { return *m_balls[static_cast<std::size_t>(n)]; }

  std::array<std::unique_ptr<CPoolBall>, pool::kBallCount> m_balls;
  double m_dPower = pool::kMaxPower;
  double m_dAngle = 180.0;
  BOOL m_bCuePlaced = FALSE;
  CPoolBall* m_pFirstHit = nullptr;
  CPoolBall* m_pCueBall = nullptr;
  std::array<BOOL, pool::kBallCount> m_bPocketedBefore{};
  BOOL m_bGameOver = FALSE;
  BOOL m_bTurnOver = FALSE;
  BOOL m_bInterrupted = FALSE;
  BOOL m_bMoving = FALSE;
  std::array<int, 2> m_nGroup{pool::kOpenTable, pool::kOpenTable};
  BOOL m_bGroupsSet = FALSE;
  int m_nCalledPocket = -1;  // no pocket called yet
  BOOL m_bPocketCalled = FALSE;
  CPoint m_ptAim;
  int m_nCutOffShots = 0;  // shots stopped by the time limit instead of coming to rest
  BOOL m_bShowGuide = TRUE;  // the aim guide and cue stick (Game Controls)
  pool::Tip m_tip;            // where the next stroke strikes the cue ball

 private:
  // pool::BallEnv: the clock, the sound set and the ball pictures.
  DWORD Ticks() override;
  void PlaySound(UINT nWaveId) override { CGame::PlaySound(nWaveId); }
  void ShowBall(int nNumber, int x, int y) override;

  // Our sprites are still the document's (nothing replaced the scene).
  bool SceneIsOurs() const;
  CPoint CuePoint() const;
  pool::TableBalls TableBalls() const;
  // Sleeps until the earliest ball is due for its next step.
  void WaitForNextStep();
  // One pass of the shot loop over all balls; false when none moved.
  bool StepAllBalls(CQuintaroView* pView);
  void PlayShotSound();
  void StopAllBalls();
  // The cue line from the cue ball toward the mouse, as long as the power
  // it gives, and the power gauge beside the table.
  void DrawAim(CPoint mouse);
  // The cue stick along `back` (a unit vector from the ball toward the pointer), drawn back by the power.
  void DrawStick(CDC& dc, pool::Vec back, double reach);
  // The path to the first ball or cushion, the ghost ball and the struck ball's way.
  void DrawGuide(CDC& dc);
  void EraseAim(CQuintaroView* pView);
  // The shooter's follow-up: a human shot to its end, then the next turn.
  void ShootFromRelease(CQuintaroView* pView);
  // Announces a result: status, sound and the pause after it.
  int Announce(const std::string& text, UINT nSound, BOOL bTurnOver, int nResult);
  std::string ShootsAt(const CPlayer* pPlayer) const;
  // Posts the computer's next shot while the game is still undecided.
  void HandOverToComputer();

  std::array<CSprite*, pool::kBallCount> m_sprites{};
  CSprite* m_pTipDot = nullptr;
  std::array<int, 2> m_nDryShots{};  // each seat's own shots in a row that sank no object ball
  CRect m_rcAimDrawn;                // where the cue line was drawn, to be erased
  bool m_bResultShown = false;  // a result was announced by the last shot
};
