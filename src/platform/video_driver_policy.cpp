// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/video_driver_policy.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool Requested(std::string_view driver, std::string_view list) {
  while (!list.empty()) {
    const auto comma = list.find(',');
    if (SameName(list.substr(0, comma), driver)) return true;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

}  // namespace

std::optional<std::string> RefuseVideoDriver(std::string_view driver, const char* requested) {
  const bool invisible = SameName(driver, "offscreen") || SameName(driver, "dummy");
  if (!invisible || (requested != nullptr && Requested(driver, requested))) return std::nullopt;
  return "no display was found (is DISPLAY or WAYLAND_DISPLAY set?), and SDL's \"" + std::string(driver) +
         "\" video driver shows nothing; set SDL_VIDEODRIVER=" + std::string(driver) +
         " to run without a visible window anyway";
}

std::optional<std::string> WaylandUnreachable(const char* waylandSocket, const char* waylandDisplay,
                                              const char* runtimeDir) {
  const auto isPath = [](const char* value) { return value != nullptr && value[0] == '/'; };
  if ((waylandSocket != nullptr && waylandSocket[0] != '\0') || isPath(waylandDisplay) || isPath(runtimeDir)) {
    return std::nullopt;
  }
  return std::string("XDG_RUNTIME_DIR is not set");
}
