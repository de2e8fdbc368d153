// SPDX-License-Identifier: GPL-3.0-or-later
// The bowling sounds: the ball set down and rolling at four speeds, the pins
// crashing in three sizes, the gutter, the crowd at a strike or spare, the
// game-over cadence, the thud of a ball dropped short and the ball return.
#include <algorithm>

#include "bowling/bowling_art.h"
#include "core/crowd.h"
#include "core/sound_out.h"
#include "core/synth.h"
#include "games/bowling/model/bowl_geometry.h"

namespace art {
namespace {

// A heavy ball set down on the boards: a thud with the wood's knock in it.
Signal Release(Rng& rng) {
  Signal thud = WhiteNoise(0.25f, rng);
  LowPass(thud, 400.f);
  Decay(thud, 0.0002f, 0.03f);
  Signal body = Tone(0.3f, 95.f, 60.f);
  Decay(body, 0.0002f, 0.04f);
  Signal s;
  MixInto(s, thud, 0.f, 1.2f);
  MixInto(s, body, 0.f, 0.9f);
  MixInto(s, KnockLayer(rng, 700.f, 0.01f), 0.f, 2.6f);
  return s;
}

// The ball rolling: a low rumble with the boards' rattle in it, turning
// faster for a faster ball, held until the game stops it at the pins or the
// pit (each is long enough for the slowest ball of its speed).
Signal Roll(Rng& rng, float seconds, float turnsPerSec) {
  Signal rumble = WhiteNoise(seconds, rng);
  LowPass(rumble, 180.f);
  Signal boards = WhiteNoise(seconds, rng);
  BandPass(boards, 520.f, 1.3f);
  Tremolo(boards, turnsPerSec, 0.5f);
  MixInto(rumble, boards, 0.f, 0.5f);
  Tremolo(rumble, turnsPerSec * 0.5f, 0.2f);
  Adsr(rumble, 0.08f, 0.1f, 0.85f, 0.3f);
  return rumble;
}

// Pins: hollow wooden knocks, close together, then scattered clatter; more
// pins, more knocks and a bigger boom.
Signal PinCrash(Rng& rng, int pins) {
  Signal s;
  const int close = pins, scattered = pins * 2;
  for (int i = 0; i < close + scattered; ++i) {
    const bool first = i < close;
    const float at = i == 0 ? 0.f : first ? rng.Range(0.f, 0.02f + 0.006f * pins) : rng.Range(0.06f, 0.7f);
    const float f = rng.Range(700.f, 1500.f);
    Signal knock = Tone(0.09f, f, f * 0.93f, Wave::Triangle);
    Signal click = WhiteNoise(0.03f, rng);
    BandPass(click, f * 2.2f, 2.f);
    MixInto(knock, click, 0.f, 0.6f);
    Decay(knock, 0.0002f, first ? 0.018f : 0.01f);
    MixInto(s, knock, at, first ? 0.9f : std::max(0.15f, 0.7f - at));
  }
  Signal boom = WhiteNoise(0.3f, rng);
  LowPass(boom, 500.f);
  Decay(boom, 0.001f, 0.02f + 0.005f * pins);
  MixInto(s, boom, 0.f, 0.08f * pins);
  return s;
}

// The ball dropping into the metal gutter channel: a hollow, ringing roll.
Signal Gutter(Rng& rng) {
  Signal roll = WhiteNoise(0.9f, rng);
  BandPass(roll, 320.f, 2.5f);
  Tremolo(roll, 13.f, 0.5f);
  Adsr(roll, 0.02f, 0.2f, 0.6f, 0.35f);
  Signal ring = Tone(0.9f, 210.f, 180.f, Wave::Triangle, 0.4f);
  Adsr(ring, 0.01f, 0.3f, 0.3f, 0.3f);
  Signal clang = WhiteNoise(0.05f, rng);
  BandPass(clang, 1800.f, 5.f);
  Decay(clang, 0.0005f, 0.01f);
  Signal s;
  MixInto(s, clang, 0.f, 0.8f);
  MixInto(s, roll, 0.f, 0.9f);
  MixInto(s, ring, 0.f, 0.5f);
  return s;
}

// The end of the game: an organ-like cadence, as the alley's speakers play it.
Signal GameOver(Rng&) {
  struct Chord {
    float at, len;
    float f[3];
  };
  const Chord chords[] = {{0.f, 0.35f, {392.f, 493.9f, 587.3f}},
                          {0.36f, 0.35f, {349.2f, 440.f, 523.3f}},
                          {0.72f, 0.9f, {261.6f, 329.6f, 392.f}}};
  Signal s;
  for (const Chord& c : chords)
    for (float f : c.f) {
      Signal v = Tone(c.len, f, -1.f, Wave::Square, 0.25f);
      MixInto(v, Tone(c.len, f * 2.f, -1.f, Wave::Sine, 0.2f), 0.f);
      LowPass(v, 2000.f);
      Adsr(v, 0.02f, 0.1f, 0.75f, 0.12f);
      MixInto(s, v, c.at);
    }
  return s;
}

// A ball let go too early: it drops on the approach with a dull thud and a bounce.
Signal DroppedBall(Rng& rng) {
  Signal s;
  const float hits[][2] = {{0.f, 1.f}, {0.18f, 0.45f}, {0.28f, 0.2f}};
  for (const auto& h : hits) {
    Signal thud = WhiteNoise(0.25f, rng);
    LowPass(thud, 300.f);
    Decay(thud, 0.0002f, 0.025f);
    Signal body = Tone(0.25f, 80.f, 55.f);
    Decay(body, 0.0002f, 0.03f);
    MixInto(thud, body, 0.f, 1.f);
    MixInto(thud, KnockLayer(rng, 600.f, 0.01f), 0.f, 3.5f);
    MixInto(s, thud, h[0], h[1]);
  }
  return s;
}

// The ball coming back up the return: a rolling rattle and a clunk as it lands.
Signal BallReturn(Rng& rng) {
  Signal roll = WhiteNoise(0.5f, rng);
  BandPass(roll, 450.f, 1.5f);
  Tremolo(roll, 11.f, 0.5f);
  Adsr(roll, 0.05f, 0.1f, 0.7f, 0.1f);
  Signal s;
  MixInto(s, roll, 0.f, 0.6f);
  Signal clunk = WhiteNoise(0.2f, rng);
  LowPass(clunk, 500.f);
  Decay(clunk, 0.001f, 0.03f);
  MixInto(s, clunk, 0.5f, 1.f);
  MixInto(s, KnockLayer(rng, 900.f, 0.01f), 0.5f, 0.8f);
  return s;
}

}  // namespace

void MakeBowlingSounds(Context& ctx) {
  using namespace bowling;
  Rng rng(364);
  ResourceSink& sink = ctx.sink;
  constexpr SoundFamily kBowling = SoundFamily::Bowling;
  const Finishing call{.role = Role::Call, .fadeInMs = 10.f};
  EmitWave(sink, kBowling, kReleaseSound, Release(rng));
  // Rolls by speed, fastest first.
  const float rollSeconds[] = {2.2f, 2.8f, 3.3f, 3.9f}, turns[] = {9.f, 7.5f, 6.f, 5.f};
  for (std::size_t i = 0; i < kRollSounds.size(); ++i)
    EmitWave(sink, kBowling, kRollSounds[i], Roll(rng, rollSeconds[i], turns[i]), {.fadeInMs = 10.f});
  EmitWave(sink, kBowling, kPinHitSound, PinCrash(rng, 3), {.trimDb = -2.f});
  EmitWave(sink, kBowling, kPinCrashSound, PinCrash(rng, 6));
  EmitWave(sink, kBowling, kPinScatterSound, PinCrash(rng, 10), {.trimDb = 2.f});
  EmitWave(sink, kBowling, kGutterSound, Gutter(rng));
  EmitWave(sink, kBowling, kAllDownSound, CrowdCheer(1.8f, rng, 0.8f), call);
  EmitWave(sink, kBowling, kGameOverSound, GameOver(rng), call);
  EmitWave(sink, kBowling, kNoRollSound, DroppedBall(rng));
  EmitWave(sink, kBowling, kStartComputerSound, BallReturn(rng), {.fadeInMs = 4.f});
}

}  // namespace art
