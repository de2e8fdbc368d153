#pragma once
// Scenario scripts of the headless driver: one command a line, `#` comments,
// words separated by spaces, double quotes around words with spaces.
#include <optional>
#include <string>
#include <vector>

struct ScriptCommand {
  int line = 0;
  std::string name;               // "click", "wait", "expect", ...
  std::vector<std::string> args;  // the words after the name, quotes removed

  int Int(std::size_t i) const { return std::stoi(args.at(i)); }
};

struct Script {
  std::vector<ScriptCommand> commands;
};

struct ScriptError {
  int line = 0;
  std::string reason;
};

// Splits a line into words; nullopt when a quote is not closed.
std::optional<std::vector<std::string>> SplitWords(const std::string& line);
// Parses and checks a whole script; on a malformed line returns false and fills `error`.
bool ParseScript(const std::string& text, Script* script, ScriptError* error);
// True for the commands that must come before `start`.
bool IsConfigurationCommand(const std::string& name);
