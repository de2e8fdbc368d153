// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_ini.h"

#include <climits>
#include <cstdint>

namespace {

constexpr std::string_view kSpaces = " \t";

std::string_view TrimLeft(std::string_view s) {
  const auto at = s.find_first_not_of(kSpaces);
  return at == std::string_view::npos ? std::string_view{} : s.substr(at);
}

std::string_view TrimRight(std::string_view s) {
  const auto at = s.find_last_not_of(kSpaces);
  return at == std::string_view::npos ? std::string_view{} : s.substr(0, at + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Backslash escapes keep every byte representable on one line. `special` lists
// the characters that would otherwise end the field ('=' in keys, ']' in
// section names); spaces at either end are escaped so trimming cannot eat them.
std::string Escape(std::string_view s, std::string_view special) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const bool edgeSpace = (c == ' ' || c == '\t') && (i == 0 || i + 1 == s.size());
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c == 0x7F || edgeSpace || special.find(static_cast<char>(c)) != std::string_view::npos ||
               (i == 0 && (c == ';' || c == '#' || c == '['))) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c != '\\' || i + 1 == s.size()) {
      out += c;
      continue;
    }
    const char e = s[++i];
    switch (e) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      case 'x': {
        const int hi = i + 1 < s.size() ? HexDigit(s[i + 1]) : -1;
        const int lo = i + 2 < s.size() ? HexDigit(s[i + 2]) : -1;
        if (hi < 0 || lo < 0) {
          out += "\\x";  // not an escape after all: keep it as written
        } else {
          out += static_cast<char>(hi * 16 + lo);
          i += 2;
        }
        break;
      }
      default:
        // Hand-written backslashes (paths) stay as they are.
        out += '\\';
        out += e;
        break;
    }
  }
  return out;
}

}  // namespace

IniParseResult ParseIni(std::string_view text) {
  IniParseResult result;
  std::map<std::string, std::string>* section = nullptr;
  while (!text.empty()) {
    const auto eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = TrimRight(TrimLeft(line));
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;

    if (line.front() == '[') {
      std::optional<std::string> name = SectionHeaderName(line);
      if (!name) {
        result.hadUnreadableLines = true;
        section = nullptr;  // keys below a broken header belong nowhere
        continue;
      }
      section = &result.sections[std::move(*name)];
      continue;
    }
    const auto eq = line.find('=');
    if (section == nullptr || eq == std::string_view::npos || eq == 0) {
      result.hadUnreadableLines = true;
      continue;
    }
    std::string key = Unescape(TrimRight(line.substr(0, eq)));
    std::string value = Unescape(TrimLeft(line.substr(eq + 1)));
    section->emplace(std::move(key), std::move(value));
  }
  return result;
}

std::optional<std::string> SectionHeaderName(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  line = TrimRight(TrimLeft(line));
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  std::string name = Unescape(TrimRight(TrimLeft(line.substr(1, line.size() - 2))));
  if (name.empty()) return std::nullopt;
  return name;
}

std::size_t FormattedLineLength(const std::string& key, const std::string& value) {
  return Escape(key, "=").size() + 1 + Escape(value, "").size();
}

std::size_t FormattedHeaderLength(const std::string& section) { return Escape(section, "]").size() + 2; }

std::string FormatIni(const IniSections& sections) {
  std::string out;
  for (const auto& [name, keys] : sections) {
    if (keys.empty()) continue;
    out += '[';
    out += Escape(name, "]");
    out += "]\n";
    for (const auto& [key, value] : keys) {
      out += Escape(key, "=");
      out += '=';
      out += Escape(value, "");
      out += '\n';
    }
    out += '\n';
  }
  return out;
}

int ParseProfileInt(std::string_view text, int defaultValue) {
  text = TrimLeft(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() < '0' || text.front() > '9') return defaultValue;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > static_cast<std::int64_t>(INT_MAX) + 1) break;  // saturates below
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}
