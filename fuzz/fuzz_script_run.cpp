// SPDX-License-Identifier: GPL-3.0-or-later
// Runs whatever script the parser accepts through the whole program on the
// headless backend, for a bounded stretch of virtual time: no command the
// parser lets through may crash the driver or the program, whatever its
// numbers, names or order.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "driver.h"
#include "script.h"

namespace fs = std::filesystem;

namespace {

// Enough for a few throws, turns and dialogs; a script may ask for hours.
constexpr DWORD kVirtualMsPerInput = 20000;

// How the driver's end reaches us without ending the process.
struct RunEnded {
  int code;
};

char g_shots[4096];

void RemoveShots() {
  std::error_code ec;
  fs::remove_all(g_shots, ec);
}

fs::path ShotsDirectory() {
  if (g_shots[0] == '\0') {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const std::string pattern = (base / "quintaro-fuzz-shots-XXXXXX").string();
    if (pattern.size() >= sizeof g_shots) std::abort();
    pattern.copy(g_shots, pattern.size());
    if (::mkdtemp(g_shots) == nullptr) std::abort();
    std::atexit(RemoveShots);
  }
  return g_shots;
}

bool UsesOutsideFiles(const Script& script) {
  // A splash picture is copied from a path and the program's working
  // directory changes: not something to do thousands of times a second.
  for (const ScriptCommand& c : script.commands)
    if (c.name == "splash") return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Script script;
  ScriptError error;
  if (!ParseScript(std::string(reinterpret_cast<const char*>(data), size), &script, &error)) return 0;
  if (UsesOutsideFiles(script)) return 0;
  std::ostringstream transcript;
  std::ostringstream complaints;
  auto* const oldCerr = std::cerr.rdbuf(complaints.rdbuf());
  {
    ScenarioDriver driver(std::move(script), ShotsDirectory(), transcript);
    driver.SetTimeLimit(kVirtualMsPerInput);
    driver.SetNetwork(false);
    driver.SetEndHandler([](int code) { throw RunEnded{code}; });
    try {
      driver.Run();
    } catch (const RunEnded& ended) {
      if (ended.code == 2 && complaints.str().find("line ") != std::string::npos &&
          complaints.str().find("must come before start") == std::string::npos &&
          complaints.str().find("needs a running program") == std::string::npos)
        std::abort();  // a command the parser accepted, refused while running
    }
  }
  std::cerr.rdbuf(oldCerr);
  RemoveShots();
  return 0;
}
