// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point in a real window.
#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/online/online_log.h"
#include "app/quintaro_app.h"
#include "app/version.h"
#include "platform/host.h"
#include "platform/net/desktop_transport.h"
#include "platform/sdl/sdl_backend.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CommandLine line = ParseCommandLine(args);
  switch (line.action) {
    case CommandLine::Action::Help: std::cout << HelpText(); return 0;
    case CommandLine::Action::Version: std::cout << VersionText(); return 0;
    case CommandLine::Action::Misuse: std::cerr << "quintaro: " << line.error << '\n' << UsageText(); return kExitMisuse;
    case CommandLine::Action::Run: break;
  }
  AppOptions options;
  options.showSplash = line.showSplash;
  options.zoom = line.zoom;
  options.fullscreen = line.fullscreen;
  options.replayFile = line.replayFile;
  options.netTransport = MakeDesktopTransport;
  options.rejoinOnline = true;
  auto backend = MakeSdlBackend();
  if (!backend) return 1;  // the reason SDL gives is on stderr
  auto settings = std::make_unique<SettingsStore>(SettingsStore::DefaultPath(kCompanyKey, kApplicationTitle));
  CQuintaroApp app(std::make_unique<Host>(std::move(backend), std::move(settings)), options);
  LogOnlineEvents(app.GetHost(), stderr);
  if (!app.InitInstance()) return 1;
  return app.Run();
}
