// SPDX-License-Identifier: GPL-3.0-or-later
// The pool sounds: the cue tip on the ball at three strengths, balls
// clacking hard and soft, cushion thumps, a ball dropping into a pocket and
// the rack being filled, and the room applauding a win or groaning at a loss.
#include "context.h"
#include "core/crowd.h"
#include "core/sound_out.h"
#include "core/synth.h"
#include "games/pool/model/pool_geometry.h"

namespace art {
namespace {

// Phenolic balls meeting: a short, bright clack with a ringing body.
Signal Clack(Rng& rng, float brightness) {
  Signal s = WhiteNoise(0.06f, rng);
  BandPass(s, 2800.f + 1600.f * brightness, 2.5f);
  Decay(s, 0.0002f, 0.002f + 0.002f * brightness);
  Signal ring = Tone(0.12f, 3100.f + 700.f * brightness);
  MixInto(ring, Tone(0.12f, 5200.f, -1.f, Wave::Sine, 0.4f), 0.f);
  Decay(ring, 0.0002f, 0.006f);
  MixInto(s, ring, 0.f, 0.5f);
  return s;
}

// A ball into the rubber: a dull, low thump.
Signal Thump(Rng& rng, float strength) {
  Signal s = WhiteNoise(0.25f, rng);
  LowPass(s, 350.f + 300.f * strength);
  Decay(s, 0.0002f, 0.014f + 0.01f * strength);
  Signal body = Tone(0.25f, 120.f + 40.f * strength, 80.f);
  Decay(body, 0.0002f, 0.02f);
  MixInto(s, body, 0.f, 0.9f);
  // The rail's wood under the rubber.
  MixInto(s, KnockLayer(rng, 650.f + 250.f * strength, 0.006f), 0.f, 2.5f);
  return s;
}

// Leather tip on the cue ball: a soft tock, a crisp tap, or the break's crack.
// Dry: the clatter of a break comes from the collisions themselves.
Signal CueStrike(Rng& rng, float strength) {
  Signal tock = WhiteNoise(0.05f, rng);
  BandPass(tock, 900.f + 1400.f * strength, 1.8f);
  Decay(tock, 0.0004f, 0.003f + 0.003f * strength);
  Signal body = Tone(0.08f, 520.f + 300.f * strength, 420.f);
  Decay(body, 0.0005f, 0.008f);
  Signal s;
  MixInto(s, tock, 0.f, 1.f);
  MixInto(s, body, 0.f, 0.5f);
  return s;
}

// A ball rolling off the felt, thudding into the pocket and rattling down.
Signal PocketDrop(Rng& rng) {
  Signal s = WhiteNoise(0.09f, rng);
  LowPass(s, 500.f);
  Adsr(s, 0.02f, 0.03f, 0.5f, 0.03f);
  Signal thud = Tone(0.2f, 95.f, 70.f);
  Decay(thud, 0.002f, 0.035f);
  MixInto(s, thud, 0.07f, 1.2f);
  MixInto(s, KnockLayer(rng, 800.f, 0.01f), 0.07f, 3.6f);
  float gain = 0.5f;
  for (float at : {0.13f, 0.19f, 0.24f, 0.28f}) {
    MixInto(s, Clack(rng, 0.1f), at, gain);
    gain *= 0.6f;
  }
  return s;
}

// Fifteen balls rolled into the triangle and settled.
Signal Rack(Rng& rng) {
  Signal s = WhiteNoise(0.5f, rng);
  LowPass(s, 700.f);
  Adsr(s, 0.05f, 0.1f, 0.4f, 0.2f);
  for (int i = 0; i < 14; ++i)
    MixInto(s, Clack(rng, rng.Range(0.f, 0.6f)), 0.04f * i + rng.Range(0.f, 0.03f), rng.Range(0.3f, 0.8f));
  MixInto(s, Thump(rng, 0.3f), 0.62f, 0.8f);
  return s;
}

}  // namespace

void MakePoolSounds(Context& ctx) {
  Rng rng(374);
  ResourceSink& sink = ctx.sink;
  constexpr SoundFamily kPool = SoundFamily::Pool;
  // Soft, medium and hard in steps the ear tells apart.
  EmitWave(sink, kPool, pool::kPocketSound, PocketDrop(rng), {.fadeInMs = 4.f});
  EmitWave(sink, kPool, pool::kCushionSoftSound, Thump(rng, 0.f), {.trimDb = -1.5f});
  EmitWave(sink, kPool, pool::kCushionHardSound, Thump(rng, 1.f), {.trimDb = 2.f});
  EmitWave(sink, kPool, pool::kClickHardSound, Clack(rng, 1.f), {.trimDb = 2.f});
  EmitWave(sink, kPool, pool::kClickSoftSound, Clack(rng, 0.f), {.trimDb = -2.f});
  EmitWave(sink, kPool, pool::kCueSoftSound, CueStrike(rng, 0.f), {.trimDb = -2.5f});
  EmitWave(sink, kPool, pool::kCueMediumSound, CueStrike(rng, 0.5f));
  EmitWave(sink, kPool, pool::kCueHardSound, CueStrike(rng, 1.f), {.trimDb = 2.5f});
  EmitWave(sink, kPool, pool::kRackSound, Rack(rng), {.fadeInMs = 4.f});
  EmitWave(sink, kPool, pool::kWinSound, CrowdCheer(1.6f, rng, 0.5f), {.role = Role::Call, .fadeInMs = 10.f});
  EmitWave(sink, kPool, pool::kLossSound, CrowdGroan(1.2f, rng), {.role = Role::Call, .fadeInMs = 10.f});
}

}  // namespace art
