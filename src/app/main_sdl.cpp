// The program's entry point in a real window.
#include <cstring>
#include <iostream>

#include "app/quintaro_app.h"
#include "app/version.h"
#include "platform/host.h"
#include "platform/sdl/sdl_backend.h"

int main(int argc, char** argv) {
  AppOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    while (!arg.empty() && (arg[0] == '-' || arg[0] == '/')) arg.erase(0, 1);
    if (arg == "Embedding" || arg == "Automation") {
      options.showSplash = false;
    } else if (arg == "help" || arg == "h") {
      std::cout << "usage: quintaro [FILE.qtp]\n";
      return 0;
    } else if (argv[i][0] != '-') {
      options.openFile = argv[i];
    }
  }
  auto backend = MakeSdlBackend();
  if (!backend) {
    std::cerr << "quintaro: cannot open a window\n";
    return 1;
  }
  auto settings = std::make_unique<SettingsStore>(SettingsStore::DefaultPath(kCompanyKey, kApplicationTitle));
  CQuintaroApp app(std::make_unique<Host>(std::move(backend), std::move(settings)), options);
  if (!app.InitInstance()) return 1;
  return app.Run();
}
