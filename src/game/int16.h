#pragma once
// Counts and scores are 16-bit; arithmetic on them is held at the limits, never wrapped.

#include <algorithm>
#include <cstdint>
#include <limits>

inline int16_t clamp16(long value) {
  return static_cast<int16_t>(std::clamp<long>(value, std::numeric_limits<int16_t>::min(),
                                               std::numeric_limits<int16_t>::max()));
}
