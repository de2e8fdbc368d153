// SPDX-License-Identifier: GPL-3.0-or-later
// The bowling sounds: the ball set down and rolling, the pins crashing, the
// gutter, the game-over fanfare and the thud of a ball dropped short.
#include <algorithm>
#include <string>

#include "bowling/bowling_art.h"
#include "core/synth.h"

namespace art {
namespace {

// A heavy ball set down on the boards, then its low rumble.
Signal Release(Rng& rng, float rumbleSec) {
  Signal thud = WhiteNoise(0.12f, rng);
  LowPass(thud, 400.f);
  Decay(thud, 0.002f, 0.03f);
  Signal body = Tone(0.15f, 95.f, 60.f);
  Decay(body, 0.002f, 0.04f);
  Signal rumble = WhiteNoise(rumbleSec, rng);
  LowPass(rumble, 180.f);
  Tremolo(rumble, 9.f, 0.35f);
  Adsr(rumble, 0.08f, 0.1f, 0.8f, rumbleSec * 0.4f);
  Signal s;
  MixInto(s, thud, 0.f, 1.2f);
  MixInto(s, body, 0.f, 0.9f);
  MixInto(s, rumble, 0.05f, 0.7f);
  return s;
}

// Pins: many hollow wooden knocks, close together, then scattered clatter.
Signal PinCrash(Rng& rng) {
  Signal s;
  for (int i = 0; i < 22; ++i) {
    const float at = i < 10 ? rng.Range(0.f, 0.08f) : rng.Range(0.08f, 0.7f);
    const float f = rng.Range(700.f, 1500.f);
    Signal knock = Tone(0.09f, f, f * 0.93f, Wave::Triangle);
    Signal click = WhiteNoise(0.03f, rng);
    BandPass(click, f * 2.2f, 2.f);
    MixInto(knock, click, 0.f, 0.6f);
    Decay(knock, 0.0005f, i < 10 ? 0.018f : 0.01f);
    MixInto(s, knock, at, i < 10 ? 0.9f : std::max(0.15f, 0.7f - at));
  }
  Signal boom = WhiteNoise(0.3f, rng);
  LowPass(boom, 500.f);
  Decay(boom, 0.002f, 0.06f);
  MixInto(s, boom, 0.f, 0.8f);
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
    Signal thud = WhiteNoise(0.1f, rng);
    LowPass(thud, 300.f);
    Decay(thud, 0.002f, 0.025f);
    Signal body = Tone(0.12f, 80.f, 55.f);
    Decay(body, 0.002f, 0.03f);
    MixInto(thud, body, 0.f, 1.f);
    MixInto(s, thud, h[0], h[1]);
  }
  return s;
}

bool Written(const ResourceSink& sink, unsigned id) {
  const std::string name = "wave/" + std::to_string(id) + ".wav";
  return std::find(sink.Written().begin(), sink.Written().end(), name) != sink.Written().end();
}

}  // namespace

void MakeBowlingSounds(Context& ctx) {
  Rng rng(364);
  ctx.sink.Wave(367, Finish(Release(rng, 0.9f), 0.8f));
  ctx.sink.Wave(369, Finish(PinCrash(rng), 0.9f));
  ctx.sink.Wave(370, Finish(Gutter(rng), 0.7f));
  // Loaded with the others though the game never plays them: rolls of other lengths.
  ctx.sink.Wave(364, Finish(Release(rng, 0.4f), 0.6f));
  ctx.sink.Wave(365, Finish(Release(rng, 0.7f), 0.6f));
  ctx.sink.Wave(366, Finish(Release(rng, 1.2f), 0.6f));
  ctx.sink.Wave(368, Finish(Release(rng, 1.6f), 0.6f));
  // Shared with other games: made here only when no other family made them.
  if (!Written(ctx.sink, 328)) ctx.sink.Wave(328, Finish(GameOver(rng), 0.75f));
  if (!Written(ctx.sink, 397)) ctx.sink.Wave(397, Finish(DroppedBall(rng), 0.8f));
}

}  // namespace art
