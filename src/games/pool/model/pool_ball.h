// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CPoolBall: one ball on the pool table, the cue ball (0) or an object ball
// (1..15). It rolls in integer steps from the origin of its current run,
// each speed level waiting its own delay between steps, slows by friction,
// rebounds from the cushions, drops into pockets (to the tray) and resolves
// collisions with other balls. It knows nothing of the rules of 8-ball.
#include "games/pool/model/pool_geometry.h"
#include "platform/rect.h"
#include "platform/types.h"

namespace pool {

// What a ball needs from the table around it: the millisecond clock, the
// sound set and its picture. A ball without one has no picture and never
// moves.
class BallEnv {
 public:
  virtual ~BallEnv() = default;
  virtual DWORD Ticks() = 0;
  virtual void PlaySound(UINT nWaveId) = 0;
  // The ball's picture now stands with its centre at (x, y).
  virtual void ShowBall(int nNumber, int x, int y) = 0;
};

}  // namespace pool

class CPoolBall {
 public:
  // A ball at `pos` with the given speed (pixels per step) and angle
  // (degrees, counter-clockwise, y up).
  CPoolBall(pool::BallEnv* pEnv, CPoint pos, double dSpeed, double dAngle, const CRect& rcCushion, int nNumber);

  // New speed and direction, no spin; starts a new run from where the ball stands.
  void SetVelocity(double dSpeed, double dAngle);
  // The cue's stroke: speed and direction as SetVelocity, with the tip
  // `tipX` right and `tipY` above the centre (each -1..1 of the furthest a
  // tip may go, half the radius). Below centre draws, above follows; a side
  // gives english. The centre gives no spin: the ball plays as before.
  void Strike(double dSpeed, double dAngle, double tipX, double tipY);
  // Moving, or still sliding on its spin from a stop (a drawn cue ball after a full hit).
  bool IsMoving() const;
  // Puts the ball (and its picture) at (x, y); the motion is left as it is.
  void MoveTo(int x, int y);
  // At most one step. TRUE while the ball moves (or waits for its step
  // time); FALSE when it has no picture, is at rest or has just dropped.
  BOOL Step();
  // Contact with another ball (centres closer than a diameter); sounds the
  // click by this ball's speed whenever it answers TRUE.
  BOOL Touches(const CPoolBall& other);
  // The same test, silent.
  bool Overlaps(const CPoolBall& other) const;
  // The click of a contact this ball struck at `dSpeed`: hard from 4.0 up.
  void PlayClick(double dSpeed);
  // The two balls are closing on each other along their line of centres.
  bool Approaches(const CPoolBall& other) const;
  // Resolves a contact of this (moving) ball with `other`: this ball backs
  // up its path to where the two first touched, the parts of the velocities
  // along the line of centres are exchanged if they were closing (momentum
  // and energy kept, never energy made), and both stand apart along that
  // line. TRUE when the balls struck each other (the click sounds).
  BOOL Collide(CPoolBall& other);
  // The exchange alone, with this ball's centre at (ax, ay); TRUE when the
  // balls were closing and struck each other.
  BOOL Bounce(CPoolBall& other, double ax, double ay);
  // Pushes an overlapping pair apart along the line of centres, each ball
  // half the way (a ball against a cushion stays and the other goes the
  // whole way), until their centres are a diameter apart.
  void Separate(CPoolBall& other);
  // A new speed and heading after a contact: the direction of (vx, vy) at
  // `dSpeed`; the friction count starts again and the run is re-originated.
  void SetMotion(double vx, double vy, double dSpeed);
  // Puts the ball at (x, y) kept off the cushions, a new run from there;
  // a ball pushed into a capture area drops.
  void PlaceAt(double x, double y);
  // How far back along its heading this ball must go to just touch `other`
  // (at most one step's length); 0 when they do not overlap.
  double ContactBackOff(const CPoolBall& other) const;

  int GetPosX() const { return m_nX; }
  int GetPosY() const { return m_nY; }
  bool HasPicture() const { return m_pEnv != nullptr; }
  // The speed level that picks the step delay and the friction run; a
  // collision may push the speed past the top level, which then applies.
  int SpeedLevel() const;
  // How many steps the ball has moved in all (a step that only waited does not count).
  int Moves() const { return m_nMoves; }
  // How many cushions the ball has come off since it was made.
  int RailsMet() const { return m_nCushions; }
  // The tick at which this ball takes its next step (now, when it is not
  // yet waiting); meaningful only while it moves.
  DWORD NextStepDue(DWORD now) const;

  int m_nMass = 100;
  double m_dVelX = 0;
  double m_dVelY = 0;  // positive downwards
  double m_dSpeed = 0;
  int m_nOriginX = 0;
  int m_nOriginY = 0;
  double m_dHeading = 0;  // radians, counter-clockwise, y up
  BOOL m_bOnTable = TRUE;
  CRect m_rcCushion;
  int m_nFrictionSteps = 0;
  int m_nSteps = 0;
  DWORD m_dwLastTick = 0;
  DWORD m_dwPaceTick = 0;  // when the last step fell due; 0 after a new motion
  int m_nNumber = 0;
  int m_nGroup = 0;  // 0 for 0..8, 1 for 9..15
  int m_nPocket = pool::kNoPocket;
  // Spin, in pixels per step of surface speed. (m_dSpinX, m_dSpinY): the
  // roll about a level axis, equal to the velocity when the ball rolls
  // without slipping; m_dSide: english about the upright axis, positive
  // for a tip right of centre. A ball with no spin (m_bSpinning false)
  // rolls as the table always had it; only a cue ball struck off centre has spin.
  double m_dSpinX = 0, m_dSpinY = 0;
  double m_dSide = 0;
  bool m_bSpinning = false;
  bool m_bRolling = false;  // the slip is gone: the spin follows the velocity

 private:
  // One step of sliding friction on a spinning ball: cloth friction works
  // against the slip (velocity less spin) until the ball rolls.
  void Slide();
  // English at a cushion: the way out turns toward the side of the tip, at the cushion's speed.
  void EnglishOffCushion(bool bHorizontal, double inVx, double inVy);
  // Keeps the exact place as the origin of a new run (the sliding ball changes speed every step).
  void ReoriginExact();
  // Cushions, pockets, the bounce sound, the move and the friction count for
  // a new position. FALSE when the ball dropped into a pocket.
  BOOL Advance(int x, int y);
  // The cushion rebounds for a new position (moved to the reflected point);
  // true when any cushion acted.
  bool Cushions(int& x, int& y);
  // Reverses the chosen velocity component after a cushion: 0.5 slower,
  // heading from the reversed velocity, a new run from (x, y).
  void Rebound(bool bHorizontal, int x, int y);
  // Velocity from the current speed and heading, tiny components made 0.
  void ApplyHeading();
  void Reorigin(int x, int y);
  int PocketAt(int x, int y) const;
  // The pocket whose mouth the centre (x, y) has entered heading in, or -1.
  int MouthAt(int x, int y) const;
  void DropInto(int nPocket);

  pool::BallEnv* m_pEnv = nullptr;
  int m_nX = 0;
  int m_nY = 0;
  int m_nMoves = 0;
  int m_nCushions = 0;
  double m_dOriginX = 0;  // the run's origin, exact (m_nOriginX rounded for a ball without spin)
  double m_dOriginY = 0;
};

namespace pool {
// (x, y) kept inside the cushion lines wherever a cushion acts.
void ClampToBed(double& x, double& y);
}  // namespace pool
