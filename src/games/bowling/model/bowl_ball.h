// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CBowlBall: one round body on the lane, the ball or a pin. It moves one step
// per call, bounces off another body, drops into a gutter when it leaves the
// lane, and keeps its picture at its centre: the ball rolls through its cels,
// a pin plays a short fall when it is first knocked.
#include <functional>

#include "platform/types.h"

namespace bowling {

// The picture a body drives (the game hands it a sprite).
class BodySprite {
 public:
  virtual ~BodySprite() = default;
  virtual void SetPosition(int x, int y) = 0;
  virtual void SetCel(int nCel) = 0;
  virtual int GetPosX() const = 0;
  virtual int GetPosY() const = 0;
};

// Where a body asks for a sound (the gutter).
class BodySound {
 public:
  virtual ~BodySound() = default;
  virtual void Play(UINT nWaveId) = 0;
};

// rand() of the runtime: 0..32767.
using RandSource = std::function<int()>;

class CBowlBall {
 public:
  CBowlBall(BodySprite* pSprite, BodySound* pSound, double dMass, double dRadius, int nSpeedIndex, double dHeading,
            double dCelDistance, int nLastCel, RandSource rand = {});

  void SetHeading(double dHeading);
  void SetPosition(double x, double y);
  // The ball's speed from the speed table.
  void SetSpeedIndex(int nSpeedIndex);
  // Stops the body where it is (velocity and speed 0).
  void Halt();
  // Shows rolling cel nCel and starts counting the distance to the next.
  void ShowCel(int nCel);
  BOOL IsOnDeck() const;
  BOOL Overlaps(const CBowlBall* pOther) const;
  BOOL Move();
  void Collide(CBowlBall* pOther);

  bool IsPin() const { return m_dMass < 10.0; }
  bool IsBall() const { return m_dMass > 10.0; }
  double X() const { return m_dX; }
  double Y() const { return m_dY; }
  double VelX() const { return m_dVelX; }
  double VelY() const { return m_dVelY; }
  // The fall sequence chosen when the pin last left rest (null: none yet).
  const int* FallCels() const { return m_pFallCels; }
  int FallCelCount() const { return m_nFallCels; }

  BodySprite* m_pSprite;
  BodySound* m_pSound;
  double m_dMass;
  double m_dRadius;
  double m_dSpeed = 0.0;
  double m_dVelX = 0.0;
  double m_dVelY = 0.0;
  double m_dX = 0.0;
  double m_dY = 0.0;
  double m_dHeading = 0.0;
  double m_dCos = 1.0;
  double m_dSin = 0.0;
  double m_dCelDistance;
  int m_nLastCel;
  int m_nCel = 0;
  double m_dTravel = 0.0;
  BOOL m_bMoving = TRUE;
  BOOL m_bHit = FALSE;
  int m_nSpeedIndex;
  const int* m_pFallCels = nullptr;
  int m_nFallCels = 0;
  BOOL m_bAtRest = TRUE;
  double m_dFriction = 1.025;
  BOOL m_bInGutter = FALSE;
  // Steps a fall picture stays up (the game paces one step per millisecond).
  int m_nStepsPerFallCel = 1;

 private:
  void StopDead();
  void ChooseFall();
  void SnapIntoGutter(int& ix);
  void Animate();

  RandSource m_rand;
  int m_nFallTick = 0;
};

}  // namespace bowling
