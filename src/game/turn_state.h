// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of a turn that a game shares with the view: a drag under way,
// the sprite the player holds and where it stood, a computer playing, and an
// Escape pressed while a game's own loop runs.
#include "platform/types.h"

class CSprite;

struct CTurnState {
  BOOL m_bDragging = FALSE;
  CSprite* m_pSelSprite = nullptr;
  int m_nSelX = 0;
  int m_nSelY = 0;
  BOOL m_bComputerPlaying = FALSE;
  BOOL m_bEscape = FALSE;

  // Holds `pSprite` and remembers where it stood, so it can be put back.
  void Select(CSprite* pSprite, int x, int y) {
    m_pSelSprite = pSprite;
    m_nSelX = x;
    m_nSelY = y;
  }
  void Deselect() { m_pSelSprite = nullptr; }
  // A game's loop starts: only an Escape pressed from now on counts.
  void BeginLoop() { m_bEscape = FALSE; }
  // True once for each Escape pressed since the loop began.
  bool ConsumeEscape() {
    const bool pressed = m_bEscape != FALSE;
    m_bEscape = FALSE;
    return pressed;
  }
  // A new screen: nothing is held, dragged or played.
  void Reset() { *this = CTurnState{}; }
};
