// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backend for a web page: a canvas, the browser's clock and events, and
// Web Audio. Only the web entry point includes this header.
#include <memory>

#include "platform/backend.h"

std::unique_ptr<Backend> MakeWebBackend();
