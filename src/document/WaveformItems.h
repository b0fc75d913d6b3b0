#pragma once

#include "WaveformPresets.h"

// The waveform drop-down's items, in its order: the two ways of building a
// wave by hand, then the standard waveforms in the order of
// WaveformPresets::TWaveform. A saved set names its item by this index.
namespace WaveformItems {

inline constexpr int CustomRotants = 0;  // phasor tips placed with the mouse; no ideal wave
inline constexpr int CustomTime = 1;     // one period drawn freehand
inline constexpr int FirstStandard = 2;
inline constexpr int Count = 9;

constexpr bool IsStandard(int item)
{
  return item >= FirstStandard && item < Count;
}

// The standard waveform of an item for which IsStandard holds.
constexpr WaveformPresets::TWaveform Standard(int item)
{
  return WaveformPresets::TWaveform(item - FirstStandard);
}

}  // namespace WaveformItems
