// Board hit detection: the ring table with its boundaries, the sector chains at their
// bounds, the same chains on the slope, the lines through the centre, and the names of
// the numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "input/board.h"

using board::Hit;

// Distances straight up from the centre (angle 1.5 in quadrant 1: sector 20); a distance
// equal to a radius belongs to the ring outside it.
TEST(Board, RingsTakeTheirOuterRadiusAsTheNextRing) {
  struct Ring {
    double distance;
    bool doubleBull;
    Hit hit;
  };
  const Ring rings[] = {{.distance = 0, .doubleBull = true, .hit = {25, 2, "Double Bull"}},
                        {.distance = 180.99, .doubleBull = true, .hit = {25, 2, "Double Bull"}},
                        {.distance = 100, .doubleBull = false, .hit = {25, 1, "Single Bull"}},
                        {.distance = 181, .doubleBull = true, .hit = {25, 1, "Single Bull"}},
                        {.distance = 459.99, .doubleBull = true, .hit = {25, 1, "Single Bull"}},
                        {.distance = 460, .doubleBull = true, .hit = {20, 1, "Single Twenty"}},
                        {.distance = 1240, .doubleBull = true, .hit = {20, 3, "Triple Twenty"}},
                        {.distance = 1509.99, .doubleBull = true, .hit = {20, 3, "Triple Twenty"}},
                        {.distance = 1510, .doubleBull = true, .hit = {20, 1, "Single Twenty"}},
                        {.distance = 2440, .doubleBull = true, .hit = {20, 2, "Double Twenty"}},
                        {.distance = 2739.99, .doubleBull = true, .hit = {20, 2, "Double Twenty"}},
                        {.distance = 2740, .doubleBull = true, .hit = {0, 1, "Miss"}}};
  for (const auto& [r, doubleBull, hit] : rings)
    EXPECT_EQ(board::classify(r, 1.5, 1, doubleBull), hit) << r << " " << hit.name;
}

// Each chain at each of its bounds, in the single ring: a value on a bound goes on to
// the next test of the chain.
TEST(Board, SectorChainsAtTheirBounds) {
  const std::pair<int16_t, std::vector<std::pair<double, int>>> chains[] = {
      {1, {{0.01, 6}, {0.17, 13}, {0.47, 4}, {0.8, 18}, {1.1, 1}, {1.4, 20}, {1.57, 20}}},
      {2, {{-1.57, 20}, {-1.41, 5}, {-1.1, 12}, {-0.8, 9}, {-0.48, 14}, {-0.18, 11}, {-0.01, 11}}},
      {3, {{1.57, 3}, {1.41, 19}, {1.09, 7}, {0.78, 16}, {0.45, 8}, {0.14, 11}, {0.01, 11}}},
      {4, {{-1.57, 3}, {-1.41, 17}, {-1.1, 2}, {-0.78, 15}, {-0.47, 10}, {-0.15, 6}, {-0.01, 6}}}};
  for (const auto& [quad, bounds] : chains) {
    for (const auto& [t, number] : bounds) {
      EXPECT_EQ(board::classify(850, t, quad, true).number, number) << quad << " " << t;
    }
  }
}

