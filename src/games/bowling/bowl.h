// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CBowl: ten-pin bowling for one to four players, any of them computer
// bowlers. The player swings the ball with a drag on the approach at the
// right: the drag line aims, the time from press to release sets the speed,
// Shift or Ctrl held meanwhile sets the hook. Each ball is one modal roll,
// then the pins are counted, swept and the ball comes back on the return.
#include <array>
#include <memory>
#include <string>

#include "game/game.h"
#include "games/bowling/model/bowl_ball.h"
#include "games/bowling/model/bowl_geometry.h"
#include "games/bowling/model/bowl_rules.h"
#include "platform/rect.h"

class CSprite;

namespace bowling {
class SpriteBody;
class GameSound;
}  // namespace bowling

class CBowl : public CGame {
 public:
  explicit CBowl(const GameContext& context);
  ~CBowl() override;

  int CheckWinner(CPlayer* /*pPlayer*/) override { return 0; }
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette,
                 CQuintaroView* pView) override;
  void UpdateScoreboard(CQuintaroView* pView, CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void AnimateShot(CSpriteList* pSprites, CQuintaroView* pView) override;
  void OnLButtonDown(UINT nFlags, int x, int y, CQuintaroView* pView) override;
  void OnLButtonUp(UINT nFlags, int x, int y, CQuintaroView* pView) override;
  void OnMouseMove(UINT nFlags, int x, int y, CQuintaroView* pView) override;
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags, CQuintaroView* pView) override;
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags, CQuintaroView* pView) override;
  void PlayComputerTurn(CQuintaroView* pView) override;
  void OnGameControls(CQuintaroDoc* pDoc) override;
  void LoadSounds() override;
  std::string StateJson() const override;

  void LoadSettings();
  void ApplyPinFriction();
  void ResetPinCels();
  void RemoveFallenPins();
  void RackPins();
  void PlayBallReturn(CQuintaroView* pView);
  void UpdateWallOfFame(CObArray* pPlayers);
  // Sets Spin and Pin Interaction from track-bar positions (clamped to 0..3).
  void ApplySettings(int nSpin, int nPinInteraction);
  // The stored Spin and Pin Interaction positions, brought into 0..3.
  struct StoredControls {
    int nSpin = 0;
    int nPinInteraction = 0;
  };
  StoredControls ReadStoredControls() const;

  // --- The swing -----------------------------------------------------------
  CPoint m_ptPress;
  CPoint m_ptRelease;
  std::array<CRect, bowling::kPlayers> m_rcName{};
  int m_nBallResult = 0;
  int m_nBallInFrame = 0;
  CRect m_rcPressZone = bowling::kPressZone;
  CRect m_rcReleaseZone = bowling::kReleaseZone;
  bowling::ScoreSheet m_frames{};
  int m_nFrame = 0;
  BOOL m_bGameOver = FALSE;
  int m_nSpinDegrees = 0;
  int m_nPinInteraction = 0;
  double m_dPinFriction = bowling::kPinFriction[0];
  DWORD m_dwPressTick = 0;
  BOOL m_bNoRoll = FALSE;
  std::unique_ptr<bowling::CBowlBall> m_pBall;
  std::array<std::unique_ptr<bowling::CBowlBall>, bowling::kPins> m_pins;
  int m_nSpeedIndex = bowling::kBallSpeedIndex;
  // Pins standing before the next ball and the tenth frame's flags.
  bowling::FrameState m_state;
  BOOL m_bRolling = FALSE;
  DWORD m_dwKeyTime = 0;
  BOOL m_bKeyDown = FALSE;
  int m_nHookLine = bowling::kInitialHookLine;
  double m_dHookStep = 0.0;
  double m_dSpinFactor = 0.0;
  BOOL m_bShiftKey = FALSE;
  BOOL m_bCtrlKey = FALSE;
  BOOL m_bHookRight = FALSE;

 private:
  // Our sprites are still the document's (nothing replaced the scene).
  bool SceneIsOurs() const;
  void CreateBall(CSpriteList* pSprites);
  void CreatePins(CSpriteList* pSprites);
  // One pass of the roll: hook, ball, ball against pins, pins against pins.
  bool RollStep(bool& bFirstContact, int& nHookLine);
  // The roll down the lane until everything has stopped (or ten seconds passed).
  void Roll(CQuintaroView* pView);
  // A ball let go above the release zone: it counts 0 and comes back.
  void BallDroppedShort(CQuintaroView* pView);
  void CountPins();
  // Release step 3: speed and hook from the swing; false when no ball is thrown.
  bool TakeRelease(int x, int y, DWORD now);
  // After a ball: a fresh rack, another ball, or the next player. False when
  // the game has ended and been restarted: touch nothing afterwards.
  bool AfterHumanBall(CQuintaroView* pView);
  bool EndFrame(CQuintaroView* pView);
  void HandOver(CQuintaroView* pView, int nNext);
  void BowlComputerBall();
  void GameEnd(CObArray* pPlayers, int nLastPlayer);
  void DrawSheet(CQuintaroView* pView, CObArray* pPlayers, BOOL bNewGame, int nCurrent);

  std::unique_ptr<bowling::GameSound> m_pBodySound;
  std::unique_ptr<bowling::SpriteBody> m_pBallSprite;
  std::array<std::unique_ptr<bowling::SpriteBody>, bowling::kPins> m_pinSprites;
  CSprite* m_pBallCSprite = nullptr;
  bool m_bBallToStore = false;     // a ball was counted and not yet written on the sheet
  bool m_bDrawingSheet = false;    // shields the sheet from a repaint while it draws
  bool m_bInComputerTurn = false;  // a computer turn never starts inside another
  bool m_bPressSeen = false;       // a press reached this game (not the title's that chose it)
};
