// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CFootBall: the passing game. A player picks a football from the rack,
// presses in the throwing zone, drags up and releases over the target board;
// a pass through one of its two holes gains yards, and the yards move the
// team down the field in series of four downs. A touchdown is worth 7; the
// first to 28, 40 or 54 points wins. Computer players pass for themselves.
#include <array>
#include <string>

#include "game/game.h"
#include "games/football/model/football_geometry.h"
#include "games/football/model/football_motion.h"
#include "games/football/model/football_rules.h"
#include "platform/rect.h"

namespace football {
// What the status line tells the seat whose possession it is, after its name.
inline constexpr const char* kBeginPassSuffix = ", begin pass: take a football, then drag from the box up to the board";
inline constexpr const char* kComputerPassesSuffix = " (computer) to pass";
// After a computer seat's name on the scoreboard.
inline constexpr const char* kComputerSeatMark = " (C)";
}  // namespace football

class CSprite;
class CSpriteList;

class CFootBall : public CGame {
 public:
  CFootBall(const GameContext& context, int nVariant);
  ~CFootBall() override;

  int ScoreShot(CPlayer* pPlayer) override;
  int CheckWinner(CPlayer* pPlayer) override;
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette) override;
  void UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void AnimateShot(CSpriteList* pSprites) override;
  void OnLButtonDown(UINT nFlags, int x, int y) override;
  void OnLButtonUp(UINT nFlags, int x, int y) override;
  void OnMouseMove(UINT nFlags, int x, int y) override;
  void PlayComputerTurn() override;
  void OnGameControls() override;
  void OnTypeOfGame() override;
  void LoadSounds() override;
  std::string StateJson() const override;
  bool SaveState(StateRecord& record) const override;
  bool LoadState(StateReader& reader) override;

  // Moves the throwing zone to a new random place unless it has one already.
  void PlaceThrowZone();
  // Makes up the computer's pass: press, release and timing.
  void ComputerAim();
  // The downs, yards to go and yards to the goal after a pass.
  void UpdateSeries();
  void LoadSettings();
  // Stores the controls dialog's choice and plays by it from now on.
  void KeepControls(int nVelocity, int nAccuracy, int nDrift);

  // --- The pass --------------------------------------------------------------
  int m_nVelocity = 1;
  int m_nAccuracy = 1;
  int m_nDrift = 4;
  CPoint m_ptPress;
  CPoint m_ptRelease;
  CRect m_rcRack = football::kRackRect;
  CRect m_rcThrowZone = football::kFirstThrowZone;
  CRect m_rcRelease = football::kReleaseRect;
  DWORD m_dwThrowTime = 0;  // tick at button-down; after the release, the pass's length
  int m_nXYAngle = 0;
  int m_nGain = 0;
  CPoint m_ptFlightStart;
  CPoint m_ptLanding;
  BOOL m_bZonePlaced = FALSE;

  // --- The possession ---------------------------------------------------------
  int m_nYardsToGoal = 80;
  int m_nDown = 1;
  int m_nToGo = 10;
  int m_nGameType = football::kPlayTo28;
  BOOL m_bIntercepted = FALSE;
  BOOL m_bTouchdown = FALSE;
  int m_nHole = football::kNoHole;
  // Won: the final board shows until the next click or game command.
  bool m_bGameOver = false;

  CSprite* m_pFlyingBall = nullptr;
  std::array<CSprite*, 3> m_rackBalls{};
  CSprite* m_pZoneMarker = nullptr;
  CSprite* m_pDownDigit = nullptr;
  CSprite* m_pToGoTens = nullptr;
  CSprite* m_pToGoUnits = nullptr;
  CSprite* m_pYardsTens = nullptr;
  CSprite* m_pYardsUnits = nullptr;

 private:
  football::ThrowSettings Settings() const { return {m_nVelocity, m_nAccuracy, m_nDrift}; }
  football::Series CurrentSeries() const;
  // The sprite whose presence says the scene is still ours.
  const CSprite* SceneKey() const override;
  CSprite* RackBallAt(int x, int y) const;
  void PickUpBall(CSprite* pBall);
  void PutBallBack();
  void StartDrag(int x, int y);
  // The user's release inside the release rectangle; false when the game ended.
  bool ThrowHumanPass(int x, int y);
  // Score, flight, series and scoreboard of the pass just made; false when
  // it won the game (the game has been restarted: touch nothing).
  bool ResolvePass(bool bByUser);
  bool PossessionOver() const;
  // The game is won: the final board stays up, waiting for the user.
  void ShowFinalBoard();
  // The status line names the seat to pass and, for the user, how to.
  void ShowWhoseTurn();
  void HideZoneMarker();
  // Announces the end of the possession and hands the ball to the next player.
  void ChangePossession(bool bByComputer);
  void ShowDigit(CSprite* pDigit, int nValue);
  void ShowSeriesDigits();
  void HideFlyingBall();
  // Runs one stretch of the flight: each step shown, then held for `nStepMs`.
  void RunSteps(const std::vector<football::Step>& steps, int nStepMs);
  void ShowBallAt(const football::Step& step);
  void BounceOff(football::Strike strike, CPoint from);
  // Shields the scoreboard from painting itself again while it draws.
  bool m_bDrawingScoreboard = false;
};
