// SPDX-License-Identifier: GPL-3.0-or-later
// The football sounds: the referee's whistle at the start, the swish of a
// pass through a hole, rims and posts struck, a miss into the turf, the crowd
// at a first down and a touchdown, and the fanfare of the win. The win, rim
// and post sounds are shared ids: whichever game's generator makes one first
// keeps it.
#include <algorithm>
#include <string>

#include "context.h"
#include "core/synth.h"
#include "games/football/model/football_geometry.h"

namespace art {
namespace {

using namespace football;

Signal Crowd(float seconds, Rng& rng, float centre) {
  Signal crowd = WhiteNoise(seconds, rng);
  BandPass(crowd, centre, 0.7f);
  Signal swell = Tone(seconds, 1.7f);
  for (std::size_t i = 0; i < crowd.size(); ++i) crowd[i] *= 0.7f + 0.3f * swell[i];
  return crowd;
}

void Whoops(Signal& s, Rng& rng, int count, float from, float spacing) {
  for (int i = 0; i < count; ++i) {
    const float start = from + spacing * static_cast<float>(i) + rng.Range(0.f, 0.06f);
    const float f0 = rng.Range(550.f, 950.f);
    Signal whoop = WhiteNoise(0.28f, rng);
    SweptBandPass(whoop, f0, f0 * 1.6f, 9.f);
    Adsr(whoop, 0.04f, 0.08f, 0.6f, 0.1f);
    MixInto(s, whoop, start, 0.8f);
  }
}

// The referee's whistle: two trilled blasts.
Signal Whistle(Rng& rng) {
  Signal s;
  for (float at : {0.f, 0.38f}) {
    const float len = at == 0.f ? 0.26f : 0.5f;
    Signal blast = Tone(len, 2900.f, 2850.f);
    MixInto(blast, Tone(len, 5800.f, -1.f, Wave::Sine, 0.2f), 0.f);
    Tremolo(blast, 28.f, 0.45f);
    Signal breath = WhiteNoise(len, rng, 0.25f);
    BandPass(breath, 2900.f, 4.f);
    MixInto(blast, breath, 0.f);
    Adsr(blast, 0.01f, 0.03f, 0.85f, 0.05f);
    MixInto(s, blast, at);
  }
  return s;
}

// The ball through a hole: a swish into the net and a soft thump behind the
// board; the small hole adds a bright bell for the long gain.
Signal ThroughHole(Rng& rng, bool small) {
  Signal swish = WhiteNoise(0.32f, rng);
  SweptBandPass(swish, small ? 2600.f : 1800.f, small ? 5200.f : 3800.f, 1.6f);
  Adsr(swish, 0.06f, 0.08f, 0.6f, 0.14f);
  Signal thump = Tone(0.25f, 110.f, 70.f);
  Decay(thump, 0.002f, 0.04f);
  Signal s;
  MixInto(s, swish, 0.f, 0.8f);
  MixInto(s, thump, 0.2f, 0.9f);
  if (small) {
    for (float f : {1318.5f, 1975.5f}) {
      Signal bell = Tone(0.6f, f);
      Decay(bell, 0.003f, 0.12f);
      MixInto(s, bell, 0.22f, 0.35f);
    }
  }
  return s;
}

// A ball striking the padded rim: a dull rubbery bong.
Signal Rim(Rng& rng) {
  Signal body = Tone(0.3f, 240.f, 200.f);
  MixInto(body, Tone(0.3f, 370.f, 330.f, Wave::Sine, 0.5f), 0.f);
  Decay(body, 0.001f, 0.05f);
  Signal slap = WhiteNoise(0.05f, rng);
  LowPass(slap, 1500.f);
  Decay(slap, 0.0005f, 0.008f);
  Signal s;
  MixInto(s, slap, 0.f, 0.8f);
  MixInto(s, body, 0.f, 0.9f);
  return s;
}

// A ball against a post: a hollow knock with a short metallic ring.
Signal Post(Rng& rng) {
  Signal knock = WhiteNoise(0.08f, rng);
  BandPass(knock, 700.f, 2.f);
  Decay(knock, 0.0005f, 0.012f);
  Signal ring = Tone(0.5f, 523.f);
  MixInto(ring, Tone(0.5f, 1390.f, -1.f, Wave::Sine, 0.4f), 0.f);
  Decay(ring, 0.001f, 0.08f);
  Signal s;
  MixInto(s, knock, 0.f, 1.f);
  MixInto(s, ring, 0.f, 0.45f);
  return s;
}

// A pass that misses: it thuds into the turf and bounces away.
Signal Miss(Rng& rng) {
  Signal s;
  float gain = 1.f;
  for (float at : {0.f, 0.24f, 0.40f, 0.50f}) {
    Signal thud = WhiteNoise(0.07f, rng);
    LowPass(thud, 500.f);
    Decay(thud, 0.001f, 0.015f);
    Signal body = Tone(0.09f, 95.f, 70.f);
    Decay(body, 0.001f, 0.02f);
    MixInto(thud, body, 0.f, 0.8f);
    MixInto(s, thud, at, gain);
    gain *= 0.55f;
  }
  return s;
}

// A first down: the crowd rises and a horn sounds once.
Signal FirstDown(Rng& rng) {
  Signal crowd = Crowd(1.2f, rng, 850.f);
  Adsr(crowd, 0.2f, 0.3f, 0.7f, 0.5f);
  Signal s;
  MixInto(s, crowd, 0.f, 0.6f);
  Signal horn = Tone(0.45f, 233.f, -1.f, Wave::Saw, 0.4f);
  MixInto(horn, Tone(0.45f, 349.f, -1.f, Wave::Saw, 0.3f), 0.f);
  LowPass(horn, 1400.f);
  Adsr(horn, 0.02f, 0.05f, 0.8f, 0.1f);
  MixInto(s, horn, 0.05f, 0.6f);
  Whoops(s, rng, 3, 0.2f, 0.22f);
  return s;
}

// A touchdown: the crowd erupts over a rising brass call.
Signal Touchdown(Rng& rng) {
  Signal crowd = Crowd(2.4f, rng, 950.f);
  Adsr(crowd, 0.15f, 0.4f, 0.85f, 0.9f);
  Signal s;
  MixInto(s, crowd, 0.f, 0.7f);
  struct Note {
    float at, len, freq;
  };
  const Note notes[] = {{0.05f, 0.16f, 392.f},
                        {0.22f, 0.16f, 523.25f},
                        {0.39f, 0.16f, 659.25f},
                        {0.56f, 0.7f, 783.99f},
                        {0.56f, 0.7f, 523.25f}};
  for (const Note& n : notes) {
    Signal v = Tone(n.len, n.freq, n.freq * 1.002f, Wave::Saw, 0.35f);
    LowPass(v, 2400.f);
    Tremolo(v, 5.5f, 0.1f);
    Adsr(v, 0.015f, 0.05f, 0.75f, 0.08f);
    MixInto(s, v, n.at, 0.8f);
  }
  Whoops(s, rng, 7, 0.3f, 0.2f);
  return s;
}

// The game is won: a full fanfare and a long cheer.
Signal Win(Rng& rng) {
  Signal s = Touchdown(rng);
  const float chord[] = {523.25f, 659.25f, 783.99f, 1046.5f};
  for (float f : chord) {
    Signal v = Tone(0.9f, f, -1.f, Wave::Saw, 0.25f);
    LowPass(v, 2600.f);
    Adsr(v, 0.03f, 0.1f, 0.7f, 0.3f);
    MixInto(s, v, 1.3f, 0.6f);
  }
  return s;
}

bool Made(const ResourceSink& sink, unsigned id) {
  const std::string name = "wave/" + std::to_string(id) + ".wav";
  const auto& written = sink.Written();
  return std::find(written.begin(), written.end(), name) != written.end();
}

}  // namespace

void MakeFootballSounds(Context& ctx) {
  Rng rng(331);
  ctx.sink.Wave(kStartSound, Finish(Whistle(rng), 0.7f));
  ctx.sink.Wave(kLargeHoleSound, Finish(ThroughHole(rng, false), 0.85f));
  ctx.sink.Wave(kSmallHoleSound, Finish(ThroughHole(rng, true), 0.85f));
  ctx.sink.Wave(kMissSound, Finish(Miss(rng), 0.8f));
  ctx.sink.Wave(kFirstDownSound, Finish(FirstDown(rng), 0.75f, 8.f));
  ctx.sink.Wave(kTouchdownSound, Finish(Touchdown(rng), 0.8f, 8.f));
  if (!Made(ctx.sink, kWinSound)) ctx.sink.Wave(kWinSound, Finish(Win(rng), 0.8f, 8.f));
  if (!Made(ctx.sink, kRimSound)) ctx.sink.Wave(kRimSound, Finish(Rim(rng), 0.85f));
  if (!Made(ctx.sink, kPostSound)) ctx.sink.Wave(kPostSound, Finish(Post(rng), 0.85f));
}

}  // namespace art
