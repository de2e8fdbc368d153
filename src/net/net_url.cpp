// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/net_url.h"

#include <algorithm>
#include <cctype>

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && text.size() <= 5 &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool HostCharsOk(std::string_view host) {
  return !host.empty() && host.size() <= 253 && std::all_of(host.begin(), host.end(), [](unsigned char c) {
    return std::isalnum(c) != 0 || c == '.' || c == '-' || c == ':' || c == '_';
  });
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<NetUrl> ParseNetUrl(std::string_view url) {
  NetUrl out;
  if (url.starts_with("ws://")) {
    url.remove_prefix(5);
  } else if (url.starts_with("wss://")) {
    out.secure = true;
    url.remove_prefix(6);
  } else {
    return std::nullopt;
  }
  const std::size_t slash = url.find('/');
  std::string_view authority = url.substr(0, slash);
  out.path = slash == std::string_view::npos ? std::string("/") : std::string(url.substr(slash));
  if (out.path.find_first_of(" \t\r\n") != std::string::npos) return std::nullopt;
  std::string_view port;
  if (authority.starts_with("[")) {  // [::1]:8152
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    out.host = std::string(authority.substr(1, close - 1));
    std::string_view rest = authority.substr(close + 1);
    if (!rest.empty() && !rest.starts_with(":")) return std::nullopt;
    if (!rest.empty()) port = rest.substr(1);
  } else {
    const std::size_t colon = authority.rfind(':');
    out.host = std::string(authority.substr(0, colon));
    if (colon != std::string_view::npos) port = authority.substr(colon + 1);
    if (colon != std::string_view::npos && port.empty()) return std::nullopt;
    if (out.host.find(':') != std::string::npos) return std::nullopt;
  }
  if (!HostCharsOk(out.host)) return std::nullopt;
  if (port.empty()) {
    out.port = out.secure ? "443" : "80";
  } else if (AllDigits(port) && std::stoi(std::string(port)) <= 65535) {
    out.port = std::string(port);
  } else {
    return std::nullopt;
  }
  return out;
}

std::string RoomUrl(std::string_view typed) {
  typed = Trim(typed);
  std::string url;
  if (typed.starts_with("ws://") || typed.starts_with("wss://")) {
    url = std::string(typed);
  } else if (typed.starts_with("http://") || typed.starts_with("https://")) {
    // The address of the page the rooms are served beside: the same host.
    url.append(typed.starts_with("https") ? "wss" : "ws").append(typed.substr(typed.find(':')));
  } else if (typed.find("://") != std::string_view::npos) {
    return {};
  } else {
    // A bare host is a server of ours on its usual port.
    const std::size_t slash = typed.find('/');
    const std::string_view authority = typed.substr(0, slash);
    const std::string_view rest = slash == std::string_view::npos ? std::string_view() : typed.substr(slash);
    const bool hasPort = authority.starts_with("[") ? authority.find("]:") != std::string_view::npos
                                                     : authority.find(':') != std::string_view::npos;
    url.append("ws://").append(authority);
    if (!hasPort) url.append(":").append(kDefaultRoomPort);
    url.append(rest);
  }
  const auto parsed = ParseNetUrl(url);
  if (!parsed) return {};
  // No path, or only the root: the rooms' own path.
  if (parsed->path == "/") {
    const std::size_t slash = url.find('/', url.find("//") + 2);
    if (slash != std::string::npos) url.resize(slash);
    url.append(kRoomPath);
  }
  return url;
}
