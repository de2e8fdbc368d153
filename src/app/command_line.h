// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line, GNU style (getopt_long): --help, --version,
// --fullscreen and --zoom N, with short forms and unambiguous abbreviations.
// Documents carry no data, so the program takes no file operand. Parsing is a
// pure function, so every spelling is testable without a window.
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct CommandLine {
  enum class Action {
    Run,      // start the program
    Help,     // print the help and end (exit 0)
    Version,  // print the version and end (exit 0)
    Misuse,   // print `error` and the short usage and end (exit 2)
  };
  Action action = Action::Run;
  bool showSplash = true;            // off when started for embedding or automation
  std::optional<bool> fullscreen;    // set by --fullscreen
  std::optional<int> zoom;           // set by --zoom: 0 is Fit, 1..4 the zoom
  std::string error;                 // what was wrong, for Misuse
  std::string replayFile;            // set by --replay: a replay to play once started
};

// The arguments after the program name.
CommandLine ParseCommandLine(std::span<const std::string_view> args);

inline constexpr int kExitMisuse = 2;

// What --help, --version and a misuse print.
std::string HelpText();
std::string VersionText();
std::string UsageText();
