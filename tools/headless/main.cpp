// SPDX-License-Identifier: GPL-3.0-or-later
// quintaro-headless: runs the whole program on virtual time from a script.
#include <fstream>
#include <iostream>
#include <sstream>

#include "driver.h"
#include "script.h"

int main(int argc, char** argv) {
  std::string scriptPath;
  std::filesystem::path shots = ".";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--shots" && i + 1 < argc) shots = argv[++i];
    else if (scriptPath.empty()) scriptPath = arg;
    else { std::cerr << "usage: quintaro-headless SCRIPT [--shots DIR]\n"; return 2; }
  }
  if (scriptPath.empty()) { std::cerr << "usage: quintaro-headless SCRIPT [--shots DIR]\n"; return 2; }
  std::stringstream text;
  if (scriptPath == "-") {
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
  return driver.Run();
}
