// SPDX-License-Identifier: GPL-3.0-or-later
// The flight in the side panel and the dart that sticks in the board.
#include "games/darts/dart.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace darts;

void CDart::AnimateShot(CSpriteList* pSprites) {
  if (!pSprites || pSprites->IsEmpty() || !SceneIsOurs()) return;
  Host& host = GetHost();
  CSprite* dart = m_pHandDart;
  const CPoint start = FlightStart(m_ptLastPress.x);
  dart->SetPosition(start.x, start.y);
  FlushDirty();
  for (int step = 0; step < kFlightSteps; ++step) {
    // Paced by the clock, not by the machine: the host waits (and keeps presenting).
    host.WaitUntil(host.GetTickCount() + kFlightStepMs);
    const CPoint at = FlightStep(m_ptLastPress.x, m_ptLanding.x, step);
    dart->SetPosition(at.x, at.y);
    FlushDirty();
  }
}

int CDart::ChooseDartImage(int nPlayer) {
  // The picture has a generator of its own: drawing it must not disturb the
  // sequence the computer's aim is drawing from.
  int k = 0;
  do {
    k = m_pictureRandom.Next() % 7;
  } while (!IsStuckDartVariant(k));
  return 7 * nPlayer + k;
}

void CDart::PlaceDart(CSprite* pDart, int nPlayer, const CPalette* pPalette, BOOL bMapPalette) {
  const int choice = ChooseDartImage(nPlayer);
  if (pDart) {
    const StuckDartImage image = StuckDartFor(choice / 7, choice % 7);
    // Mark the dart's present area dirty before its picture changes.
    pDart->SetPosition(pDart->GetX(), pDart->GetY());
    pDart->Load(image.bitmap);
    if (bMapPalette && pPalette) pDart->RemapToPalette(pPalette);
    pDart->SetHotSpot(image.hotX, image.hotY);
    pDart->SetPosition(m_ptLanding.x, m_ptLanding.y);
  }
  PlaySound(m_bOnBoard ? kHitSound : kMissSound);
}
