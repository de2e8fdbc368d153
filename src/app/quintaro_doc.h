#pragma once
// The document: the state of the table. It knows which screen is shown, owns
// the current game, the four seats, the sprites and the playfield picture,
// and carries out the Game, Options and View menu commands.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game/player.h"
#include "game/wall_of_fame.h"
#include "gfx/sprite_list.h"
#include "platform/types.h"

class CDIB;
class CGame;
class CQuintaroView;
class CQuintaroApp;
class CCmdUI;

// Screen types.
enum : int {
  kScreenTitle = 0,
  kScreenAirHockey = 1,
  kScreenBasketball = 2,
  kScreenBowling = 3,
  kScreenDarts = 4,
  kScreenFootball = 5,
  kScreenPool = 6,
  kScreenHallOfFame = 7,
};

// Update hints sent to the view.
inline constexpr LPARAM kHintBackground = 0;
inline constexpr LPARAM kHintSprites = 2;

class CQuintaroDoc {
 public:
  explicit CQuintaroDoc(CQuintaroApp& app);
  ~CQuintaroDoc();
  CQuintaroDoc(const CQuintaroDoc&) = delete;
  CQuintaroDoc& operator=(const CQuintaroDoc&) = delete;

  void SetView(CQuintaroView* pView) { m_pView = pView; }
  CQuintaroView* GetView() { return m_pView; }
  CQuintaroApp& App() { return m_app; }

  // Builds the screen that m_nGameType names; the old game is stopped and retired.
  BOOL OnNewDocument();
  void DeleteContents();
  void RefreshScores(BOOL bNewGame);
  void StopCurrentGame();
  BOOL ChangeBackground(std::unique_ptr<CDIB> pDIB);
  void ResetTurnState();
  int FindPlayer(int nId) const;
  void CreatePlayers();
  void DeletePlayers();
  void LoadHallOfFame();
  void DrawHallOfFame();
  void UpdateAllViews(LPARAM lHint);

  // Menu and tool-bar commands; false when the command is not the document's.
  bool OnCommand(UINT nId);
  // Enabling and check marks of the document's commands; false when not ours.
  bool OnUpdateCommand(CCmdUI& cmdUI);
  // Destroys games that ended themselves, once no member of theirs is running.
  void ReapRetiredGames();
  // The state dump of the headless driver (one line of JSON).
  std::string StateJson() const;

  std::unique_ptr<CDIB> m_pBackground;
  BOOL m_bGameInProgress = FALSE;
  int m_nGameType = kScreenTitle;
  CObArray m_players;
  CSpriteList m_sprites;
  int m_nLastPlayer = 0;
  int m_nCurrentPlayer = 0;
  BOOL m_bBackgroundChanged = TRUE;
  BOOL m_bTrueColor = FALSE;
  CPlayer* m_pCurrentPlayer = nullptr;
  BOOL m_bSound = TRUE;
  BOOL m_bFirstComputerTurn = TRUE;
  int m_nGameVariant = 0;
  std::unique_ptr<CGame> m_pGame;
  std::array<FameEntry, 2 * kFameEntries> m_hallOfFame;

 private:
  bool AskQuitGame();
  void OnNumberOfPlayers();
  void OnSound();
  void StartScreen(int nGameType);
  UINT BackgroundFor(int nGameType) const;
  void RetireGame();

  CQuintaroApp& m_app;
  CQuintaroView* m_pView = nullptr;
  std::vector<std::unique_ptr<CGame>> m_retiredGames;
};
