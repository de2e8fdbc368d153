// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backend for a real window, over SDL2. Only the program's entry point
// includes this header.
#include <memory>

#include "platform/backend.h"

// Null when no window can be opened (no display); the reason goes to stderr.
std::unique_ptr<Backend> MakeSdlBackend();
