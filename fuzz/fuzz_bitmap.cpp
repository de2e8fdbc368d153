// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to both bitmap readers: a .bmp file stream (as the
// user's splash.bmp is read) and the resource layout of the program's pack.
// Whatever is accepted must be a whole picture that can be drawn.
#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/dib.h"
#include "gfx/file_stream.h"
#include "gfx/palette.h"

namespace {

void Exercise(CDIB& dib) {
  // Touch every pixel and use the colour table the way the program does.
  CDIB frame;
  if (!frame.Create(dib.GetWidth(), dib.GetHeight())) __builtin_trap();
  dib.BlitTo(&frame, 0, 0, dib.GetWidth(), dib.GetHeight(), 0, 0, PALETTEINDEX(*dib.PixelPtr(0, 0)));
  CDIBPal pal;
  if (pal.Create(&dib)) dib.RemapToPalette(&pal);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const BYTE> bytes(data, size);
  {
    CDIB dib;
    CMemFile file(bytes);
    if (dib.Load(&file)) Exercise(dib);
  }
  {
    CDIB dib;
    if (dib.LoadResourceBytes(bytes)) Exercise(dib);
  }
  return 0;
}
