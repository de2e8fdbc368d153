// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/backend.h"

#include <cstdio>
#include <cstdlib>

void Backend::ExitProcess(int code) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::exit(code);
}
