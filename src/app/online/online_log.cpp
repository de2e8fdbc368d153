// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/online_log.h"

#include <string>

#include "platform/host.h"

void LogOnlineEvents(Host& host, std::FILE* out) {
  host.onEvent = [out](const std::string& event) {
    if (event.rfind("online ", 0) != 0) return;
    std::fprintf(out, "quintaro: %s\n", event.c_str());
    std::fflush(out);
  };
}
