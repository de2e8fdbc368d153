// SPDX-License-Identifier: GPL-3.0-or-later
// The basketball sounds: the swish of the net, the ball against the glass,
// the ball off the padded side, the ball picked up, the crowd, and the horn
// at the end of a turn.
#include <algorithm>
#include <string>

#include "context.h"
#include "core/crowd.h"
#include "core/sound_out.h"
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
  Decay(thump, 0.0002f, 0.02f);
  Signal body = Tone(0.2f, 140.f, 95.f);
  Decay(body, 0.0002f, 0.035f);
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
  Signal pop = Tone(0.3f, 210.f, 120.f, Wave::Sine);
  Decay(pop, 0.0005f, 0.03f);
  Signal slap = WhiteNoise(0.05f, rng);
  BandPass(slap, 1400.f, 1.2f);
  Decay(slap, 0.0005f, 0.008f);
  Signal s;
  MixInto(s, pop, 0.f, 1.f);
  MixInto(s, slap, 0.f, 0.6f);
  MixInto(s, KnockLayer(rng, 600.f, 0.006f), 0.f, 0.4f);
  return s;
}

// The ball taken from the rack: a pebbled leather pat and a short bounce.
Signal PickUp(Rng& rng) {
  Signal s;
  for (float at : {0.f, 0.11f}) {
    Signal pat = WhiteNoise(0.14f, rng);
    BandPass(pat, 900.f, 1.3f);
    Decay(pat, 0.0002f, 0.008f);
    Signal body = Tone(0.2f, 160.f, 120.f);
    Decay(body, 0.0005f, 0.015f);
    MixInto(pat, body, 0.f, 0.6f);
    MixInto(s, pat, at, at == 0.f ? 1.f : 0.5f);
  }
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

}  // namespace

bool MadeBitmap(const ResourceSink& sink, unsigned id) {
  const std::string name = "bitmap/" + std::to_string(id) + ".bmp";
  const auto& written = sink.Written();
  return std::find(written.begin(), written.end(), name) != written.end();
}

void MakeBasketballSounds(Context& ctx) {
  using namespace basketball;
  Rng rng(363);
  ResourceSink& sink = ctx.sink;
  constexpr SoundFamily kBasketball = SoundFamily::Basketball;
  EmitWave(sink, kBasketball, kBasketSound, Swish(rng), {.fadeInMs = 4.f});
  EmitWave(sink, kBasketball, kBoardSound, Glass(rng));
  EmitWave(sink, kBasketball, kSideSound, Side(rng));
  EmitWave(sink, kBasketball, kPickUpSound, PickUp(rng));
  EmitWave(sink, kBasketball, kTurnOverSound, Horn(rng), {.role = Role::Call, .fadeInMs = 10.f});
  // In the set but never played: the crowd at a basket.
  EmitWave(sink, kBasketball, kUnusedSound, CrowdCheer(1.5f, rng, 0.6f), {.role = Role::Call, .fadeInMs = 10.f});
}

}  // namespace art
