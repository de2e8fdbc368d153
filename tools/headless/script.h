// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenario scripts of the headless driver: one command a line, `#` comments,
// words separated by spaces, double quotes around words with spaces.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ScriptCommand {
  int line = 0;
  std::string name;               // "click", "wait", "expect", ...
  std::vector<std::string> args;  // the words after the name, quotes removed
  std::vector<bool> quoted;       // per argument: it was written in double quotes

  // A whole-number argument; the parser has checked that it fits.
  int Int(std::size_t i) const { return ParseInt(args.at(i)).value_or(0); }
  static std::optional<int> ParseInt(const std::string& word);
  static std::optional<std::int64_t> ParseInt64(const std::string& word);
};

// Empty when the words after `online` make a command, else the reason.
std::string CheckOnlineCommand(const std::vector<std::string>& args);

struct Script {
  std::vector<ScriptCommand> commands;
};

struct ScriptError {
  int line = 0;
  std::string reason;
};

struct ScriptWord {
  std::string text;
  bool quoted = false;
};

// Splits a line into words; nullopt when a quote is not closed.
std::optional<std::vector<std::string>> SplitWords(const std::string& line);
std::optional<std::vector<ScriptWord>> SplitQuotedWords(const std::string& line);
// Parses and checks a whole script; on a malformed line returns false and fills `error`.
bool ParseScript(const std::string& text, Script* script, ScriptError* error);
// True for the commands that must come before `start`.
bool IsConfigurationCommand(const std::string& name);
// Checks the actions of a `dialog` or `answer` command from `first` on;
// empty when they are well formed, else the reason.
std::string CheckModalActions(const std::vector<std::string>& words, std::size_t first, bool messageBox);
