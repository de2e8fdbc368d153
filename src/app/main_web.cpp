// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point in a web page. The page keeps the settings file
// in the browser's storage and puts it in place before the program starts.
#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/online/online_log.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/version.h"
#include "platform/host.h"
#include "platform/web/web_backend.h"
#include "platform/web/web_net_transport.h"

// The browser's languages in order of preference, as a LANGUAGE list ("de-DE:en").
// Written into the caller's buffer, cut at its size.
EM_JS(void, quintaro_browser_languages, (char* buffer, int size), {
  const list = (navigator.languages && navigator.languages.length) ? navigator.languages : [navigator.language || "en"];
  stringToUTF8(list.join(":"), buffer, size);
});

namespace {

// Where the page's storage is mirrored (quintaro_pre.js uses the same folder).
constexpr char kWebConfigHome[] = "/settings";

// The running program, for the page's state read-out.
CQuintaroApp* g_app = nullptr;

}  // namespace

// The document's state as JSON (the headless driver's state dump), for
// tests in a browser and for anyone reporting a bug from the page.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quintaro_web_state() {
  static std::string json;
  json = g_app != nullptr ? g_app->Doc().StateJson() : std::string("{}");
  return json.c_str();
}

int main() {
  // The runtime starts with a umask that lets nobody read a new file: the
  // settings file would be saved unreadable. A desktop's usual mask instead.
  ::umask(022);
  ::setenv("XDG_CONFIG_HOME", kWebConfigHome, 1);
  // The page speaks the browser's language unless Options > Language says otherwise.
  char languages[256] = {};
  quintaro_browser_languages(languages, static_cast<int>(sizeof languages));
  ::setenv("LANGUAGE", languages, 1);
  AppOptions options;
  options.showSplash = false;  // the page shows itself while loading
  options.netTransport = MakeWebNetTransport;
  options.roomServer = WebDefaultRoomUrl();
  auto settings = std::make_unique<SettingsStore>(SettingsStore::DefaultPath(kCompanyKey, kApplicationTitle));
  CQuintaroApp app(std::make_unique<Host>(MakeWebBackend(), std::move(settings)), options);
  g_app = &app;
  LogOnlineEvents(app.GetHost(), stdout);
  const int code = app.InitInstance() ? app.Run() : 1;
  g_app = nullptr;
  return code;
}
