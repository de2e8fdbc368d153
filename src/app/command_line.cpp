// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/version.h"
#include "platform/window_scale.h"

namespace {

constexpr std::string_view kProgram = "quintaro";

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

// The old switches for being started by another program: with one dash or a slash.
bool IsEmbeddingSwitch(std::string_view arg) {
  if (arg.size() < 2 || (arg[0] != '-' && arg[0] != '/') || arg[1] == '-') return false;
  const std::string_view name = arg.substr(1);
  return name == "Embedding" || name == "Automation";
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> args) {
  CommandLine line;
  bool optionsEnd = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool option = !optionsEnd && arg.size() > 1 && arg[0] == '-';
    if (!option && !IsEmbeddingSwitch(arg)) {
      if (!line.openFile.empty()) return Misuse("extra operand '" + std::string(arg) + "'");
      line.openFile = std::string(arg);
    } else if (IsEmbeddingSwitch(arg)) {
      line.showSplash = false;
    } else if (arg == "--") {
      optionsEnd = true;
    } else if (arg == "--help" || arg == "-h") {
      line.action = CommandLine::Action::Help;
      return line;
    } else if (arg == "--version") {
      line.action = CommandLine::Action::Version;
      return line;
    } else if (arg == "--fullscreen" || arg == "-f") {
      line.fullscreen = true;
    } else if (arg == "--zoom" || arg == "-z" || arg.starts_with("--zoom=")) {
      std::string_view value;
      if (arg.starts_with("--zoom=")) {
        value = arg.substr(7);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return Misuse("option '" + std::string(arg) + "' requires an argument");
      }
      line.zoom = ParseZoom(value);
      if (!line.zoom) return Misuse("invalid zoom '" + std::string(value) + "' (choose 1, 2, 3, 4 or fit)");
    } else {
      return Misuse("unrecognized option '" + std::string(arg) + "'");
    }
  }
  return line;
}

std::string UsageText() {
  return "Usage: " + std::string(kProgram) + " [--fullscreen] [--zoom 1|2|3|4|fit] [FILE]\n" +
         "Try '" + std::string(kProgram) + " --help' for more information.\n";
}

std::string HelpText() {
  return "Usage: " + std::string(kProgram) + " [OPTION]... [FILE]\n" +
         "Six table-top sports games: Air Hockey, Basketball, Bowling, Darts,\n"
         "Football and Pool.\n\n"
         "  -f, --fullscreen   start in full screen (F11 or Alt+Enter toggles it)\n"
         "  -z, --zoom N       draw the window N times as large (1, 2, 3 or 4), or\n"
         "                     'fit' for as large as the screen allows\n"
         "  -h, --help         show this help and exit\n"
         "      --version      show the version and exit\n\n"
         "The zoom and full screen chosen in the View menu are remembered in\n"
         "$XDG_CONFIG_HOME/Orvane/Quintaro.ini; the options above apply to one run.\n\n"
         "Exit status: 0 when all went well, 1 when no window could be opened,\n"
         "2 for a misused command line or a display of fewer than 256 colours.\n";
}

std::string VersionText() {
  return std::string(kProgram) + " (" + kProgramTitle + ") " + ProgramVersion() + "\n" + ProgramCopyright() + "\n" +
         kLicenceNotice;
}
