// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <getopt.h>

#include <vector>

#include "app/version.h"
#include "platform/window_scale.h"

namespace {

constexpr std::string_view kProgram = "quintaro";
constexpr int kVersionOption = 256;  // --version has no short form
constexpr int kReplayOption = 257;   // nor has --replay

constexpr option kLongOptions[] = {
    {"fullscreen", no_argument, nullptr, 'f'},
    {"zoom", required_argument, nullptr, 'z'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersionOption},
    {"replay", required_argument, nullptr, kReplayOption},
    {nullptr, 0, nullptr, 0},
};
// The leading ':' makes a missing argument distinguishable from an unknown option.
constexpr char kShortOptions[] = ":fz:h";

// "1".."4" or "fit"; nullopt for anything else.
std::optional<int> ParseZoom(std::string_view text) {
  if (text == "fit") return kZoomFit;
  if (text.size() == 1 && text[0] >= '1' && text[0] <= '0' + kMaxZoom) return text[0] - '0';
  return std::nullopt;
}

CommandLine Misuse(std::string error) {
  CommandLine line;
  line.action = CommandLine::Action::Misuse;
  line.error = std::move(error);
  return line;
}

// The old switches for being started by another program: with one dash or a
// slash. getopt would read "-Embedding" as a row of short options.
bool IsEmbeddingSwitch(std::string_view arg) {
  if (arg.size() < 2 || (arg[0] != '-' && arg[0] != '/') || arg[1] == '-') return false;
  const std::string_view name = arg.substr(1);
  return name == "Embedding" || name == "Automation";
}

// What getopt refused, in its own words but on our terms.
std::string Refusal(int code, int badOption, std::string_view arg) {
  if (!arg.starts_with("--")) {
    const std::string name(1, static_cast<char>(badOption));
    return code == ':' ? "option requires an argument -- '" + name + "'" : "invalid option -- '" + name + "'";
  }
  const std::string name(arg.substr(0, arg.find('=')));
  if (code == ':') return "option '" + name + "' requires an argument";
  if (badOption != 0) return "option '" + name + "' doesn't allow an argument";
  return "unrecognized or ambiguous option '" + std::string(arg) + "'";
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> args) {
  CommandLine line;
  // getopt wants a writable argv with the program name first.
  std::vector<std::string> words{std::string(kProgram)};
  for (const std::string_view arg : args) {
    if (IsEmbeddingSwitch(arg))
      line.showSplash = false;
    else
      words.emplace_back(arg);
  }
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  optind = 0;  // a fresh scan, also when parsed before
  opterr = 0;  // the messages are ours
  for (;;) {
    const int code = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr);
    if (code == -1) break;
    switch (code) {
      case 'h': line.action = CommandLine::Action::Help; return line;
      case kVersionOption: line.action = CommandLine::Action::Version; return line;
      case 'f': line.fullscreen = true; break;
      case kReplayOption: line.replayFile = optarg; break;
      case 'z':
        line.zoom = ParseZoom(optarg);
        if (!line.zoom) return Misuse("invalid zoom '" + std::string(optarg) + "' (choose 1, 2, 3, 4 or fit)");
        break;
      default: return Misuse(Refusal(code, optopt, argv[static_cast<std::size_t>(optind - 1)]));
    }
  }
  // The program has no documents to open: an operand is a mistake, not ignored.
  if (optind < argc) return Misuse("extra operand '" + words[static_cast<std::size_t>(optind)] + "'");
  return line;
}

std::string UsageText() {
  return "Usage: " + std::string(kProgram) + " [--fullscreen] [--zoom=1|2|3|4|fit]\n" + "Try '" +
         std::string(kProgram) + " --help' for more information.\n";
}

std::string HelpText() {
  return "Usage: " + std::string(kProgram) + " [OPTION]...\n" +
         "Six table-top sports games: Air Hockey, Basketball, Bowling, Darts,\n"
         "Football and Pool.\n\n"
         "  -f, --fullscreen   start in full screen (F11 or Alt+Enter toggles it,\n"
         "                     Escape leaves it)\n"
         "  -z, --zoom=N       draw the window N times as large (1, 2, 3 or 4), or\n"
         "                     'fit' for as large as the screen allows\n"
         "      --replay=FILE  play the replay FILE (a .qreplay of Game > Save Replay)\n"
         "                     once the program has started; Escape stops it\n"
         "  -h, --help         show this help and exit\n"
         "      --version      show the version and exit\n\n"
         "Long options may be shortened while they stay unambiguous (--zoom=2,\n"
         "--zoom 2, --zo=2, -z2 and -z 2 are the same). The program takes no other file.\n\n"
         "The window's size, whether it is maximised, the zoom and full screen are\n"
         "remembered in $XDG_CONFIG_HOME/Orvane/Quintaro.ini; the options above\n"
         "apply to one run.\n\n"
         "Exit status: 0 when all went well, 1 when no window could be opened,\n"
         "2 for a misused command line or a display of fewer than 256 colours.\n";
}

std::string VersionText() {
  return std::string(kProgram) + " (" + kProgramTitle + ") " + ProgramVersion() + "\n" + ProgramCopyright() + "\n" +
         kLicenceNotice;
}
