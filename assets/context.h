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

}  // namespace art
