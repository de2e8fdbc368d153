// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_mode.h"

#include "platform/host.h"
#include "platform/window_placement.h"
#include "platform/window_scale.h"
#include "res/resource_ids.h"
#include "ui/cmd_ui.h"

namespace {

constexpr const char* kWindowSection = "Window";
constexpr const char* kZoomKey = "Zoom";
constexpr const char* kFullscreenKey = "FullScreen";
constexpr const char* kWidthKey = "Width";
constexpr const char* kHeightKey = "Height";
constexpr const char* kMaximizedKey = "Maximized";

// The zoom a View > Zoom command picks, or nullopt when it is none of them.
std::optional<int> ZoomOfCommand(UINT id) {
  if (id == ID_VIEW_ZOOM_FIT) return kZoomFit;
  if (id >= ID_VIEW_ZOOM_1X && id <= ID_VIEW_ZOOM_4X) return static_cast<int>(id - ID_VIEW_ZOOM_1X) + 1;
  return std::nullopt;
}

}  // namespace

CWindowMode::CWindowMode(Host& host) : m_host(host) {}

void CWindowMode::Restore(std::optional<int> zoom, std::optional<bool> fullscreen) {
  const SettingsStore& settings = m_host.Settings();
  m_zoom = ClampZoom(zoom.value_or(settings.GetProfileInt(kWindowSection, kZoomKey, kZoomFit)));
  m_fullscreen = fullscreen.value_or(settings.GetProfileInt(kWindowSection, kFullscreenKey, 0) != 0);
  if (zoom) {
    Apply(WindowSizing::ToZoom);
    return;
  }
  RestorePlacement();
}

void CWindowMode::RestorePlacement() {
  const SettingsStore& settings = m_host.Settings();
  const WindowPlacement stored{settings.GetProfileInt(kWindowSection, kWidthKey, 0),
                               settings.GetProfileInt(kWindowSection, kHeightKey, 0),
                               settings.GetProfileInt(kWindowSection, kMaximizedKey, 0) != 0};
  const Surface32& surface = m_host.WindowSurface();
  Backend& backend = m_host.GetBackend();
  const auto placement = SanePlacement(stored, SIZE{surface.Width(), surface.Height()}, backend.UsableScreen());
  if (!placement) {
    Apply(WindowSizing::ToZoom);  // a first run: the zoom decides
    return;
  }
  backend.SetPlacement(*placement);
  Apply(WindowSizing::Keep);
}

void CWindowMode::StorePlacement() {
  const WindowPlacement placement = m_host.GetBackend().Placement();
  if (placement.width <= 0 || placement.height <= 0) return;  // never shown: nothing learnt
  SettingsStore& settings = m_host.Settings();
  SettingsGroup group(settings);  // one save: a size never pairs with another run's maximised state
  settings.WriteProfileInt(kWindowSection, kWidthKey, placement.width);
  settings.WriteProfileInt(kWindowSection, kHeightKey, placement.height);
  settings.WriteProfileInt(kWindowSection, kMaximizedKey, placement.maximized ? 1 : 0);
}

bool CWindowMode::OnCommand(UINT id) {
  WindowSizing sizing = WindowSizing::Keep;
  if (id == ID_VIEW_FULLSCREEN) {
    // Full screen made by the window manager is left the same way as ours,
    // back to the window the player had.
    m_fullscreen = !Fullscreen();
  } else if (const std::optional<int> zoom = ZoomOfCommand(id)) {
    // A zoom is a window size: choosing one in full screen goes back to a window.
    m_zoom = *zoom;
    m_fullscreen = false;
    sizing = WindowSizing::ToZoom;
  } else {
    return false;
  }
  Apply(sizing);
  Store();
  return true;
}

bool CWindowMode::LeaveFullscreen() {
  if (!Fullscreen()) return false;
  return OnCommand(ID_VIEW_FULLSCREEN);
}

bool CWindowMode::OnUpdateCommand(CCmdUI& cmdUI) const {
  if (cmdUI.m_nID == ID_VIEW_FULLSCREEN) {
    cmdUI.SetCheck(Fullscreen() ? 1 : 0);
    return true;
  }
  const std::optional<int> zoom = ZoomOfCommand(cmdUI.m_nID);
  if (!zoom) return false;
  cmdUI.SetCheck(*zoom == m_zoom ? 1 : 0);
  return true;
}

bool CWindowMode::Fullscreen() const { return m_fullscreen || m_host.GetBackend().FullscreenByDesktop(); }

void CWindowMode::Apply(WindowSizing sizing) { m_host.GetBackend().SetWindowMode(m_zoom, m_fullscreen, sizing); }

void CWindowMode::Store() {
  SettingsStore& settings = m_host.Settings();
  SettingsGroup group(settings);  // one save: the zoom and full screen belong together
  settings.WriteProfileInt(kWindowSection, kZoomKey, m_zoom);
  settings.WriteProfileInt(kWindowSection, kFullscreenKey, m_fullscreen ? 1 : 0);
}
