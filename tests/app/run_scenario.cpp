// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run_scenario.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <random>

ScenarioResult RunScenario(const std::string& script, const ScenarioOptions& options) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("quintaro-scenario-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  const fs::path file = dir / "script.qts";
  std::ofstream(file) << script;
  std::string command = std::string(QUINTARO_HEADLESS) + " " + file.string() + " --shots " +
                        (options.shotsDir.empty() ? dir : options.shotsDir).string() + " 2>&1";
  if (!options.workDir.empty()) command = "cd '" + options.workDir.string() + "' && " + command;
  ScenarioResult result;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.transcript.append(buffer, n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  if (options.inspectShots) options.inspectShots(dir);
  std::error_code ec;
  fs::remove_all(dir, ec);
  return result;
}
