// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio_device.h"

std::string DescribePlay(const PlayRecord& record) {
  std::string text = "sound " + std::to_string(record.tag);
  const VoiceControls& c = record.controls;
  if (c.volume != kVolumeFull) text += " vol=" + std::to_string(c.volume);
  if (c.frequency != c.sourceRate) text += " freq=" + std::to_string(c.frequency);
  if (c.pan != 0) text += " pan=" + std::to_string(c.pan);
  return text;
}
