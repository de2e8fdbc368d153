// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A person's pose as joint angles, and the skeleton it gives: the joints on
// screen, with limb lengths in proportion to the head so every figure is an
// adult about 7.5 heads tall.
#include "shell/figure_shading.h"

namespace art {

// Angles in degrees: 0 points straight down, 90 points the way the person
// faces, 180 straight up, and beyond 180 up and behind.
struct LimbPose {
  float upper = 0.f;  // upper arm or thigh
  float lower = 0.f;  // forearm or shin
  float end = 0.f;    // hand or foot (a foot at 90 lies flat)
  float reach = 1.f;  // below 1 the limb points into or out of the picture and looks shorter
};

struct Pose {
  float facing = 1.f;    // +1 faces right, -1 faces left
  float head = 26.f;     // head height in pixels: the figure's scale
  Pt pelvis{};           // the centre of the hips
  float floorY = 0.f;    // if set, the lowest sole stands on this line
  float spine = 180.f;   // pelvis to the base of the neck
  float neck = 180.f;    // base of the neck to the head
  float neckLength = 0.78f;  // base of the neck to the centre of the head, in head heights
  float turn = 0.3f;     // 0 in profile .. 1 facing the viewer
  LimbPose nearArm, farArm, nearLeg, farLeg;
};

struct ArmJoints {
  Pt shoulder, elbow, wrist, handTip;
};
struct LegJoints {
  Pt hip, knee, ankle, heel, ball, toe;  // heel, ball and toe on the sole
};

struct Skeleton {
  float facing = 1.f;
  float h = 26.f;  // head height
  float turn = 0.3f;
  Pt pelvis, chest, neckBase, headCentre;
  Pt spineDir;  // unit vector from the pelvis up the spine
  ArmJoints nearArm, farArm;
  LegJoints nearLeg, farLeg;
};

Skeleton Solve(const Pose& pose);

// The unit vector of a pose angle for a person facing `facing`.
Pt PoseDir(float degrees, float facing);

}  // namespace art
