// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <map>
#include <sstream>

namespace {

// Pointer positions travel as 16-bit numbers in mouse messages, as they did
// on the classic system; the view's offset in the window is added to them.
constexpr int kMaxCoordinate = 30000;
// Far beyond any date, and far enough from the end of the range that adding
// the virtual clock's seconds cannot overflow.
constexpr std::int64_t kMaxEpochSeconds = std::int64_t{1} << 62;

bool IsInteger(const std::string& s) { return ScriptCommand::ParseInt(s).has_value(); }
bool IsCount(const std::string& s) { return ScriptCommand::ParseInt(s).value_or(-1) >= 0; }
bool IsCoordinate(const std::string& s) {
  const auto v = ScriptCommand::ParseInt(s);
  return v && *v >= -kMaxCoordinate && *v <= kMaxCoordinate;
}
bool IsEpoch(const std::string& s) {
  const auto v = ScriptCommand::ParseInt64(s);
  return v && *v >= -kMaxEpochSeconds && *v <= kMaxEpochSeconds;
}

// A screenshot's name is a file name inside the shots directory, never a path.
std::string CheckShotName(const std::string& name) {
  if (name.empty()) return "shot needs a name";
  if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos || name == "." || name == "..")
    return "a shot's name is a file name in the shots directory, not a path";
  return "";
}

bool IsOneOf(const std::string& s, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(), [&](const char* w) { return s == w; });
}

// Checks one action at a[i]; returns the number of words it takes, or 0 and the reason.
std::size_t CheckAction(const std::vector<std::string>& a, std::size_t i, bool messageBox, std::string* reason) {
  const std::string& verb = a[i];
  auto has = [&](std::size_t n) { return i + n < a.size(); };
  if (verb == "wait") {
    if (has(1) && IsCount(a[i + 1])) return 2;
    *reason = "wait needs a number of milliseconds";
  } else if (verb == "shot") {
    *reason = has(1) ? CheckShotName(a[i + 1]) : "shot needs a name";
    if (reason->empty()) return 2;
  } else if (verb == "state") {
    return 1;
  } else if (messageBox) {
    *reason = "unknown message box action '" + verb + "'";
  } else if (verb == "click" || verb == "enabled") {
    if (has(1) && IsInteger(a[i + 1])) return 2;
    *reason = verb + " needs a control id";
  } else if (verb == "check" || verb == "track") {
    if (has(2) && IsInteger(a[i + 1]) && IsInteger(a[i + 2])) {
      if (verb == "check" && a[i + 2] != "0" && a[i + 2] != "1") {
        *reason = "check takes 0 or 1";
        return 0;
      }
      return 3;
    }
    *reason = verb + " needs a control id and a number";
  } else if (verb == "text") {
    if (has(2) && IsInteger(a[i + 1])) return 3;
    *reason = "text needs a control id and a string";
  } else {
    *reason = "unknown dialog action '" + verb + "'";
  }
  return 0;
}

// The configuration commands that come before `start`; nullopt for any other command.
std::optional<std::string> CheckConfiguration(const ScriptCommand& c) {
  const auto& a = c.args;
  const std::string& n = c.name;
  if (n == "epoch")
    return a.size() == 1 && IsEpoch(a[0]) ? "" : "expects a whole number of seconds, at most 2^62 either way";
  if (n == "tick") return a.size() == 1 && IsCount(a[0]) ? "" : "expects a whole number, 0 or more";
  if (n == "display") return a.size() == 1 && IsOneOf(a[0], {"4", "8", "32"}) ? "" : "display takes 4, 8 or 32";
  if (n == "nosound") return a.empty() ? "" : "takes no arguments";
  if (n == "splash") return a.size() == 1 ? "" : "expects one argument";
  if (n == "language") return a.size() == 1 && IsOneOf(a[0], {"en", "de", "es", "fr", "he"}) ? "" : "language takes en, de, es, fr or he";
  if (n == "setting") {
    if (a.size() != 3) return "expects SECTION KEY VALUE";
    // A value is a whole number, or a string in double quotes.
    const bool quoted = c.quoted.size() == 3 && c.quoted[2];
    return quoted || IsInteger(a[2]) ? "" : "the value is a whole number or a quoted string";
  }
  return std::nullopt;
}

std::string CheckExpect(const std::vector<std::string>& a) {
  if (!a.empty() && a[0] == "state") return a.size() == 3 ? "" : "expect state takes a key and a value";
  if (a.size() != 2) return "expect takes a subject and a value";
  if (a[0] == "status") return "";
  if (a[0] == "states") return a[1] == "equal" ? "" : "expect states takes 'equal'";
  if (a[0] == "cursor" || a[0] == "screen") return IsInteger(a[1]) ? "" : "expects a number";
  return "unknown expectation '" + a[0] + "'";
}

