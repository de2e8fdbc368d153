// SPDX-License-Identifier: GPL-3.0-or-later
// A build without the desktop's fonts: the built-in glyphs only.
#include "platform/glyph_fallback.h"

std::unique_ptr<GlyphFallback> MakeSystemGlyphFallback() { return nullptr; }
