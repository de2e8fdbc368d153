// SPDX-License-Identifier: GPL-3.0-or-later
// The air hockey sounds: two knocks of puck on mallet or rail (356, 357),
// the puck set down for a serve (358), the puck dropping into a goal with
// the horn (359), and two waves the set carries but never plays: the blower
// starting up (361) and a short cheer of the crowd (355).
#include "airhockey/airhockey_art.h"
#include "core/crowd.h"
#include "core/sound_out.h"
#include "core/synth.h"
#include "games/airhockey/model/airhockey_geometry.h"

namespace art {

namespace {

// A hard plastic clack: a broadband crack, then a few inharmonic modes of
// the thin puck and mallet shells that die within milliseconds, and the
// hollow of the mallet's cup under them.
Signal Knock(Rng& rng, float pitch, float brightness) {
  Signal crack = WhiteNoise(0.02f, rng);
  HighPass(crack, 1500.f);
  Decay(crack, 0.0001f, 0.0008f);
  Signal s;
  MixInto(s, crack, 0.f, 1.4f);
  for (float ratio : {1.f, 1.47f, 2.09f, 2.56f}) {
    Signal mode = Tone(0.04f, brightness * ratio, brightness * ratio * 0.99f);
    Decay(mode, 0.0001f, 0.0025f / ratio);
    MixInto(s, mode, 0.f, 0.35f / ratio);
  }
  Signal hollow = WhiteNoise(0.1f, rng);
  BandPass(hollow, pitch * 2.f, 6.f);
  Decay(hollow, 0.0002f, 0.006f);
  MixInto(s, hollow, 0.f, 0.2f);
  return s;
}

// The puck laid on the table: a soft tap and the hiss of air under it.
Signal Serve(Rng& rng) {
  Signal tap = Knock(rng, 420.f, 2200.f);
  Signal hiss = WhiteNoise(0.35f, rng);
  HighPass(hiss, 3000.f);
  Decay(hiss, 0.03f, 0.05f);
  Signal s;
  MixInto(s, tap, 0.f, 0.8f);
  MixInto(s, hiss, 0.01f, 0.18f);
  return s;
}

// The puck clatters down the goal chute, then the horn sounds.
Signal GoalHorn(Rng& rng) {
  Signal s;
  float gain = 1.f;
  for (float at : {0.f, 0.06f, 0.1f, 0.13f, 0.15f}) {
    MixInto(s, Knock(rng, 300.f + 200.f * gain, 1800.f), at, gain);
    gain *= 0.7f;
  }
  Signal horn = Tone(0.7f, 233.f, 230.f, Wave::Saw, 0.5f);
  MixInto(horn, Tone(0.7f, 294.f, 291.f, Wave::Square, 0.3f), 0.f);
  LowPass(horn, 1600.f);
  Adsr(horn, 0.02f, 0.08f, 0.8f, 0.15f);
  MixInto(s, horn, 0.22f, 0.7f);
  return s;
}

// The blower spinning up under the table.
Signal Blower(Rng& rng) {
  Signal s = WhiteNoise(1.2f, rng);
  SweptBandPass(s, 200.f, 900.f, 1.2f);
  MixInto(s, Tone(1.2f, 60.f, 120.f, Wave::Saw, 0.2f), 0.f);
  Adsr(s, 0.5f, 0.2f, 0.8f, 0.3f);
  return s;
}

}  // namespace

void MakeAirHockeySounds(Context& ctx) {
  using namespace airhockey;
  Rng rng(356);
  ResourceSink& sink = ctx.sink;
  constexpr SoundFamily kAirHockey = SoundFamily::AirHockey;
  EmitWave(sink, kAirHockey, kHitSound, Knock(rng, 520.f, 3600.f));
  EmitWave(sink, kAirHockey, kBounceSound, Knock(rng, 380.f, 2700.f));
  EmitWave(sink, kAirHockey, kServeSound, Serve(rng));
  EmitWave(sink, kAirHockey, kGoalSound, GoalHorn(rng), {.role = Role::Call});
  EmitWave(sink, kAirHockey, kSpareSound1, Blower(rng), {.fadeInMs = 10.f});
  EmitWave(sink, kAirHockey, kSpareSound2, CrowdCheer(1.2f, rng, 0.4f), {.role = Role::Call, .fadeInMs = 10.f});
}

}  // namespace art
