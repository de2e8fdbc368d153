#pragma once
// Cartoon sports figures and game props for the shell's pictures.
#include "core/canvas.h"

namespace art {

struct Pt {
  float x, y;
};

// A person posed by joints; "back" limbs are drawn behind the body.
struct Figure {
  Pt head;
  float headR = 9.f;
  Pt neck, hip;
  Pt backShoulder, backElbow, backHand;
  Pt frontShoulder, frontElbow, frontHand;
  Pt backKnee, backFoot, frontKnee, frontFoot;
  float girth = 1.f;  // limb thickness multiplier
  Rgb skin, shirt, shorts, shoes, hair;
  bool longSleeves = false;
  bool longTrousers = false;
  bool helmet = false;
  Rgb helmetColor{};
};

void PaintFigure(Canvas& c, const Figure& f);

// Props.
void PaintBasketball(Canvas& c, float cx, float cy, float r);
void PaintFootball(Canvas& c, float cx, float cy, float rx, float ry, float angleDeg);
void PaintBowlingPin(Canvas& c, float cx, float baseY, float height);
void PaintBowlingBall(Canvas& c, float cx, float cy, float r, Rgb color);
void PaintPoolBall(Canvas& c, float cx, float cy, float r, Rgb color, bool stripe);
void PaintTrophy(Canvas& c, float cx, float baseY, float height);

}  // namespace art
