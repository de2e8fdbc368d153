// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/server_options.h"

#include <charconv>

#include "net/room_code.h"

namespace {

template <typename T>
std::optional<T> WholeNumber(std::string_view text, T low, T high) {
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::pair<std::string, std::uint16_t>> ParseListenAddress(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  std::string host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return std::nullopt;
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string::npos) {
    return std::nullopt;  // an IPv6 address needs its brackets
  }
  const auto port = WholeNumber<std::uint16_t>(std::string_view(text).substr(colon + 1), 0, 65535);
  if (!port) return std::nullopt;
  return std::pair{host, *port};
}

std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args, std::string& error) {
  ServerOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::size_t eq = arg.find('=');
    const std::string name = arg.substr(0, eq);
    const bool takesValue = name == "--listen" || name == "--idle-minutes" || name == "--code-first";
    std::string value;
    if (takesValue && eq != std::string::npos) {
      value = arg.substr(eq + 1);
    } else if (takesValue) {
      if (i + 1 == args.size()) return error = name + " needs a value", std::nullopt;
      value = args[++i];
    }
    if (name == "--listen") {
      const auto address = ParseListenAddress(value);
      if (!address) return error = "--listen takes ADDRESS:PORT, not '" + value + "'", std::nullopt;
      options.host = address->first;
      options.port = address->second;
    } else if (name == "--idle-minutes") {
      const auto minutes = WholeNumber<int>(value, 1, 7 * 24 * 60);
      if (!minutes) return error = "--idle-minutes takes 1 to 10080, not '" + value + "'", std::nullopt;
      options.idleMinutes = *minutes;
    } else if (name == "--code-first") {
      std::string letters;
      for (char c : value) letters.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
      const bool fromAlphabet = letters.find_first_not_of(kRoomCodeAlphabet) == std::string::npos;
      if (letters.empty() || !fromAlphabet)
        return error = "--code-first takes letters of " + std::string(kRoomCodeAlphabet) + ", not '" + value + "'",
               std::nullopt;
      options.codeFirst = letters;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else {
      return error = "unknown option '" + arg + "'", std::nullopt;
    }
  }
  return options;
}
