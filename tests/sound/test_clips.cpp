// The embedded clips: all thirteen there, readable, of the expected lengths, not
// clipped and of an even loudness.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/clip.h"
#include "sound/clipdata.h"

namespace {

struct Levels {
  double peak = 0;  // dBFS
  double rms = 0;   // dBFS
  int fullScale = 0;  // samples at the limits of 16 bits
};

Levels levelsOf(const ClipSamples& clip) {
  double sum = 0;
  int peak = 0;
  Levels l;
  for (int16_t s : clip.samples) {
    peak = std::max(peak, std::abs(int{s}));
    sum += double(s) * s;
    if (s == INT16_MAX || s == INT16_MIN) ++l.fullScale;
  }
  l.peak = 20 * std::log10(peak / 32768.0);
  l.rms = 10 * std::log10(sum / double(clip.samples.size()) / (32768.0 * 32768.0));
  return l;
}

class EveryClip : public testing::TestWithParam<Clip> {};

TEST_P(EveryClip, IsAReadableMonoWaveOfItsLength) {
  const std::string name(clipName(GetParam()));
  const auto clip = decodeClip(name);
  ASSERT_TRUE(clip.has_value()) << name;
  EXPECT_EQ(clip->rate, 22050);
  EXPECT_EQ(clip->channels, 1);
  const double seconds = clip->seconds();
  if (name == "ONLYONE") {
    EXPECT_NEAR(seconds, 7.0, 0.5);
  } else if (name == "BREAK") {
    EXPECT_NEAR(seconds, 1.5, 0.2);
  } else if (name == "SCORPION") {
    EXPECT_LT(seconds, 1.5);  // the greeting, with its echo
  } else {
    EXPECT_LT(seconds, 1.0) << name;
  }
  EXPECT_GT(seconds, 0.2) << name;
}

TEST_P(EveryClip, IsNotClippedAndAsLoudAsTheOthers) {
  const auto clip = decodeClip(clipName(GetParam()));
  ASSERT_TRUE(clip.has_value());
  const Levels l = levelsOf(*clip);
  EXPECT_EQ(l.fullScale, 0);
  EXPECT_LE(l.peak, -0.9);
  EXPECT_NEAR(l.rms, -21.0, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryClip, testing::ValuesIn(kAllClips),
                         [](const testing::TestParamInfo<Clip>& info) {
                           return std::string(clipName(info.param));
                         });

TEST(ClipCatalogue, UnknownNamesAreNotFound) {
  for (const char* name : {"", "break", "CHANGES", "../clips/WINS", "WINS.wav"}) {
    EXPECT_FALSE(decodeClip(name).has_value()) << name;
  }
}

}  // namespace
