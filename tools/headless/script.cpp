#include "script.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace {

bool IsInteger(const std::string& s) {
  if (s.empty() || s.size() > 10) return false;
  const std::size_t start = (s[0] == '-' || s[0] == '+') ? 1 : 0;
  return start < s.size() && std::all_of(s.begin() + static_cast<long>(start), s.end(),
                                         [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool IsOneOf(const std::string& s, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(), [&](const char* w) { return s == w; });
}

// Checks one dialog action list: click C | check C 0|1 | text C "..." | track C P, then ok|cancel.
std::string CheckDialogActions(const std::vector<std::string>& a) {
  std::size_t i = 1;
  while (i < a.size()) {
    const std::string& verb = a[i];
    if (verb == "ok" || verb == "cancel") return i + 1 == a.size() ? "" : "nothing may follow ok or cancel";
    if (verb == "click") {
      if (i + 1 >= a.size() || !IsInteger(a[i + 1])) return "click needs a control id";
      i += 2;
    } else if (verb == "check" || verb == "track") {
      if (i + 2 >= a.size() || !IsInteger(a[i + 1]) || !IsInteger(a[i + 2]))
        return verb + " needs a control id and a number";
      if (verb == "check" && a[i + 2] != "0" && a[i + 2] != "1") return "check takes 0 or 1";
      i += 3;
    } else if (verb == "text") {
      if (i + 2 >= a.size() || !IsInteger(a[i + 1])) return "text needs a control id and a string";
      i += 3;
    } else {
      return "unknown dialog action '" + verb + "'";
    }
  }
  return "a dialog script ends with ok or cancel";
}

// Returns an empty string when the command is well formed, else the reason.
std::string Check(const ScriptCommand& c) {
  const auto& a = c.args;
  auto ints = [&](std::size_t n) {
    if (a.size() != n) return std::string("expects ") + std::to_string(n) + " argument(s)";
    for (const auto& s : a)
      if (!IsInteger(s)) return std::string("expects whole numbers");
    return std::string();
  };
  const std::string& n = c.name;
  if (n == "epoch" || n == "tick" || n == "srand" || n == "menu" || n == "wait") return ints(1);
  if (n == "display") {
    if (a.size() != 1 || !IsOneOf(a[0], {"4", "8", "32"})) return "display takes 4, 8 or 32";
    return "";
  }
  if (n == "nosound" || n == "start" || n == "state" || n == "quit") return a.empty() ? "" : "takes no arguments";
  if (n == "splash" || n == "shot") return a.size() == 1 ? "" : "expects one argument";
  if (n == "setting") return a.size() == 3 ? "" : "expects SECTION KEY VALUE";
  if (IsOneOf(n, {"down", "up", "move", "click", "rdown", "rup"})) return ints(2);
  if (n == "key") {
    if (a.size() == 1) return IsInteger(a[0]) ? "" : "expects a key code";
    if (a.size() == 2 && (a[0] == "down" || a[0] == "up") && IsInteger(a[1])) return "";
    return "expects [down|up] N";
  }
  if (n == "answer") {
    return a.size() == 1 && IsOneOf(a[0], {"ok", "yes", "no", "cancel"}) ? "" : "answer takes ok, yes, no or cancel";
  }
  if (n == "dialog") {
    if (a.empty() || !IsInteger(a[0])) return "dialog needs an id";
    return CheckDialogActions(a);
  }
  if (n == "expect") {
    if (a.size() != 2) return "expect takes a subject and a value";
    if (a[0] == "status") return "";
    if (a[0] == "cursor" || a[0] == "screen") return IsInteger(a[1]) ? "" : "expects a number";
    return "unknown expectation '" + a[0] + "'";
  }
  return "unknown command '" + n + "'";
}

}  // namespace

std::optional<std::vector<std::string>> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (std::isspace(static_cast<unsigned char>(line[i]))) { ++i; continue; }
    if (line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return std::nullopt;
      word = line.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

bool IsConfigurationCommand(const std::string& name) {
  return IsOneOf(name, {"epoch", "tick", "setting", "display", "nosound", "splash"});
}

bool ParseScript(const std::string& text, Script* script, ScriptError* error) {
  std::istringstream in(text);
  std::string line;
  int number = 0;
  bool started = false;
  while (std::getline(in, line)) {
    ++number;
    auto words = SplitWords(line);
    if (!words) { *error = {number, "unclosed quote"}; return false; }
    if (words->empty()) continue;
    ScriptCommand cmd{number, words->front(), {words->begin() + 1, words->end()}};
    if (std::string reason = Check(cmd); !reason.empty()) { *error = {number, reason}; return false; }
    if (started && IsConfigurationCommand(cmd.name)) {
      *error = {number, "'" + cmd.name + "' must come before start"};
      return false;
    }
    if (cmd.name == "start") {
      if (started) { *error = {number, "start given twice"}; return false; }
      started = true;
    }
    script->commands.push_back(std::move(cmd));
  }
  return true;
}
