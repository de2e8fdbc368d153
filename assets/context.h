// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every picture family gets: the quantiser and the place to write to.
#include "core/quantise.h"
#include "core/writers.h"

namespace art {

struct Context {
  Quantiser& quant;
  ResourceSink& sink;
};

// The picture and sound families.
void MakeShellArt(Context& ctx);
void MakeDartsArt(Context& ctx);
void MakeDartsSounds(Context& ctx);
void MakePlayfields(Context& ctx);

}  // namespace art
