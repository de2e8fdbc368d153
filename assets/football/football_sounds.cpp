// SPDX-License-Identifier: GPL-3.0-or-later
// The football sounds: the referee's whistle at the start, the swish of a
// pass through a hole, rims and posts struck, a miss into the turf, the crowd
// at a first down and a touchdown, its groan at a loss, the ball picked up,
// and the fanfare of the win.
#include <cmath>

#include "context.h"
#include "core/crowd.h"
#include "core/sound_out.h"
#include "core/synth.h"
#include "games/football/model/football_geometry.h"

namespace art {
namespace {

using namespace football;

// A pea whistle: the pea spinning in the chamber makes the pitch warble
// unevenly between two notes, with breath under it.
Signal PeaBlast(float seconds, Rng& rng) {
  Signal s(static_cast<std::size_t>(Samples(seconds)));
  double phase = 0, pea = 0;
  float rate = 32.f;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (i % 256 == 0) rate = rng.Range(26.f, 40.f);
    pea += rate / 22050.f;
    const float spin = static_cast<float>(std::sin(6.2831853 * pea));
    const float f = 2950.f * (1.f + 0.055f * spin);
    phase += f / 22050.f;
    const float p = static_cast<float>(6.2831853 * (phase - std::floor(phase)));
    s[i] = (std::sin(p) + 0.25f * std::sin(2.f * p)) * (0.75f + 0.25f * spin);
  }
  Signal breath = WhiteNoise(seconds, rng, 0.3f);
  BandPass(breath, 2900.f, 3.f);
  MixInto(s, breath, 0.f);
  Adsr(s, 0.012f, 0.03f, 0.85f, 0.06f);
  return s;
}

// The referee's whistle: a short blast and a long one.
Signal Whistle(Rng& rng) {
  Signal s;
  MixInto(s, PeaBlast(0.26f, rng), 0.f);
  MixInto(s, PeaBlast(0.5f, rng), 0.38f);
  return s;
}

// The ball through a hole: a swish into the net and a soft thump behind the
// board; the small hole adds a bright bell for the long gain.
Signal ThroughHole(Rng& rng, bool small) {
  Signal swish = WhiteNoise(0.32f, rng);
  SweptBandPass(swish, small ? 2600.f : 1800.f, small ? 5200.f : 3800.f, 1.6f);
  Adsr(swish, 0.06f, 0.08f, 0.6f, 0.14f);
  Signal thump = Tone(0.4f, 110.f, 70.f);
  Decay(thump, 0.002f, 0.04f);
  MixInto(thump, KnockLayer(rng, 700.f, 0.008f), 0.f, 0.5f);
  Signal s;
  MixInto(s, swish, 0.f, 0.8f);
  MixInto(s, thump, 0.2f, 0.9f);
  if (small) {
    for (float f : {1318.5f, 1975.5f}) {
      Signal bell = Tone(1.3f, f);
      Decay(bell, 0.003f, 0.12f);
      MixInto(s, bell, 0.22f, 0.35f);
    }
  }
  return s;
}

// A ball striking the padded rim: a dull rubbery bong.
Signal Rim(Rng& rng) {
  Signal body = Tone(0.45f, 240.f, 200.f);
  MixInto(body, Tone(0.45f, 370.f, 330.f, Wave::Sine, 0.5f), 0.f);
  Decay(body, 0.0002f, 0.05f);
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
  Decay(knock, 0.0002f, 0.012f);
  Signal ring = Tone(0.9f, 523.f);
  MixInto(ring, Tone(0.9f, 1390.f, -1.f, Wave::Sine, 0.4f), 0.f);
  Decay(ring, 0.0002f, 0.08f);
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
    Signal thud = WhiteNoise(0.2f, rng);
    LowPass(thud, 500.f);
    Decay(thud, 0.0002f, 0.015f);
    Signal body = Tone(0.2f, 95.f, 70.f);
    Decay(body, 0.0002f, 0.02f);
    MixInto(thud, body, 0.f, 0.8f);
    MixInto(thud, KnockLayer(rng, 550.f, 0.008f), 0.f, 2.f);
    MixInto(s, thud, at, gain);
    gain *= 0.55f;
  }
  return s;
}

// A first down: the crowd rises and a horn sounds once.
Signal FirstDown(Rng& rng) {
  Signal s;
  MixInto(s, CrowdCheer(1.2f, rng, 0.4f), 0.f, 0.6f);
  Signal horn = Tone(0.45f, 233.f, -1.f, Wave::Saw, 0.4f);
  MixInto(horn, Tone(0.45f, 349.f, -1.f, Wave::Saw, 0.3f), 0.f);
  LowPass(horn, 1400.f);
  Adsr(horn, 0.02f, 0.05f, 0.8f, 0.1f);
  MixInto(s, horn, 0.05f, 0.6f);
  return s;
}

// A touchdown: the crowd erupts over a rising brass call.
Signal Touchdown(Rng& rng) {
  Signal s;
  MixInto(s, CrowdCheer(2.4f, rng, 1.f), 0.f, 0.8f);
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

// The ball taken up: leather slapped into the hands.
Signal PickUp(Rng& rng) {
  Signal slap = WhiteNoise(0.08f, rng);
  BandPass(slap, 1100.f, 1.2f);
  Decay(slap, 0.0002f, 0.01f);
  Signal s;
  MixInto(s, slap, 0.f, 1.f);
  MixInto(s, KnockLayer(rng, 450.f, 0.01f), 0.f, 0.5f);
  return s;
}

}  // namespace

void MakeFootballSounds(Context& ctx) {
  Rng rng(331);
  ResourceSink& sink = ctx.sink;
  constexpr SoundFamily kFootball = SoundFamily::Football;
  const Finishing call{.role = Role::Call, .fadeInMs = 8.f};
  EmitWave(sink, kFootball, kStartSound, Whistle(rng), {.fadeInMs = 4.f});
  EmitWave(sink, kFootball, kLargeHoleSound, ThroughHole(rng, false), {.fadeInMs = 4.f});
  EmitWave(sink, kFootball, kSmallHoleSound, ThroughHole(rng, true), {.fadeInMs = 4.f});
  EmitWave(sink, kFootball, kMissSound, Miss(rng));
  EmitWave(sink, kFootball, kRimSound, Rim(rng));
  EmitWave(sink, kFootball, kPostSound, Post(rng));
  EmitWave(sink, kFootball, kPickSound, PickUp(rng));
  EmitWave(sink, kFootball, kFirstDownSound, FirstDown(rng), call);
  EmitWave(sink, kFootball, kTouchdownSound, Touchdown(rng), call);
  EmitWave(sink, kFootball, kWinSound, Win(rng), call);
  EmitWave(sink, kFootball, kLossSound, CrowdGroan(1.3f, rng), call);
}

}  // namespace art
