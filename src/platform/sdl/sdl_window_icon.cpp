// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_window_icon.h"

#include <SDL_syswm.h>

#include "platform/sdl/sdl_cursors.h"
#include "platform/window_icon.h"

#if defined(QUINTARO_X11) && defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace {

// SDL's own choice when the desktop takes a single picture: 64 pixels or the
// nearest size below.
const CursorImage* SinglePicture(std::span<const CursorImage> icons) {
  const CursorImage* best = nullptr;
  for (const CursorImage& icon : icons)
    if (!best || (icon.width <= 64 && icon.width > best->width)) best = &icon;
  return best;
}

void OfferEverySize(SDL_Window* window, std::span<const CursorImage> icons) {
#if defined(QUINTARO_X11) && defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  const std::vector<unsigned long> data = NetWmIconData(icons);
  if (data.empty()) return;
  Display* display = info.info.x11.display;
  const Atom netWmIcon = XInternAtom(display, "_NET_WM_ICON", False);
  XChangeProperty(display, info.info.x11.window, netWmIcon, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
  XFlush(display);
#else
  (void)window;
  (void)icons;
#endif
}

}  // namespace

void SetSdlWindowIcons(SDL_Window* window, std::span<const CursorImage> icons) {
  const CursorImage* single = SinglePicture(icons);
  if (!single) return;
  if (SdlSurfacePtr surface = SurfaceFromArgb(*single, 1)) SDL_SetWindowIcon(window, surface.get());
  OfferEverySize(window, icons);  // after SDL's, which would replace it
}
