// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a scenario script through the headless driver program and returns its
// transcript and exit code, for tests of whole-program flows.
#include <filesystem>
#include <functional>
#include <string>

struct ScenarioResult {
  int exitCode = -1;
  std::string transcript;
  bool Has(const std::string& text) const { return transcript.find(text) != std::string::npos; }
};

struct ScenarioOptions {
  std::filesystem::path workDir;  // where the driver runs (default: the test's own directory)
  std::filesystem::path shotsDir;  // --shots (default: a scratch directory)
  // Sees the screenshots directory before it is removed.
  std::function<void(const std::filesystem::path& shots)> inspectShots;
};

ScenarioResult RunScenario(const std::string& script, const ScenarioOptions& options = {});
