// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The people on the title screen: a posed skeleton dressed in an outfit and
// painted as lit, rounded solids in the style of the props around them.
#include <functional>
#include <string>

#include "shell/figure_pose.h"
#include "shell/figure_shading.h"

namespace art {

enum class Top { Tank, Tee, Rolled, Padded };  // vest, short sleeves, rolled-up long sleeves, padded jersey
enum class Bottom { Shorts, KneePants, Trousers };
enum class Shoe { HighTop, Cleat, Leather };
enum class Grip { Open, Hold, Point };         // an open hand, one holding a ball or dart, a pointing hand

struct Outfit {
  Material skin{Ramp::Skin, 0.1f, 0.85f, 0.22f};
  Material hair{Ramp::Wood, 0.02f, 0.3f, 0.4f};
  Material shirt{Ramp::Orange, 0.1f, 0.75f, 0.2f};
  Material trim{Ramp::Grey, 0.45f, 1.f, 0.2f};
  Material bottom{Ramp::Orange, 0.05f, 0.65f, 0.2f};
  Material socks{Ramp::Grey, 0.5f, 1.f, 0.1f};
  Material shoe{Ramp::Grey, 0.5f, 1.f, 0.4f};
  Material shoeTrim{Ramp::Orange, 0.1f, 0.6f, 0.3f};
  Material sole{Ramp::Grey, 0.05f, 0.35f, 0.1f};
  Top top = Top::Tank;
  Bottom bottomCut = Bottom::Shorts;
  Shoe shoes = Shoe::HighTop;
  bool collar = false;
  float hairVolume = 0.05f;  // how far the hair stands off the skull, in head heights
  bool helmet = false;
  Material helmetShell{Ramp::Gold, 0.12f, 0.95f, 0.8f};
  std::string number;
  float numberSide = 0.4f;  // where the number sits across the chest, -1 back .. 1 front
  Grip nearGrip = Grip::Open, farGrip = Grip::Open;
};

// Soft shadows on the floor: a pool under the person and a darker one under each foot.
void PaintFloorShadows(Canvas& c, const Skeleton& s, float floorY);
// Paints the person; `held` paints what the holding hand holds, just before that arm.
void PaintFigure(Canvas& c, const Skeleton& s, const Outfit& o, const std::function<void(Canvas&)>& held = {});

}  // namespace art
