// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_mode.h"

#include "platform/host.h"
#include "platform/window_scale.h"
#include "res/resource_ids.h"
#include "ui/cmd_ui.h"

namespace {

constexpr const char* kWindowSection = "Window";
constexpr const char* kZoomKey = "Zoom";
constexpr const char* kFullscreenKey = "FullScreen";

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
  Apply();
}

bool CWindowMode::OnCommand(UINT id) {
  if (id == ID_VIEW_FULLSCREEN) {
    // Full screen made by the window manager is left the same way as ours.
    m_fullscreen = !Fullscreen();
  } else if (const std::optional<int> zoom = ZoomOfCommand(id)) {
    // A zoom is a window size: choosing one in full screen goes back to a window.
    m_zoom = *zoom;
    m_fullscreen = false;
  } else {
    return false;
  }
  Apply();
  Store();
  return true;
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

void CWindowMode::Apply() { m_host.GetBackend().SetWindowMode(m_zoom, m_fullscreen); }

void CWindowMode::Store() {
  SettingsStore& settings = m_host.Settings();
  settings.WriteProfileInt(kWindowSection, kZoomKey, m_zoom);
  settings.WriteProfileInt(kWindowSection, kFullscreenKey, m_fullscreen ? 1 : 0);
}
