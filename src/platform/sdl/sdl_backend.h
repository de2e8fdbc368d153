#pragma once
// The backend for a real window, over SDL2. Only the program's entry point
// includes this header.
#include <memory>

#include "platform/backend.h"

std::unique_ptr<Backend> MakeSdlBackend();
