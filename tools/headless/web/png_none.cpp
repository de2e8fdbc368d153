// SPDX-License-Identifier: GPL-3.0-or-later
// The driver compiled to WebAssembly compares states, not pictures: it
// saves no screenshots (the page's build carries no PNG encoder).
#include "platform/png.h"

bool SavePng(const std::filesystem::path&, const Surface32&) { return false; }