// Returns an empty string when the command is well formed, else the reason.
std::string Check(const ScriptCommand& c) {
  if (auto reason = CheckConfiguration(c)) return *reason;
  const auto& a = c.args;
  auto ints = [&](std::size_t n) {
    if (a.size() != n) return std::string("expects ") + std::to_string(n) + " argument(s)";
    for (const auto& s : a)
      if (!IsInteger(s)) return std::string("expects whole numbers");
    return std::string();
  };
  const std::string& n = c.name;
  if (n == "wait") return a.size() == 1 && IsCount(a[0]) ? "" : "expects a whole number, 0 or more";
  if (n == "srand" || n == "menu") return ints(1);
  if (IsOneOf(n, {"start", "state", "settings", "quit", "restart"})) return a.empty() ? "" : "takes no arguments";
  if (n == "shot") return a.size() == 1 ? CheckShotName(a[0]) : "expects one argument";
  if (n == "replay") {
    if (a.size() != 2 || (a[0] != "save" && a[0] != "open")) return "expects save or open and a file name";
    return CheckShotName(a[1]);
  }
  if (IsOneOf(n, {"down", "up", "move", "click", "rdown", "rup"})) {
    if (std::string reason = ints(2); !reason.empty()) return reason;
    return IsCoordinate(a[0]) && IsCoordinate(a[1]) ? "" : "coordinates lie within -30000..30000";
  }
  if (n == "key") {
    if (a.size() == 1) return IsInteger(a[0]) ? "" : "expects a key code";
    if (a.size() == 2 && (a[0] == "down" || a[0] == "up") && IsInteger(a[1])) return "";
    return "expects [down|up] N";
  }
  if (n == "window") {
    return a.size() == 1 && IsOneOf(a[0], {"blur", "focus", "minimise", "restore"})
               ? ""
               : "window takes blur, focus, minimise or restore";
  }
  if (n == "answer") return CheckModalActions(a, 0, true);
  if (n == "dialog") return a.empty() || !IsInteger(a[0]) ? "dialog needs an id" : CheckModalActions(a, 1, false);
  if (n == "expect") return CheckExpect(a);
  if (n == "online") return CheckOnlineCommand(a);
  return "unknown command '" + n + "'";
}

}  // namespace

std::optional<int> ScriptCommand::ParseInt(const std::string& word) {
  const auto wide = ParseInt64(word);
  if (!wide || *wide < std::numeric_limits<int>::min() || *wide > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(*wide);
}

std::optional<std::int64_t> ScriptCommand::ParseInt64(const std::string& word) {
  // A leading '+' is allowed; anything past the range is not a number.
  const char* first = word.data() + (word.starts_with('+') ? 1 : 0);
  const char* last = word.data() + word.size();
  const bool afterPlus = first != word.data();
  if (first == last || *first == '+' || (afterPlus && *first == '-')) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

std::string CheckModalActions(const std::vector<std::string>& a, std::size_t first, bool messageBox) {
  std::size_t i = first;
  while (i < a.size()) {
    const std::string& verb = a[i];
    const bool closes = messageBox ? IsOneOf(verb, {"ok", "yes", "no", "cancel"}) : IsOneOf(verb, {"ok", "cancel"});
    if (closes) return i + 1 == a.size() ? "" : "nothing may follow " + verb;
    std::string reason;
    const std::size_t words = CheckAction(a, i, messageBox, &reason);
    if (words == 0) return reason;
    i += words;
  }
  return messageBox ? "answer ends with ok, yes, no or cancel" : "a dialog script ends with ok or cancel";
}

std::optional<std::vector<std::string>> SplitWords(const std::string& line) {
  auto words = SplitQuotedWords(line);
  if (!words) return std::nullopt;
  std::vector<std::string> texts;
  for (ScriptWord& w : *words) texts.push_back(std::move(w.text));
  return texts;
}

std::optional<std::vector<ScriptWord>> SplitQuotedWords(const std::string& line) {
  std::vector<ScriptWord> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (std::isspace(static_cast<unsigned char>(line[i]))) { ++i; continue; }
    if (line[i] == '#') break;
    std::string word;
    const bool quoted = line[i] == '"';
    if (quoted) {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return std::nullopt;
      word = line.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) word += line[i++];
    }
    words.push_back({std::move(word), quoted});
  }
  return words;
}

bool IsConfigurationCommand(const std::string& name) {
  return IsOneOf(name, {"epoch", "tick", "setting", "display", "nosound", "splash", "language"});
}

bool ParseScript(const std::string& text, Script* script, ScriptError* error) {
  std::istringstream in(text);
  std::string line;
  int number = 0;
  bool started = false;
  while (std::getline(in, line)) {
    ++number;
    auto words = SplitQuotedWords(line);
    if (!words) { *error = {number, "unclosed quote"}; return false; }
    if (words->empty()) continue;
    ScriptCommand cmd{number, words->front().text, {}, {}};
    for (std::size_t w = 1; w < words->size(); ++w) {
      cmd.args.push_back((*words)[w].text);
      cmd.quoted.push_back((*words)[w].quoted);
    }
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
