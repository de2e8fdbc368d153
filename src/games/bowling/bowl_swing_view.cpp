// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees of a swing and of a ball's result: the ball waiting at
// the foul line under the pointer, a faint dotted guide up the line it will
// take (bent once a hook key is held with Spin set), the speed gauge beside
// the approach, and the word over the lane after a ball.
#include <algorithm>

#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_lane.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace bowling;

namespace {
constexpr int kHidden = -100;
}  // namespace

void CBowl::CreateGuide(CSpriteList* pSprites) {
  for (CSprite*& dot : m_guideDots) {
    auto sprite = std::make_unique<CSprite>(kHidden, kHidden, kGuideDepth, 2);
    sprite->LoadCel(kGuideDotCel, 0);
    sprite->LoadCel(kHookDotCel, 1);
    sprite->SetCel(0);
    sprite->SetHotSpot(kGuideDotSize.cx / 2, kGuideDotSize.cy / 2);
    dot = sprite.get();
    pSprites->Insert(std::move(sprite));
  }
  auto marker = std::make_unique<CSprite>(kHidden, kHidden, kSpeedMarkerDepth, 1);
  marker->LoadCel(kSpeedMarkerCel, 0);
  marker->SetCel(0);
  marker->SetHotSpot(kSpeedMarkerSize.cx / 2, kSpeedMarkerSize.cy / 2);
  m_pSpeedMarker = marker.get();
  pSprites->Insert(std::move(marker));
  auto banner = std::make_unique<CSprite>(kHidden, kHidden, kBannerDepth, static_cast<int>(kBannerCels.size()));
  for (std::size_t i = 0; i < kBannerCels.size(); ++i) banner->LoadCel(kBannerCels[i], static_cast<int>(i));
  banner->SetCel(0);
  banner->SetHotSpot(kBannerSize.cx / 2, kBannerSize.cy / 2);
  m_pBanner = banner.get();
  pSprites->Insert(std::move(banner));
}

void CBowl::ShowSwing(int x, int y) {
  if (!m_pSpeedMarker) return;
  m_ptPointer = {x, y};
  const Throw t = SwingThrow(x, y, GetHost().GetTickCount());
  m_shownThrow = t;
  // The ball waits at the foul line, under the pointer.
  m_pBall->ShowCel(0);
  m_pBall->SetPosition(t.dStartX, kBallStartY);
  // The guide starts a ball's width ahead of the ball and runs to the pins.
  const std::vector<PathPoint> path = PredictPath(t, kGuideEndY, kGuideSpacing);
  const int cel = t.hook.dTurn != 0.0 ? 1 : 0;
  std::size_t next = 2;  // the first points lie under the ball itself
  for (CSprite* dot : m_guideDots) {
    if (next < path.size()) {
      dot->SetCel(cel);
      dot->SetPosition(static_cast<int>(path[next].x), static_cast<int>(path[next].y));
      ++next;
    } else {
      dot->SetPosition(kHidden, kHidden);
    }
  }
  // The speed so far: FAST at the top of the gauge, SLOW at its foot.
  const double share = std::clamp((t.dSpeed - kSwingSlowSpeed) / (kSwingFastSpeed - kSwingSlowSpeed), 0.0, 1.0);
  const int markerY = kSpeedScale.bottom - 1 - static_cast<int>(share * (kSpeedScale.Height() - 1) + 0.5);
  m_pSpeedMarker->SetPosition((kSpeedScale.left + kSpeedScale.right) / 2, markerY);
  FlushDirty();
}

double CBowl::GuideBend() const {
  Throw straight = m_shownThrow;
  straight.hook = Hook{};
  return PredictX(m_shownThrow, kPocketY) - PredictX(straight, kPocketY);
}

void CBowl::HideSwing() {
  for (CSprite* dot : m_guideDots)
    if (dot) dot->SetPosition(kHidden, kHidden);
  if (m_pSpeedMarker) m_pSpeedMarker->SetPosition(kHidden, kHidden);
}

void CBowl::ShowBanner(int nBanner) {
  if (!m_pBanner || nBanner < 0 || nBanner >= static_cast<int>(kBannerCels.size())) return;
  m_pBanner->SetCel(nBanner);
  m_pBanner->SetPosition(kBannerAt.x, kBannerAt.y);
}

void CBowl::HideBanner() {
  if (m_pBanner) m_pBanner->SetPosition(kHidden, kHidden);
}
