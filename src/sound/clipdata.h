#pragma once
// The samples of an embedded clip, decoded from its FLAC file.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct ClipSamples {
  int rate = 0;
  int channels = 0;
  std::vector<int16_t> samples;  // interleaved frames

  std::size_t frames() const { return channels > 0 ? samples.size() / std::size_t(channels) : 0; }
  double seconds() const { return rate > 0 ? double(frames()) / rate : 0.0; }
};

// The clip of that name (":/clips/NAME.flac"), or nothing when it is missing or unreadable.
std::optional<ClipSamples> decodeClip(std::string_view name);
