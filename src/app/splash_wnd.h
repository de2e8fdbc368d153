// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window: a picture shown over the main frame at start-up, gone
// after three seconds or at the first key or mouse press, which it consumes.
#include <filesystem>
#include <memory>

#include "platform/messages.h"
#include "platform/rect.h"

class CDIB;
class Host;

inline constexpr UINT kSplashTimerId = 1;
inline constexpr UINT kSplashMs = 3000;

class CSplashWnd {
 public:
  // Loads the picture from `file` if it can be opened, else bitmap 102, and
  // shows it centred over the frame.
  CSplashWnd(Host& host, const std::filesystem::path& file);
  ~CSplashWnd();
  CSplashWnd(const CSplashWnd&) = delete;
  CSplashWnd& operator=(const CSplashWnd&) = delete;

  // True when the message dismisses the splash; the message is then consumed.
  static bool IsDismissingInput(UINT message);
  HWND Window() const { return m_hwnd; }
  const CRect& Placement() const { return m_rect; }
  int PictureWidth() const;
  int PictureHeight() const;
  void Paint();
  // The three seconds are over; the application closes the splash.
  bool Expired() const { return m_bExpired; }

 private:
  Host& m_host;
  std::unique_ptr<CDIB> m_pDIB;
  HWND m_hwnd = HWND_NONE;
  bool m_bExpired = false;
  CRect m_rect;  // on the window surface
};
