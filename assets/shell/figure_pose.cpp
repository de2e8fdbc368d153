// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/figure_pose.h"

namespace art {
namespace {

// Proportions in head heights.
constexpr float kSpine = 2.3f;      // hip centre to the base of the neck
constexpr float kUpperArm = 1.45f;
constexpr float kForearm = 1.15f;
constexpr float kHand = 0.68f;
constexpr float kThigh = 1.85f;
constexpr float kShin = 1.72f;
constexpr float kAnkle = 0.2f;      // ankle above the sole
constexpr float kFootFront = 0.86f; // ankle to the tip of the toe, along the sole
constexpr float kFootBack = 0.26f;  // ankle to the back of the heel
constexpr float kFootBall = 0.56f;  // ankle to the ball of the foot

constexpr float kPi = 3.14159265f;

ArmJoints SolveArm(const Pose& p, Pt shoulder, const LimbPose& l) {
  ArmJoints a;
  a.shoulder = shoulder;
  a.elbow = shoulder + PoseDir(l.upper, p.facing) * (kUpperArm * p.head * l.reach);
  a.wrist = a.elbow + PoseDir(l.lower, p.facing) * (kForearm * p.head * l.reach);
  a.handTip = a.wrist + PoseDir(l.end, p.facing) * (kHand * p.head * std::sqrt(l.reach));
  return a;
}

LegJoints SolveLeg(const Pose& p, Pt hip, const LimbPose& l) {
  LegJoints g;
  g.hip = hip;
  g.knee = hip + PoseDir(l.upper, p.facing) * (kThigh * p.head);
  g.ankle = g.knee + PoseDir(l.lower, p.facing) * (kShin * p.head);
  // The sole runs along the foot's angle, below the ankle.
  const Pt along = PoseDir(l.end, p.facing), down = PoseDir(l.end - 90.f, p.facing);
  const Pt sole = g.ankle + down * (kAnkle * p.head);
  g.heel = sole - along * (kFootBack * p.head);
  // On tiptoe the foot bends at the ball and the toes stay flat on the floor.
  g.ball = sole + along * (kFootBall * p.head);
  g.toe = g.ball + (l.end < 90.f ? PoseDir(90.f, p.facing) : along) * ((kFootFront - kFootBall) * p.head);
  return g;
}

Skeleton SolveAt(const Pose& p, Pt pelvis) {
  Skeleton s;
  s.facing = p.facing;
  s.h = p.head;
  s.turn = p.turn;
  s.pelvis = pelvis;
  s.spineDir = PoseDir(p.spine, p.facing);
  s.neckBase = pelvis + s.spineDir * (kSpine * p.head);
  s.chest = Lerp(pelvis, s.neckBase, 0.68f);
  s.headCentre = s.neckBase + PoseDir(p.neck, p.facing) * (p.neckLength * p.head);
  // Turning towards the viewer spreads the shoulders and hips: the near ones
  // move back, the far ones forward.
  const Pt across = Perp(s.spineDir) * (p.facing > 0 ? 1.f : -1.f);  // points the way the person faces
  const Pt shoulders = s.neckBase - s.spineDir * (0.26f * p.head);
  const float sw = (0.12f + 0.68f * p.turn) * p.head, hw = (0.08f + 0.36f * p.turn) * p.head;
  s.nearArm = SolveArm(p, shoulders - across * sw, p.nearArm);
  s.farArm = SolveArm(p, shoulders + across * sw - s.spineDir * (0.04f * p.head), p.farArm);
  const Pt hips = pelvis - s.spineDir * (0.12f * p.head);
  s.nearLeg = SolveLeg(p, hips - across * hw, p.nearLeg);
  s.farLeg = SolveLeg(p, hips + across * hw, p.farLeg);
  return s;
}

}  // namespace

Pt PoseDir(float degrees, float facing) {
  const float a = degrees * kPi / 180.f;
  return {std::sin(a) * facing, std::cos(a)};
}

Skeleton Solve(const Pose& pose) {
  Skeleton s = SolveAt(pose, pose.pelvis);
  if (pose.floorY <= 0.f) return s;
  const float lowest = std::max({s.nearLeg.heel.y, s.nearLeg.ball.y, s.nearLeg.toe.y, s.farLeg.heel.y, s.farLeg.ball.y, s.farLeg.toe.y});
  return SolveAt(pose, {pose.pelvis.x, pose.pelvis.y + pose.floorY - lowest});
}

}  // namespace art
