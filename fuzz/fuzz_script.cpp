// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the scenario-script parser: nothing may crash, and
// a script it accepts must run: every number it let through fits the command.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "script.h"

namespace {

// The argument positions each command reads as an int.
std::vector<std::size_t> IntPositions(const ScriptCommand& c) {
  const std::string& n = c.name;
  if (n == "srand" || n == "menu") return {0};
  if (n == "setting" && !(c.quoted.size() == 3 && c.quoted[2])) return {2};
  if (n == "down" || n == "up" || n == "move" || n == "click" || n == "rdown" || n == "rup") return {0, 1};
  if (n == "key") return {c.args.size() - 1};
  if (n == "dialog") return {0};
  if (n == "expect" && (c.args.at(0) == "cursor" || c.args.at(0) == "screen")) return {1};
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Script script;
  ScriptError error;
  if (!ParseScript(text, &script, &error)) {
    if (error.line <= 0) std::abort();  // a rejected script names its line
    return 0;
  }
  for (const ScriptCommand& c : script.commands) {
    // Accepted, yet the driver could not read it.
    for (std::size_t i : IntPositions(c))
      if (!ScriptCommand::ParseInt(c.args.at(i))) std::abort();
    if (c.name == "wait" && !ScriptCommand::ParseInt64(c.args.at(0))) std::abort();
  }
  return 0;
}
