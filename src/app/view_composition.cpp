// SPDX-License-Identifier: GPL-3.0-or-later
// The view's frame composition: the playfield is copied into the off-screen
// frame buffer, the sprites are drawn over it back to front, and composed
// rectangles are converted to the window surface's 32-bit pixels.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/quintaro_view.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

namespace {

// Outline colour of the dirty-rectangle debug view.
constexpr std::uint32_t kOutlinePixel = 0x00FF00FF;

bool OutlineRequested() {
  const char* value = std::getenv("QUINTARO_DEBUG_DIRTY");
  return value && std::strcmp(value, "1") == 0;
}

}  // namespace

CQuintaroView::CQuintaroView(Host& host) : m_host(host), m_bOutlineDirty(OutlineRequested()) {}

CQuintaroView::~CQuintaroView() { DiscardDirtyRects(); }

void CQuintaroView::AttachScene(CSpriteList* pSprites, const BOOL* pbTrueColor) {
  m_pSprites = pSprites;
  m_pbTrueColor = pbTrueColor;
}

bool CQuintaroView::IsTrueColor() const {
  // Without a document the display itself decides.
  if (!m_pbTrueColor) return !m_host.Caps().paletteDevice;
  return *m_pbTrueColor != FALSE;
}

void CQuintaroView::ReleaseFrame() {
  m_pOffscreen.reset();
  m_pPalette.reset();
  m_pFrameInfo.reset();
  m_bRealized = false;
}

BOOL CQuintaroView::CreateFrameBuffer(CDIB* pBackground) {
  if (!pBackground || !pBackground->GetHeader()) {
    ReleaseFrame();
    return FALSE;
  }
  auto info = std::make_unique<FrameInfo>();
  info->header = *pBackground->GetHeader();
  info->header.biClrUsed = 0;
  for (int i = 0; i < 256; ++i) info->indices[i] = static_cast<WORD>(i);
  m_pFrameInfo = std::move(info);

  // The palette comes from the playfield's own colours, before any remap.
  m_pPalette.reset();
  auto palette = std::make_unique<CDIBPal>();
  if (!palette->Create(pBackground)) {
    ReleaseFrame();
    return FALSE;
  }
  palette->MakeIdentity(m_host);
  m_paletteLut = LutFromEntries(palette->Entries());
  m_pPalette = std::move(palette);
  m_bRealized = false;

  m_pOffscreen.reset();
  auto frame = std::make_unique<CDIB>();
  if (!frame->CreateLike(*pBackground)) {
    ReleaseFrame();
    return FALSE;
  }
  m_pOffscreen = std::move(frame);
  return TRUE;
}

BOOL CQuintaroView::SetBackground(CDIB* pBackground) {
  m_pBackground = pBackground;
  if (!CreateFrameBuffer(pBackground)) return FALSE;
  if (!IsTrueColor()) pBackground->RemapToPalette(m_pPalette.get());
  RenderRect(nullptr);
  BlitRect(nullptr);
  return TRUE;
}

void CQuintaroView::RemapAllSprites() {
  if (m_pPalette && m_pSprites && !IsTrueColor()) {
    for (auto it = m_pSprites->rbegin(); it != m_pSprites->rend(); ++it) (*it)->RemapToPalette(m_pPalette.get());
  }
  RenderRect(nullptr);
  BlitRect(nullptr);
}

void CQuintaroView::RenderRect(const CRect* pRect) {
  if (!m_pOffscreen || !m_pBackground) return;
  // Never past the playfield, nor past a frame buffer of another size.
  CRect r(0, 0, std::min(m_pBackground->GetWidth(), m_pOffscreen->GetWidth()),
          std::min(m_pBackground->GetHeight(), m_pOffscreen->GetHeight()));
  if (pRect && !r.IntersectRect(r, *pRect)) return;
  if (r.IsRectEmpty()) return;
  CDIB* frame = m_pOffscreen.get();
  m_pBackground->BlitTo(frame, r.left, r.top, r.Width(), r.Height(), r.left, r.top, kNoKey);
  if (!m_pSprites) return;
  for (auto it = m_pSprites->rbegin(); it != m_pSprites->rend(); ++it) (*it)->Render(frame, &r);
}

const ColorLut& CQuintaroView::DisplayLut() {
  if (!m_host.Caps().paletteDevice) return m_paletteLut;
  // Realise the identity palette in the foreground whenever someone else
  // changed the system palette since we last did.
  SystemPalette& system = m_host.Palette();
  if (m_pPalette && (!m_bRealized || system.Generation() != m_realizedGeneration)) {
    system.RealizeForeground(m_pPalette->Entries());
    m_realizedGeneration = system.Generation();
    m_bRealized = true;
  }
  return system.Lut();
}

void CQuintaroView::BlitRect(const CRect* pRect) {
  if (!m_pOffscreen || !m_pFrameInfo) return;
  const CRect& view = m_host.ViewRect();
  // The clip box: the part of the view that lies on the window surface, in view coordinates.
  CRect clip;
  if (!clip.IntersectRect(view, m_host.WindowSurface().Bounds())) return;
  clip.OffsetRect(-view.left, -view.top);

  const CRect client(0, 0, view.Width(), view.Height());
  CRect r;
  if (!r.IntersectRect(pRect ? *pRect : client, clip)) return;
  // The last column and row of the frame never reach the window.
  if (!r.IntersectRect(r, CRect(0, 0, m_pOffscreen->GetWidth() - 1, m_pOffscreen->GetHeight() - 1))) return;

  const ColorLut& lut = DisplayLut();
  CRect onSurface(r);
  onSurface.OffsetRect(view.left, view.top);
  ConvertIndexedRect(*m_pOffscreen, r, lut, m_host.DrawOnSurface(onSurface), onSurface.left, onSurface.top);
  m_host.Present();
}

void CQuintaroView::AddDirtyRect(const CRect* pRect) {
  if (pRect) m_dirtyRects.Add(*pRect);
}

void CQuintaroView::FlushDirtyRects() {
  while (!m_dirtyRects.IsEmpty()) {
    const CRect r = m_dirtyRects.PopNewest();
    RenderRect(&r);
    BlitRect(&r);
    if (m_bOutlineDirty) OutlineOnWindow(r);
  }
}

void CQuintaroView::DiscardDirtyRects() { m_dirtyRects.RemoveAll(); }

void CQuintaroView::OutlineOnWindow(const CRect& rect) {
  const CRect& view = m_host.ViewRect();
  CRect onSurface(rect);
  onSurface.OffsetRect(view.left, view.top);
  CRect visible;
  if (!visible.IntersectRect(onSurface, view) || !visible.IntersectRect(visible, m_host.WindowSurface().Bounds()))
    return;
  const SurfaceView surface = m_host.DrawOnSurface(visible);
  for (int x = visible.left; x < visible.right; ++x) {
    if (onSurface.top == visible.top) surface.Row(visible.top)[x] = kOutlinePixel;
    if (onSurface.bottom == visible.bottom) surface.Row(visible.bottom - 1)[x] = kOutlinePixel;
  }
  for (int y = visible.top; y < visible.bottom; ++y) {
    if (onSurface.left == visible.left) surface.Row(y)[visible.left] = kOutlinePixel;
    if (onSurface.right == visible.right) surface.Row(y)[visible.right - 1] = kOutlinePixel;
  }
}
