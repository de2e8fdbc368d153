// SPDX-License-Identifier: GPL-3.0-or-later
// The basketball sounds: the swish of the net, the ball against the glass,
// the ball off the padded side, and the horn at the end of a turn.
#include <algorithm>
#include <string>

#include "context.h"
#include "core/synth.h"
#include "games/basketball/model/basketball_geometry.h"

namespace art {
namespace {

// Nothing but net: a quick airy swish, then the cords rattling softly.
Signal Swish(Rng& rng) {
  Signal swish = WhiteNoise(0.35f, rng);
  SweptBandPass(swish, 5200.f, 1800.f, 1.6f);
  Adsr(swish, 0.02f, 0.08f, 0.5f, 0.2f);
  Signal rattle = WhiteNoise(0.3f, rng);
  BandPass(rattle, 3200.f, 5.f);
  Tremolo(rattle, 28.f, 0.8f);
  Decay(rattle, 0.01f, 0.06f);
  Signal s;
  MixInto(s, swish, 0.f, 1.f);
  MixInto(s, rattle, 0.08f, 0.35f);
  return s;
}

// A leather ball against the glass: a dull thump with a short ring of the frame.
Signal Glass(Rng& rng) {
  Signal thump = WhiteNoise(0.12f, rng);
  LowPass(thump, 700.f);
  Decay(thump, 0.001f, 0.02f);
  Signal body = Tone(0.2f, 140.f, 95.f);
  Decay(body, 0.001f, 0.035f);
  Signal ring = Tone(0.25f, 1180.f, 1160.f, Wave::Sine, 0.5f);
  MixInto(ring, Tone(0.25f, 1710.f, -1.f, Wave::Sine, 0.3f), 0.f);
  Decay(ring, 0.001f, 0.05f);
  Signal s;
  MixInto(s, thump, 0.f, 1.f);
  MixInto(s, body, 0.f, 0.9f);
  MixInto(s, ring, 0.002f, 0.18f);
  return s;
}

// The ball off the padded side: a soft, rubbery bounce.
Signal Side(Rng& rng) {
  Signal pop = Tone(0.14f, 210.f, 120.f, Wave::Sine);
  Decay(pop, 0.002f, 0.03f);
  Signal slap = WhiteNoise(0.05f, rng);
  BandPass(slap, 1400.f, 1.2f);
  Decay(slap, 0.0005f, 0.008f);
  Signal s;
  MixInto(s, pop, 0.f, 1.f);
  MixInto(s, slap, 0.f, 0.6f);
  return s;
}

// The arena horn: two reedy tones, held, then let go.
Signal Horn(Rng&) {
  Signal s = Tone(0.9f, 233.f, 231.f, Wave::Saw, 0.5f);
  MixInto(s, Tone(0.9f, 294.f, 292.f, Wave::Square, 0.35f), 0.f);
  MixInto(s, Tone(0.9f, 117.f, -1.f, Wave::Saw, 0.3f), 0.f);
  LowPass(s, 2200.f);
  Tremolo(s, 7.f, 0.06f);
  Adsr(s, 0.02f, 0.05f, 0.9f, 0.15f);
  return s;
}

// Other games share some of these ids; the first family to make one keeps it.
bool Made(const ResourceSink& sink, const std::string& name) {
  const auto& written = sink.Written();
  return std::find(written.begin(), written.end(), name) != written.end();
}

void WaveOnce(Context& ctx, unsigned id, const Signal& s, float peak, float fadeMs = 4.f) {
  if (!Made(ctx.sink, "wave/" + std::to_string(id) + ".wav")) ctx.sink.Wave(id, Finish(s, peak, fadeMs));
}

}  // namespace

bool MadeBitmap(const ResourceSink& sink, unsigned id) { return Made(sink, "bitmap/" + std::to_string(id) + ".bmp"); }

void MakeBasketballSounds(Context& ctx) {
  using namespace basketball;
  Rng rng(363);
  ctx.sink.Wave(kBasketSound, Finish(Swish(rng), 0.8f));
  WaveOnce(ctx, kBoardSound, Glass(rng), 0.85f);
  WaveOnce(ctx, kSideSound, Side(rng), 0.75f);
  WaveOnce(ctx, kTurnOverSound, Horn(rng), 0.7f, 10.f);
}

}  // namespace art
