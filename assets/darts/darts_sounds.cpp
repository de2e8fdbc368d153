// SPDX-License-Identifier: GPL-3.0-or-later
// The darts sounds: a miss, a dart into the board, a bust, a win and the
// click of a dart taken from the tray.
#include "context.h"
#include "core/crowd.h"
#include "core/sound_out.h"
#include "core/synth.h"
#include "games/darts/model/dart_geometry.h"
#include "registry.h"

namespace art {
namespace {

// A dart thudding into the wall beside the board and clattering to the floor.
Signal Miss(Rng& rng) {
  Signal s = WhiteNoise(0.09f, rng);
  LowPass(s, 900.f);
  Decay(s, 0.0002f, 0.018f);
  Signal body = Tone(0.12f, 170.f, 120.f);
  Decay(body, 0.0002f, 0.025f);
  MixInto(s, body, 0.f, 0.8f);
  MixInto(s, KnockLayer(rng, 750.f, 0.006f), 0.f, 0.7f);
  // The clatter: a few small taps, each quieter than the last.
  const float taps[] = {0.22f, 0.31f, 0.37f, 0.41f};
  float gain = 0.8f;
  for (float at : taps) {
    Signal tap = WhiteNoise(0.03f, rng);
    BandPass(tap, 2600.f, 3.f);
    Decay(tap, 0.0005f, 0.005f);
    MixInto(s, tap, at, gain);
    gain *= 0.65f;
  }
  MixInto(s, Signal(static_cast<std::size_t>(Samples(0.05f)), 0.f), 0.45f);
  return s;
}

// The solid "thunk" of a steel point going into sisal.
Signal Hit(Rng& rng) {
  Signal click = WhiteNoise(0.02f, rng);
  BandPass(click, 3200.f, 1.5f);
  Decay(click, 0.0003f, 0.003f);
  Signal thud = WhiteNoise(0.3f, rng);
  LowPass(thud, 600.f);
  Decay(thud, 0.0005f, 0.022f);
  Signal body = Tone(0.35f, 230.f, 150.f);
  Decay(body, 0.0005f, 0.03f);
  Signal s;
  MixInto(s, click, 0.f, 0.9f);
  MixInto(s, thud, 0.f, 1.2f);
  MixInto(s, body, 0.f, 0.7f);
  // Sisal is firm: the board knocks in the middle of the band.
  MixInto(s, KnockLayer(rng, 1000.f, 0.006f), 0.f, 0.6f);
  // The flight quivering for a moment.
  Signal quiver = Tone(0.3f, 38.f);
  Signal buzz = WhiteNoise(0.3f, rng);
  BandPass(buzz, 1200.f, 4.f);
  for (std::size_t i = 0; i < buzz.size(); ++i) buzz[i] *= 0.5f + 0.5f * quiver[i];
  Decay(buzz, 0.005f, 0.03f);
  MixInto(s, buzz, 0.01f, 0.25f);
  return s;
}

// A harsh two-tone buzzer.
Signal Bust(Rng&) {
  Signal s = Tone(0.75f, 98.f, 96.f, Wave::Square, 0.5f);
  MixInto(s, Tone(0.75f, 104.f, 101.f, Wave::Saw, 0.5f), 0.f);
  LowPass(s, 1800.f);
  Adsr(s, 0.01f, 0.05f, 0.85f, 0.12f);
  return s;
}

// A brass fanfare over a cheering crowd.
Signal Win(Rng& rng) {
  Signal s;
  struct Note {
    float at, len, freq;
  };
  const Note notes[] = {{0.00f, 0.14f, 523.25f}, {0.15f, 0.14f, 659.25f}, {0.30f, 0.14f, 783.99f},
                        {0.45f, 0.60f, 1046.5f}, {0.45f, 0.60f, 659.25f}, {0.45f, 0.60f, 783.99f}};
  for (const Note& n : notes) {
    Signal v = Tone(n.len, n.freq, n.freq * 1.002f, Wave::Saw, 0.35f);
    MixInto(v, Tone(n.len, n.freq * 0.5f, -1.f, Wave::Square, 0.12f), 0.f);
    LowPass(v, 2600.f);
    Tremolo(v, 6.f, 0.12f);
    Adsr(v, 0.015f, 0.06f, 0.7f, 0.06f);
    MixInto(s, v, n.at);
  }
  // The pub cheering.
  MixInto(s, CrowdCheer(1.9f, rng, 0.5f), 0.35f, 0.7f);
  return s;
}

// A light clack as a dart is lifted from the wooden tray, and a short swish.
Signal PickUp(Rng& rng) {
  Signal clack = WhiteNoise(0.05f, rng);
  BandPass(clack, 1900.f, 6.f);
  Decay(clack, 0.0004f, 0.006f);
  Signal knock = Tone(0.12f, 820.f, 700.f);
  Decay(knock, 0.0005f, 0.01f);
  Signal swish = WhiteNoise(0.25f, rng);
  SweptBandPass(swish, 1500.f, 4000.f, 2.f);
  Decay(swish, 0.04f, 0.015f);
  Signal s;
  MixInto(s, clack, 0.f, 1.f);
  MixInto(s, knock, 0.f, 0.6f);
  MixInto(s, swish, 0.03f, 0.25f);
  return s;
}

}  // namespace

void MakeDartsSounds(Context& ctx) {
  using namespace darts;
  Rng rng(kMissSound);
  ResourceSink& sink = ctx.sink;
  constexpr SoundFamily kDarts = SoundFamily::Darts;
  EmitWave(sink, kDarts, kMissSound, Miss(rng));
  EmitWave(sink, kDarts, kHitSound, Hit(rng));
  EmitWave(sink, kDarts, kBustSound, Bust(rng), {.role = Role::Call, .fadeInMs = 4.f});
  EmitWave(sink, kDarts, kWinSound, Win(rng), {.role = Role::Call, .fadeInMs = 8.f});
  EmitWave(sink, kDarts, kPickSound, PickUp(rng));
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("darts sounds", MakeDartsSounds);
}  // namespace

}  // namespace art
