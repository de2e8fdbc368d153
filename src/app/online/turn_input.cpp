// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/turn_input.h"

#include <charconv>

#include "platform/messages.h"

namespace {

// One unsigned or signed decimal number and the space (or end) after it.
template <typename T>
bool TakeNumber(std::string_view& line, T& out) {
  const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), out);
  if (ec != std::errc() || end == line.data()) return false;
  line.remove_prefix(static_cast<std::size_t>(end - line.data()));
  if (!line.empty() && line.front() != ' ') return false;
  if (!line.empty()) line.remove_prefix(1);
  return true;
}

}  // namespace

bool IsTurnInputMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_KEYDOWN || message == WM_KEYUP;
}

std::string WriteTurnInput(const std::vector<TurnInputEvent>& events) {
  std::string text;
  for (const TurnInputEvent& e : events) {
    text += std::to_string(e.tick) + ' ' + std::to_string(e.message) + ' ' + std::to_string(e.wParam) + ' ' +
            std::to_string(e.lParam) + '\n';
  }
  return text;
}

std::optional<std::vector<TurnInputEvent>> ReadTurnInput(std::string_view text, std::string& error) {
  std::vector<TurnInputEvent> events;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty()) continue;
    if (events.size() == kMaxTurnInputLines) return error = "too many input lines", std::nullopt;
    TurnInputEvent e;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    const bool read = TakeNumber(line, e.tick) && TakeNumber(line, e.message) && TakeNumber(line, wParam) &&
                      TakeNumber(line, lParam) && line.empty();
    if (!read) return error = "an input line is not four numbers", std::nullopt;
    if (!IsTurnInputMessage(e.message)) return error = "an input line holds no mouse or key message", std::nullopt;
    if (wParam > 0xFFFF || lParam < INT32_MIN || lParam > INT32_MAX)
      return error = "an input line's parameters are out of range", std::nullopt;
    if (!events.empty() && e.tick < events.back().tick) return error = "input lines out of order", std::nullopt;
    e.wParam = static_cast<WPARAM>(wParam);
    e.lParam = static_cast<LPARAM>(lParam);
    events.push_back(e);
  }
  return events;
}
