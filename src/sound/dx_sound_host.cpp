// SPDX-License-Identifier: GPL-3.0-or-later
// Sound sets made from the program's own resources and device.
#include "platform/host.h"
#include "platform/resources.h"
#include "sound/dx_sound.h"

namespace {

WaveLookup WavesOf(const ResourceTable& resources, SoundFamily family) {
  return [&resources, family](UINT id) { return resources.Find(ResKind::Wave, FamilyWaveResource(family, id)); };
}

}  // namespace

CDXSound::CDXSound(const UINT* pWaveIds, int nWaves, Host& host, SoundFamily family)
    : CDXSound(pWaveIds, nWaves, host.Audio(), host.Resources(), family) {}

CDXSound::CDXSound(const UINT* pWaveIds, int nWaves, AudioDevice* pDevice, const ResourceTable& resources,
                   SoundFamily family)
    : CDXSound(pWaveIds, nWaves, pDevice, WavesOf(resources, family)) {}
