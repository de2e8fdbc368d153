#pragma once
// Runs a scenario script through the headless driver program and returns its
// transcript and exit code, for tests of whole-program flows.
#include <string>

struct ScenarioResult {
  int exitCode = -1;
  std::string transcript;
  bool Has(const std::string& text) const { return transcript.find(text) != std::string::npos; }
};

ScenarioResult RunScenario(const std::string& script);
