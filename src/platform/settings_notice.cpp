// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_notice.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxNoticeBytes = 16 << 10;  // a note is a few lines; more is not ours
constexpr std::size_t kMaxNotices = 8;

fs::path StateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return state;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return fs::path(home) / ".local" / "state";
  return {};
}

}  // namespace

std::vector<fs::path> SettingsNoticePlaces(const fs::path& settingsFile) {
  const std::string name = settingsFile.filename().string() + ".notice";
  std::vector<fs::path> places{settingsFile.parent_path() / name};
  if (const fs::path state = StateFolder(); !state.empty())
    places.push_back(state / settingsFile.parent_path().filename() / name);
  return places;
}

bool LeaveSettingsNotice(const fs::path& settingsFile, const std::vector<std::string>& texts) {
  for (const fs::path& place : SettingsNoticePlaces(settingsFile)) {
    std::error_code ec;
    fs::create_directories(place.parent_path(), ec);
    std::ofstream out(place, std::ios::binary | std::ios::trunc);
    for (std::string text : texts) {
      std::replace(text.begin(), text.end(), '\n', ' ');  // one problem a line
      out << text << '\n';
    }
    out.flush();
    if (out) return true;
    out.close();
    fs::remove(place, ec);  // a note cut short (a full disk) says nothing sure
  }
  return false;
}

std::vector<std::string> TakeSettingsNotice(const fs::path& settingsFile) {
  std::vector<std::string> texts;
  for (const fs::path& place : SettingsNoticePlaces(settingsFile)) {
    std::error_code ec;
    if (!fs::is_regular_file(place, ec)) continue;
    std::ifstream in(place, std::ios::binary);
    std::string text(kMaxNoticeBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    for (std::size_t at = 0; at < text.size() && texts.size() < kMaxNotices;) {
      const std::size_t eol = std::min(text.find('\n', at), text.size());
      if (eol > at) texts.push_back(text.substr(at, eol - at));
      at = eol + 1;
    }
    in.close();
    fs::remove(place, ec);
  }
  return texts;
}
