// Board hit detection: the ring table with its boundaries, the sector chains at their
// bounds, the lines through the centre, and the names of the numbers.

#include <gtest/gtest.h>

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

// Points in twips from the picture's corner on the lines through the centre: the column
// counts as just right of the centre; the row gives six to the right, eleven to the left.
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
      {.x = 3700, .y = 3585, .doubleBull = false, .hit = {25, 1, "Single Bull"}}};
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