// A dart is placed from the slope y / x of its point, not from the angle, the slope's
// arctangent. Around every bound of every chain, float by float, and at slopes of every
// size and sign, the slope gives the sector the angle gives.
TEST(Board, TheSlopeGivesTheSectorTheAngleGives) {
  const auto sameAsAngle = [](float slope, int16_t quad) {
    return board::sectorOfSlope(slope, quad) ==
           board::classify(850, std::atan(static_cast<double>(slope)), quad, true).number;
  };
  const std::pair<int16_t, std::vector<double>> bounds[] = {
      {1, {0.17, 0.47, 0.8, 1.1, 1.4}},
      {2, {-1.41, -1.1, -0.8, -0.48, -0.18}},
      {3, {1.41, 1.09, 0.78, 0.45, 0.14}},
      {4, {-1.41, -1.1, -0.78, -0.47, -0.15}}};
  for (const auto& [quad, angles] : bounds) {
    for (double angle : angles) {
      float slope = static_cast<float>(std::tan(angle));
      for (int i = 0; i < 64; ++i) slope = std::nextafter(slope, -HUGE_VALF);
      for (int i = 0; i < 128; ++i, slope = std::nextafter(slope, HUGE_VALF))
        EXPECT_TRUE(sameAsAngle(slope, quad)) << quad << " " << angle << " " << slope;
    }
  }
  std::mt19937 random(7);
  std::uniform_real_distribution<float> exponent(-30, 30);
  for (int i = 0; i < 200000; ++i) {
    const float size = std::exp2(exponent(random));
    const auto quad = static_cast<int16_t>(1 + i % 4);
    for (float slope : {size, -size}) EXPECT_TRUE(sameAsAngle(slope, quad)) << quad << " " << slope;
  }
  const float inf = std::numeric_limits<float>::infinity();
  for (int16_t quad = 1; quad <= 4; ++quad)
    for (float slope : {0.0f, -0.0f, inf, -inf, std::numeric_limits<float>::quiet_NaN(),
                        std::numeric_limits<float>::denorm_min()})
      EXPECT_TRUE(sameAsAngle(slope, quad)) << quad << " " << slope;
  // And over the whole picture, every third twip each way, as a click reaches the rules.
  for (float y = 0; y <= 7200; y += 3) {
    for (float x = 0; x <= 7200; x += 3) {
      const board::Position p = board::positionAt(x, y);
      const Hit byAngle = board::classify(p.radius, p.angle, board::quadrant(p), true);
      if (board::hitAt(x, y, true) != byAngle) FAIL() << x << ", " << y << " " << byAngle.name;
    }
  }
}

// Points in twips from the picture's corner on the lines through the centre: the column
// counts as just right of the centre; the row gives six to the right, eleven to the left.
// The computer's darts land anywhere, not only on the pointer's grid: a hair either side of
// straight down is still the three, and a point on the column lies at its own distance.
TEST(Board, TheLinesThroughTheCentreClassifyLikeTheirNeighbours) {
  struct Spot {
    float x, y;
    bool doubleBull;
    Hit hit;
  };
  const Spot points[] = {
      {.x = 3600, .y = 3600 - 1380, .doubleBull = true, .hit = {20, 3, "Triple Twenty"}},
      {.x = 3600, .y = 3600 + 2595, .doubleBull = true, .hit = {3, 2, "Double Three"}},
      {.x = 3600 + 1380, .y = 3600, .doubleBull = true, .hit = {6, 3, "Triple Six"}},
      {.x = 3600 - 2595, .y = 3600, .doubleBull = true, .hit = {11, 2, "Double Eleven"}},
      {.x = 3600, .y = 3600, .doubleBull = true, .hit = {25, 2, "Double Bull"}},
      {.x = 3700, .y = 3585, .doubleBull = false, .hit = {25, 1, "Single Bull"}},
      {.x = 3599.5f, .y = 3600 + 1000, .doubleBull = true, .hit = {3, 1, "Single Three"}},
      {.x = 3600.5f, .y = 3600 + 1000, .doubleBull = true, .hit = {3, 1, "Single Three"}},
      {.x = 3600, .y = 3600 + 180.99f, .doubleBull = true, .hit = {25, 2, "Double Bull"}}};
  for (const auto& [x, y, doubleBull, hit] : points)
    EXPECT_EQ(board::hitAt(x, y, doubleBull), hit) << x << ", " << y << " " << hit.name;
}

// The names of the numbers, as the status bar spells them.
TEST(Board, NumbersAreSpelledOut) {
  const char* const spelled[] = {
      "",        "One",       "Two",      "Three",    "Four",   "Five",     "Six",      "Seven",
      "Eight",   "Nine",      "Ten",      "Eleven",   "Twelve", "Thirteen", "Fourteen", "Fifteen",
      "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty", ""};
  for (int n = 0; n <= 21; ++n) EXPECT_EQ(board::spelledNumber(n), spelled[n]) << n;
}
