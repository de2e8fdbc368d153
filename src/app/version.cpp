// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/version.h"

#include "version_config.h"

const char* ProgramVersion() { return QUINTARO_VERSION; }
const char* ProgramCopyright() { return QUINTARO_COPYRIGHT; }
