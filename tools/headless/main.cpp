// SPDX-License-Identifier: GPL-3.0-or-later
// quintaro-headless: runs the whole program on virtual time from a script.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "driver.h"
#include "script.h"

namespace {

constexpr const char* kUsage = "usage: quintaro-headless SCRIPT [--shots DIR] [--follow]\n";

[[noreturn]] void Reject(int line, const std::string& reason) {
  std::cout.flush();
  std::cerr << "line " << line << ": " << reason << "\n";
  std::exit(2);
}

// With --follow the script arrives on standard input as it is written: the
// lines up to `start` configure the program, and every later line is read
// when the commands before it have run, so a program at the other end of the
// pipe can answer what it saw (a model of a player, say).
std::string ReadUpToStart(int& lines) {
  std::string text, line;
  while (std::getline(std::cin, line)) {
    ++lines;
    text += line + "\n";
    const auto words = SplitWords(line);
    if (words && !words->empty() && words->front() == "start") break;
  }
  return text;
}

bool FollowLine(Script& script, int& lines) {
  std::string line;
  if (!std::getline(std::cin, line)) return false;
  ++lines;
  Script one;
  ScriptError error;
  if (!ParseScript(line, &one, &error)) Reject(lines, error.reason);
  for (ScriptCommand& cmd : one.commands) {
    if (cmd.name == "start" || IsConfigurationCommand(cmd.name)) Reject(lines, "'" + cmd.name + "' must come before start");
    cmd.line = lines;
    script.commands.push_back(std::move(cmd));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string scriptPath;
  std::filesystem::path shots = ".";
  bool follow = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--shots" && i + 1 < argc) shots = argv[++i];
    else if (arg == "--follow") follow = true;
    else if (scriptPath.empty()) scriptPath = arg;
    else { std::cerr << kUsage; return 2; }
  }
  if (scriptPath.empty() || (follow && scriptPath != "-")) { std::cerr << kUsage; return 2; }
  std::stringstream text;
  int lines = 0;
  if (follow) {
    text << ReadUpToStart(lines);
  } else if (scriptPath == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream in(scriptPath);
    if (!in) { std::cerr << "cannot read " << scriptPath << "\n"; return 2; }
    text << in.rdbuf();
  }
  Script script;
  ScriptError error;
  if (!ParseScript(text.str(), &script, &error)) {
    std::cerr << "line " << error.line << ": " << error.reason << "\n";
    return 2;
  }
  ScenarioDriver driver(std::move(script), shots, std::cout);
  if (follow) driver.SetFollow([&lines](Script& more) { return FollowLine(more, lines); });
  return driver.Run();
}
