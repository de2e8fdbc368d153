// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_wnd.h"

#include "gfx/dib.h"
#include "gfx/file_stream.h"
#include "platform/host.h"
#include "res/resource_ids.h"

CSplashWnd::CSplashWnd(Host& host, const std::filesystem::path& file) : m_host(host), m_pDIB(std::make_unique<CDIB>()) {
  CFile f;
  if (f.Open(file)) {
    // A file that opens but holds no usable picture leaves the placeholder.
    m_pDIB->Load(&f);
  } else {
    m_pDIB->Load(IDB_SPLASH, &host.Resources());
  }
  m_hwnd = host.CreateWindow([this](const MSG& msg) -> LRESULT {
    if (msg.message == WM_PAINT) Paint();
    if (msg.message == WM_TIMER) m_bExpired = true;
    return 0;
  });
  // Centred over the whole window; it may be larger than the window.
  const Surface32& surface = host.WindowSurface();
  const int w = m_pDIB->GetWidth();
  const int h = m_pDIB->GetHeight();
  const int x = (surface.Width() - w) / 2;
  const int y = (surface.Height() - h) / 2;
  m_rect = CRect(x, y, x + w, y + h);
  host.SetTimer(m_hwnd, kSplashTimerId, kSplashMs);
  Paint();
}

CSplashWnd::~CSplashWnd() {
  m_host.KillTimer(m_hwnd, kSplashTimerId);
  m_host.DestroyWindow(m_hwnd);
  Surface32& overlay = m_host.Overlay();
  overlay.Resize(overlay.Width(), overlay.Height(), 0);
  m_host.SetOverlayVisible(false);
  m_host.Present(true);
}

int CSplashWnd::PictureWidth() const { return m_pDIB->GetWidth(); }
int CSplashWnd::PictureHeight() const { return m_pDIB->GetHeight(); }

bool CSplashWnd::IsDismissingInput(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

void CSplashWnd::Paint() {
  // The splash floats over the window in the overlay, so the window beneath
  // is seen unchanged once it goes. Its pixels keep their own colours.
  Surface32& overlay = m_host.Overlay();
  const Surface32& surface = m_host.WindowSurface();
  if (overlay.Width() != surface.Width() || overlay.Height() != surface.Height())
    overlay.Resize(surface.Width(), surface.Height(), 0);
  const auto colors = m_pDIB->GetColors();
  SurfaceView view = overlay.View();
  CRect visible;
  if (colors.empty() || !visible.IntersectRect(m_rect, view.Bounds())) return;
  for (int y = visible.top; y < visible.bottom; ++y) {
    const BYTE* src = m_pDIB->PixelPtr(visible.left - m_rect.left, y - m_rect.top);
    std::uint32_t* dst = view.Row(y);
    for (int x = visible.left; x < visible.right; ++x, ++src) {
      const RGBQUAD& c = colors[*src];
      dst[x] = 0xFF000000u | ToPixel(c.rgbRed, c.rgbGreen, c.rgbBlue);
    }
  }
  m_host.SetOverlayVisible(true);
  m_host.Present(true);
}
