// The embedded clips: all thirteen there, 22050 Hz mono, of their lengths, not clipped
// and of an even loudness.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "game/clip.h"
#include "sound/clipdata.h"

namespace {

class EveryClip : public testing::TestWithParam<Clip> {};

TEST_P(EveryClip, DecodesToItsLengthAndLevel) {
  const std::string name(clipName(GetParam()));
  const ClipSamples clip = decodeClip(name).value();
  EXPECT_EQ(clip.rate, 22050) << name;
  EXPECT_EQ(clip.channels, 1) << name;
  // Most clips last under a second; the long ones, in seconds from and to.
  const std::map<std::string, std::pair<double, double>> longer{
      {"ONLYONE", {6.5, 7.5}}, {"BREAK", {1.3, 1.7}}, {"SCORPION", {0.2, 1.5}}};
  const auto [shortest, longest] = longer.contains(name) ? longer.at(name) : std::pair{0.2, 1.0};
  EXPECT_GT(clip.seconds(), shortest);
  EXPECT_LT(clip.seconds(), longest);
  double sum = 0, peak = 0;
  for (int16_t s : clip.samples) peak = std::max(peak, std::abs(double(s))), sum += double(s) * s;
  EXPECT_LE(20 * std::log10(peak / 32768.0), -0.9);  // dBFS: nothing at or near full scale
  EXPECT_NEAR(10 * std::log10(sum / double(clip.samples.size()) / (32768.0 * 32768.0)), -21.0, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryClip, testing::ValuesIn(kAllClips),
                         [](const auto& info) { return std::string(clipName(info.param)); });

TEST(ClipCatalogue, UnknownNamesAreNotFound) {
  for (const char* name : {"", "break", "CHANGES", "../clips/WINS", "WINS.flac"})
    EXPECT_FALSE(decodeClip(name).has_value()) << name;
}

}  // namespace
