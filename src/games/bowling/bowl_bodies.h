// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the bodies of the lane drive: their sprites and the game's sounds.
#include "game/game.h"
#include "games/bowling/model/bowl_ball.h"
#include "gfx/sprite.h"

namespace bowling {

class SpriteBody : public BodySprite {
 public:
  explicit SpriteBody(CSprite* pSprite) : m_pSprite(pSprite) {}
  void SetPosition(int x, int y) override { m_pSprite->SetPosition(x, y); }
  void SetCel(int nCel) override { m_pSprite->SetCel(nCel); }
  int GetPosX() const override { return m_pSprite->GetPosX(); }
  int GetPosY() const override { return m_pSprite->GetPosY(); }
  CSprite* Sprite() const { return m_pSprite; }

 private:
  CSprite* m_pSprite;
};

class GameSound : public BodySound {
 public:
  explicit GameSound(CGame& game) : m_game(game) {}
  void Play(UINT nWaveId) override { m_game.PlaySound(nWaveId); }

 private:
  CGame& m_game;
};

}  // namespace bowling
