// SPDX-License-Identifier: GPL-3.0-or-later
// The air hockey sounds: two knocks of puck on mallet or rail (356, 357),
// the puck set down for a serve (358), the puck dropping into a goal with
// the horn (359), and two waves the set carries but never plays: the blower
// starting up (361) and a short cheer (355).
#include "airhockey/airhockey_art.h"
#include "core/synth.h"
#include "games/airhockey/model/airhockey_geometry.h"

namespace art {

namespace {

// A hard plastic clack: a bright click over a short hollow body.
Signal Knock(Rng& rng, float pitch, float brightness) {
  Signal click = WhiteNoise(0.03f, rng);
  BandPass(click, brightness, 2.5f);
  Decay(click, 0.0002f, 0.0025f);
  Signal body = Tone(0.07f, pitch, pitch * 0.92f, Wave::Triangle);
  Decay(body, 0.0005f, 0.008f);
  Signal s;
  MixInto(s, click, 0.f, 1.f);
  MixInto(s, body, 0.f, 0.7f);
  return s;
}

// The puck laid on the table: a soft tap and the hiss of air under it.
Signal Serve(Rng& rng) {
  Signal tap = Knock(rng, 420.f, 2200.f);
  Signal hiss = WhiteNoise(0.35f, rng);
  HighPass(hiss, 3000.f);
  Adsr(hiss, 0.03f, 0.05f, 0.5f, 0.2f);
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

// A short arcade cheer: a rising arpeggio.
Signal Cheer(Rng&) {
  Signal s;
  const float notes[] = {523.25f, 659.25f, 783.99f, 1046.5f};
  float at = 0.f;
  for (float f : notes) {
    Signal v = Tone(0.16f, f, f, Wave::Square, 0.3f);
    LowPass(v, 3000.f);
    Adsr(v, 0.005f, 0.04f, 0.6f, 0.05f);
    MixInto(s, v, at);
    at += 0.09f;
  }
  return s;
}

}  // namespace

void MakeAirHockeySounds(Context& ctx) {
  using namespace airhockey;
  Rng rng(356);
  ctx.sink.Wave(kHitSound, Finish(Knock(rng, 520.f, 3200.f), 0.85f, 2.f));
  ctx.sink.Wave(kBounceSound, Finish(Knock(rng, 380.f, 2400.f), 0.8f, 2.f));
  ctx.sink.Wave(kServeSound, Finish(Serve(rng), 0.6f));
  ctx.sink.Wave(kGoalSound, Finish(GoalHorn(rng), 0.8f));
  ctx.sink.Wave(kSpareSound1, Finish(Blower(rng), 0.5f));
  ctx.sink.Wave(kSpareSound2, Finish(Cheer(rng), 0.6f));
}

}  // namespace art
