// SPDX-License-Identifier: GPL-3.0-or-later
// Each game plays its own sounds: a wave id two games share (a win, a horn, a
// ball picked up, a rim) holds a different recording for each, and a game's
// sound set loads the recordings made for that game.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "assets/game_sounds.h"
#include "platform/audio_device.h"
#include "sound/dx_sound.h"

using namespace art_test;

TEST(GameSoundSets, EveryGameHasItsOwnRecordingOfEverySharedId) {
  const ResourceTable table;
  std::map<UINT, std::vector<GameWave>> byId;
  for (const GameWave& wave : AllGameWaves()) {
    SCOPED_TRACE(wave.Resource());
    ASSERT_FALSE(table.Find(ResKind::Wave, wave.Resource()).empty()) << "the game's own recording is in the pack";
    byId[wave.id].push_back(wave);
  }
  int shared = 0;
  for (const auto& [id, waves] : byId) {
    for (std::size_t a = 0; a < waves.size(); ++a)
      for (std::size_t b = a + 1; b < waves.size(); ++b) {
        ++shared;
        EXPECT_NE(*WaveSamples(table, waves[a]), *WaveSamples(table, waves[b]))
            << "id " << id << " sounds the same in two games";
      }
  }
  EXPECT_GE(shared, 10) << "the games do share ids";
}

TEST(GameSoundSets, AGamesSetLoadsTheRecordingsMadeForThatGame) {
  const ResourceTable table;
  const auto device = MakeHeadlessAudioDevice();
  for (const GameSounds& game : AllGameSounds()) {
    CDXSound sound(game.table.data(), static_cast<int>(game.table.size()), device.get(), table, game.family);
    for (UINT id : game.table) {
      SCOPED_TRACE(FamilyWaveResource(game.family, id));
      CDXSoundBuffer* buffer = sound.GetBuffer(id);
      ASSERT_NE(buffer, nullptr);
      ASSERT_NE(buffer->GetVoice(), kNoVoice);
      const auto loaded = WaveSamples(table.Find(ResKind::Wave, FamilyWaveResource(game.family, id)));
      const std::vector<BYTE> data = buffer->ReadData();
      ASSERT_TRUE(loaded.has_value());
      EXPECT_EQ(data.size(), loaded->size() * 2);
      EXPECT_EQ(0, std::memcmp(data.data(), loaded->data(), data.size()));
    }
  }
}
