// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's side of GameServices: what a game asks of the shell, carried
// out by the document, its view and the application. Only this file and the
// document know both sides.
#include "game/game_services.h"

class CQuintaroDoc;
class CQuintaroView;

class CGameShell final : public GameServices {
 public:
  explicit CGameShell(CQuintaroDoc& doc) : m_doc(doc) {}

  CObArray& Players() override;
  int LastSeat() const override;
  int CurrentSeat() const override;
  CPlayer* CurrentPlayer() const override;
  void SetCurrentSeat(int nSeat) override;
  int FindPlayer(int nId) const override;

  bool IsCurrentGame(const CGame& game) const override;
  bool GameInProgress() const override;
  void SetGameInProgress(bool bInProgress) override;
  void MarkGameEnded() override;
  bool AwaitingComputerClick() const override;
  void SetAwaitingComputerClick(bool bAwaiting) override;
  int Screen() const override;
  int Variant() const override;
  void RestartWithVariant(int nVariant) override;
  void Restart() override;
  bool SoundOn() const override;
  bool SeatPlayedHere(int nSeat) const override;

  CSpriteList& Sprites() override;
  bool IsTrueColor() const override;
  const CPalette* Palette() const override;
  void FlushDirtyRects() override;
  void AddDirtyRect(const CRect& rect) override;
  void RenderRect(const CRect* pRect) override;
  void BlitRect(const CRect* pRect) override;

  BOOL StartTimer(UINT nID, UINT nMs) override;
  BOOL StopTimer(UINT nID) override;
  Host& GetHost() override;
  CTurnState& Turn() override;
  void DispatchOne(const MSG& msg) override;

  void SetStatusText(const std::string& text) override;
  std::string StatusText() const override;
  int MessageBox(const std::string& text, const std::string& caption, UINT nType) override;
  int DoModal(CDialog& dialog) override;

 private:
  CQuintaroView& View() const;

  CQuintaroDoc& m_doc;
};
