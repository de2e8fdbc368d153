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
#include <vector>

#include "game/game.h"
#include "games/pool/model/pool_ball.h"
#include "games/pool/model/pool_computer.h"
#include "games/pool/model/pool_contacts.h"
#include "games/pool/model/pool_rule_sets.h"
#include "games/pool/model/pool_rules.h"
#include "platform/rect.h"

class CDC;
class CSprite;
class CSpriteList;

class CPool : public CGame, private pool::BallEnv {
 public:
  explicit CPool(const GameContext& context, pool::RuleSet rules = pool::RuleSet::Classic);
  ~CPool() override;

  int CheckWinner(CPlayer* pPlayer) override;
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette) override;
  void UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void AnimateShot(CSpriteList* pSprites) override;
  void OnLButtonDown(UINT nFlags, int x, int y) override;
  void OnLButtonUp(UINT nFlags, int x, int y) override;
  void OnMouseMove(UINT nFlags, int x, int y) override;
  void OnRButtonDown(UINT, int, int) override {}
  void OnRButtonUp(UINT, int, int) override {}
  void PlayComputerTurn() override;
  // The aim guide on or off, kept in the Pool settings.
  void OnGameControls() override;
  // Classic 8-ball, standard 8-ball or 9-ball, kept in the Pool settings.
  void OnTypeOfGame() override;
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
  void EndOfShot();
  BOOL TurnPasses(const CPlayer* pPlayer);
  void SwitchSeat();
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

  // --- Standard 8-ball and 9-ball -----------------------------------------
  // The judgement of a shot under those rules, and what follows from it.
  void EndOfRulesShot();
  pool::ShotFacts Facts() const;
  // The balls of its group each seat has cleared: its result in the statistics.
  std::vector<int> ClearedBySeat() const;
  // The cue ball for the next shooter to place anywhere (it stays where it
  // lies, or comes up on the head spot if it went down).
  void GiveBallInHand();
  void AnnounceResult(const CPlayer& player, const pool::RuleCall& call, int nGroupBefore);
  // A ball back on the foot spot, or behind it on the long string when that is taken.
  void PutOnFootSpot(CPoolBall& ball);
  // Whether the cue ball may stand at (x, y): on the bed, clear of the
  // balls and the pocket mouths, and behind the head string for the break.
  bool CueBallFits(int x, int y) const;
  // Carries the cue ball in hand to (x, y) if it fits there.
  void CarryCueBall(int x, int y);
  // The lowest ball on the table at 9-ball, -1 otherwise.
  int BallOn() const;
  // The questions a person answers at the start of a turn after a 9-ball
  // break: take the table the other seat pushed out to, or push out.
  void AskPushOut();
  // A computer seat's answer to the other seat's push-out; true when it hands the shot back.
  bool ComputerPassesBack();
  void PlaceComputerCueBall(CPoint spot);
  BOOL ChooseRulesShot();
  // Lines up the shot chosen, its spin, and the pocket it calls on the 8.
  void TakeComputerShot(const pool::ComputerShot& shot, const CPlayer* player);

  pool::RuleSet m_rules = pool::RuleSet::Classic;
  BOOL m_bBreakShot = FALSE;       // the next shot is the break
  BOOL m_bInHand = FALSE;          // the shooter may drag the cue ball before shooting
  BOOL m_bCarrying = FALSE;        // the cue ball is being dragged
  BOOL m_bPushOutAllowed = FALSE;  // the shot after a 9-ball break may be a push-out
  BOOL m_bPushOutDeclared = FALSE;
  BOOL m_bPushOutChoice = FALSE;   // the shooter now chooses to play the pushed-out table or pass it back
  int m_nRailsAtContact = 0;       // cushions met by all balls up to the cue ball's first contact
  std::string m_strFoul;           // the last foul, told until the next shot

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

  // The sprite whose presence says the scene is still ours.
  const CSprite* SceneKey() const override;
  CPoint CuePoint() const;
  pool::TableBalls TableBalls() const;
  // Sleeps until the earliest ball is due for its next step.
  void WaitForNextStep();
  // One pass of the shot loop over all balls; false when none moved.
  bool StepAllBalls();
  void PlayShotSound();
  void StopAllBalls();
  // The cue line from the cue ball toward the mouse, as long as the power
  // it gives, and the power gauge beside the table.
  void DrawAim(CPoint mouse);
  // The cue stick along `back` (a unit vector from the ball toward the pointer), drawn back by the power.
  void DrawStick(CDC& dc, pool::Vec back, double reach);
  // The path to the first ball or cushion, the ghost ball and the struck ball's way.
  void DrawGuide(CDC& dc);
  void EraseAim();
  // The shooter's follow-up: a human shot to its end, then the next turn.
  void ShootFromRelease();
  // The status line. A seat played at another machine (online) is not
  // prompted here, where the line says who is playing; a result shows on
  // every machine.
  void SetStatusText(int nPane, const std::string& text);
  // A player who is not at this table (a computer seat, or one online) is
  // told of by name rather than spoken to.
  bool SpokenTo(const CPlayer& player) const;
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
