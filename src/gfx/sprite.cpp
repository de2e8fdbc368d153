// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/sprite.h"

#include <algorithm>

CSprite::CSprite() : CSprite(0, 0, 0, 0, 0, 1) {}

CSprite::CSprite(int x, int y, int z, int nCels) : CSprite(x, y, z, 0, 0, nCels) {}

CSprite::CSprite(int x, int y, int z, int xHot, int yHot, int nCels)
    : m_x(x), m_y(y), m_z(z), m_xHot(xHot), m_yHot(yHot) {
  SetCelCount(nCels);
}

CSprite::~CSprite() = default;

void CSprite::RefreshKey(const CDIB* pCel) {
  if (!pCel) return;
  if (const BYTE* p = pCel->PixelPtr(0, 0)) m_byKey = *p;
}

void CSprite::Notify(UINT nChange, const CRect* pOld, const CRect* pNew) {
  if (m_pObserver) m_pObserver->OnSpriteChanged(this, nChange, pOld, pNew);
}

void CSprite::DeleteCels() {
  m_cels.clear();
  m_pCel = nullptr;
}

void CSprite::SetCelCount(int nCels) {
  DeleteCels();
  for (int i = 0; i < std::max(nCels, 0); ++i) m_cels.push_back(std::make_unique<CDIB>());
  m_nCel = 0;
  m_pCel = m_cels.empty() ? nullptr : m_cels.front().get();
}

BOOL CSprite::Load(UINT nResId, HINSTANCE hInst) {
  if (!m_pCel || !m_pCel->Load(nResId, hInst)) return FALSE;
  RefreshKey(m_pCel);
  return TRUE;
}

BOOL CSprite::LoadCel(UINT nResId, int nCel, HINSTANCE hInst) {
  if (nCel < 0 || nCel >= GetCelCount()) return FALSE;
  auto& slot = m_cels[static_cast<std::size_t>(nCel)];
  slot.reset();
  if (nCel == m_nCel) m_pCel = nullptr;
  auto cel = std::make_unique<CDIB>();
  if (!cel->Load(nResId, hInst)) return FALSE;
  return SetCelImage(nCel, std::move(cel));
}

BOOL CSprite::SetCelImage(int nCel, std::unique_ptr<CDIB> pCel) {
  if (nCel < 0 || nCel >= GetCelCount() || !pCel) return FALSE;
  RefreshKey(pCel.get());
  m_cels[static_cast<std::size_t>(nCel)] = std::move(pCel);
  m_pCel = m_cels[static_cast<std::size_t>(m_nCel)].get();
  return TRUE;
}

BOOL CSprite::SetCel(int nCel) {
  if (nCel < 0 || nCel >= GetCelCount()) return FALSE;
  CRect old;
  GetRect(&old);
  m_nCel = nCel;
  m_pCel = m_cels[static_cast<std::size_t>(nCel)].get();
  Notify(SPRITE_CHANGE_IMAGE, &old, nullptr);
  return TRUE;
}

void CSprite::SetPosition(int x, int y) {
  CRect old;
  GetRect(&old);
  m_x = x - m_xHot;
  m_y = y - m_yHot;
  CRect now;
  GetRect(&now);
  Notify(SPRITE_CHANGE_POSITION, &old, &now);
}

void CSprite::SetDepth(int z) {
  if (z == m_z) return;
  m_z = z;
  Notify(SPRITE_CHANGE_DEPTH, nullptr, nullptr);
}

void CSprite::GetRect(CRect* pRect) const {
  if (!m_pCel || !pRect) return;
  pRect->SetRect(m_x, m_y, m_x + m_pCel->GetWidth(), m_y + m_pCel->GetHeight());
}

void CSprite::GetInclusiveRect(CRect* pRect) const {
  if (!m_pCel || !pRect) return;
  pRect->SetRect(m_x, m_y, m_x + m_pCel->GetWidth() - 1, m_y + m_pCel->GetHeight() - 1);
}

BOOL CSprite::HitTest(int x, int y) const {
  if (!m_pCel) return FALSE;
  if (!(m_x < x && x < m_x + m_pCel->GetWidth() && m_y < y && y < m_y + m_pCel->GetHeight())) return FALSE;
  const BYTE* p = m_pCel->PixelPtr(x - m_x, y - m_y);
  return p && *p != m_byKey ? TRUE : FALSE;
}

BOOL CSprite::Overlaps(const CSprite* pOther, BOOL bPixels) const {
  if (!pOther || !m_pCel || !pOther->m_pCel) return FALSE;
  CRect a, b;
  GetInclusiveRect(&a);
  pOther->GetInclusiveRect(&b);
  a.NormalizeRect();
  b.NormalizeRect();
  // Inclusive corners compared strictly: sharing one row or column is no overlap.
  const int left = std::max(a.left, b.left);
  const int top = std::max(a.top, b.top);
  const int right = std::min(a.right, b.right);
  const int bottom = std::min(a.bottom, b.bottom);
  if (!(left < right && top < bottom)) return FALSE;
  if (!bPixels) return TRUE;

  for (int y = bottom; y >= top; --y) {
    for (int x = left; x <= right; ++x) {
      const BYTE* mine = m_pCel->PixelPtr(x - m_x, y - m_y);
      const BYTE* theirs = pOther->m_pCel->PixelPtr(x - pOther->m_x, y - pOther->m_y);
      if (mine && theirs && *mine != m_byKey && *theirs != m_byKey) return TRUE;
    }
  }
  return FALSE;
}

void CSprite::Render(CDIB* pDest, const CRect* pClip) const {
  if (!m_pCel || !pDest) return;
  CRect r;
  GetRect(&r);
  if (pClip && !r.IntersectRect(r, *pClip)) return;
  CRect dest;
  pDest->GetRect(&dest);
  if (!r.IntersectRect(r, dest)) return;
  m_pCel->BlitTo(pDest, r.left, r.top, r.Width(), r.Height(), r.left - m_x, r.top - m_y,
                 PALETTEINDEX(m_byKey));
}

BOOL CSprite::RemapToPalette(const CPalette* pPal) {
  for (auto& cel : m_cels) {
    if (cel) cel->RemapToPalette(pPal);
  }
  if (!m_pCel) return FALSE;
  RefreshKey(m_pCel);
  return TRUE;
}
