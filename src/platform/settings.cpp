#include "platform/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/settings_ini.h"

namespace fs = std::filesystem;

namespace {

// A settings file is a few hundred bytes; anything past this is not ours.
constexpr std::size_t kMaxFileBytes = 1 << 20;

std::string ReadCapped(const fs::path& file, bool* truncated) {
  std::string text;
  std::ifstream in(file, std::ios::binary);
  if (!in) return text;
  text.resize(kMaxFileBytes + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  *truncated = text.size() > kMaxFileBytes;
  if (*truncated) {
    text.resize(kMaxFileBytes);
    // Drop the cut-off last line rather than read half a value.
    const auto eol = text.rfind('\n');
    text.resize(eol == std::string::npos ? 0 : eol + 1);
  }
  return text;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Replaces `file` with `text` so that a reader sees either the old file or the
// new one, never a mix, and a failure leaves the old file as it was.
bool ReplaceFileAtomically(const fs::path& file, std::string_view text) {
  std::error_code ec;
  const fs::path dir = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  fs::create_directories(dir, ec);
  std::string tempName = (dir / (file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(tempName.data());
  if (fd < 0) return false;
  (void)::fchmod(fd, 0644);  // mkstemp's 0600 is not worth failing for
  bool ok = WriteAll(fd, text) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tempName.c_str(), file.c_str()) == 0;
  if (!ok) {
    ::unlink(tempName.c_str());
    return false;
  }
  // Make the rename itself durable; failing here loses nothing.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

}  // namespace

SettingsStore::SettingsStore(fs::path file) : m_file(std::move(file)) {
  bool truncated = false;
  const std::string text = ReadCapped(*m_file, &truncated);
  IniParseResult parsed = ParseIni(text);
  m_values = std::move(parsed.sections);
  // Parts of the file we could not read must survive our next write.
  m_backupBeforeWrite = truncated || parsed.hadUnreadableLines;
}

fs::path SettingsStore::DefaultPath(const std::string& company, const std::string& app) {
  fs::path base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    base = fs::path(home) / ".config";
  } else {
    base = fs::current_path();
  }
  return base / company / (app + ".ini");
}

std::optional<std::string> SettingsStore::Raw(const std::string& section, const std::string& key) const {
  const auto s = m_values.find(section);
  if (s == m_values.end()) return std::nullopt;
  const auto k = s->second.find(key);
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

int SettingsStore::GetProfileInt(const std::string& section, const std::string& key, int defaultValue) const {
  const auto raw = Raw(section, key);
  return raw ? ParseProfileInt(*raw, defaultValue) : defaultValue;
}

std::string SettingsStore::GetProfileString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue) const {
  return Raw(section, key).value_or(defaultValue);
}

bool SettingsStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
  return WriteProfileString(section, key, std::to_string(value));
}

bool SettingsStore::WriteProfileString(const std::string& section, const std::string& key,
                                       const std::string& value) {
  if (section.empty() || key.empty()) return false;
  m_values[section][key] = value;
  return Save();
}

bool SettingsStore::Save() {
  if (!m_file) return true;
  if (m_backupBeforeWrite) {
    // Keep the file we could not fully understand beside the new one.
    std::error_code ec;
    fs::path backup = *m_file;
    backup += ".bad";
    fs::copy_file(*m_file, backup, fs::copy_options::overwrite_existing, ec);
    if (ec && fs::exists(*m_file)) return false;
    m_backupBeforeWrite = false;
  }
  return ReplaceFileAtomically(*m_file, FormatIni(m_values));
}
