// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving the window surface as a PNG picture (screenshots, contact sheets).
#include <filesystem>

#include "platform/surface.h"

// Writes an 8-bit RGB PNG as a new file under that name (whatever was there,
// a symbolic link too, is replaced); false when it cannot be written.
bool SavePng(const std::filesystem::path& file, const Surface32& image);
