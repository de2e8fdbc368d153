// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Result codes of the sound calls, with their classic values.
#include <cstdint>

using HRESULT = std::int32_t;
inline constexpr HRESULT DS_OK = 0;
// A value out of range, or an id that is not in the sound set's table.
inline constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
// The buffer has no voice (its wave could not be loaded or created).
inline constexpr HRESULT DSERR_INVALIDCALL = static_cast<HRESULT>(0x88780032u);
// There is no sound device.
inline constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }
