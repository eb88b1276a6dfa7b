// Board hit detection: the ring table with its boundaries, the sector chains at their
// bounds, the lines through the centre, and every bed of the board by name.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <tuple>

#include "input/board.h"

using board::Convert_Position;
using board::hitAt;

namespace {

struct Expect {
  int number;
  int multiplier;
  std::string name;
};

void expectHit(const board::Hit& hit, const Expect& want) {
  EXPECT_EQ(hit.number, want.number);
  EXPECT_EQ(hit.multiplier, want.multiplier);
  EXPECT_EQ(hit.name, want.name);
  EXPECT_EQ(hit.points(), want.number * want.multiplier);
}

}  // namespace

// Distances straight up from the centre (angle 1.5 in quadrant 1: sector 20).
struct RingCase {
  double r;
  bool doubleBull;
  Expect hit;
  friend std::ostream& operator<<(std::ostream& os, const RingCase& c) {
    return os << "r=" << c.r << (c.doubleBull ? " double bull" : "");
  }
};

class Rings : public ::testing::TestWithParam<RingCase> {};

TEST_P(Rings, DistanceEqualToARadiusBelongsOutside) {
  const RingCase& c = GetParam();
  expectHit(Convert_Position(c.r, 1.5, 1, c.doubleBull), c.hit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Rings,
    ::testing::Values(RingCase{0, true, {25, 2, "Double Bull"}},
                      RingCase{180.99, true, {25, 2, "Double Bull"}},
                      RingCase{100, false, {25, 1, "Single Bull"}},
                      RingCase{181, true, {25, 1, "Single Bull"}},
                      RingCase{459.99, true, {25, 1, "Single Bull"}},
                      RingCase{460, true, {20, 1, "Single Twenty"}},
                      RingCase{1239.99, true, {20, 1, "Single Twenty"}},
                      RingCase{1240, true, {20, 3, "Triple Twenty"}},
                      RingCase{1509.99, true, {20, 3, "Triple Twenty"}},
                      RingCase{1510, true, {20, 1, "Single Twenty"}},
                      RingCase{2439.99, true, {20, 1, "Single Twenty"}},
                      RingCase{2440, true, {20, 2, "Double Twenty"}},
                      RingCase{2739.99, true, {20, 2, "Double Twenty"}},
                      RingCase{2740, true, {0, 1, "Miss"}},
                      RingCase{9000, false, {0, 1, "Miss"}}));

// Each chain at each of its bounds, in the single ring.
struct SectorCase {
  int quad;
  double t;
  int number;
  friend std::ostream& operator<<(std::ostream& os, const SectorCase& c) {
    return os << "quadrant " << c.quad << " t=" << c.t;
  }
};

class SectorBounds : public ::testing::TestWithParam<SectorCase> {};

TEST_P(SectorBounds, ValueOnABoundGoesToTheNextTest) {
  const SectorCase& c = GetParam();
  EXPECT_EQ(Convert_Position(850, c.t, static_cast<int16_t>(c.quad), true).number, c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Chains, SectorBounds,
    ::testing::Values(
        SectorCase{1, 0.01, 6}, SectorCase{1, 0.17, 13}, SectorCase{1, 0.47, 4},
        SectorCase{1, 0.8, 18}, SectorCase{1, 1.1, 1}, SectorCase{1, 1.4, 20},
        SectorCase{1, 1.57, 20},
        SectorCase{2, -1.57, 20}, SectorCase{2, -1.41, 5}, SectorCase{2, -1.1, 12},
        SectorCase{2, -0.8, 9}, SectorCase{2, -0.48, 14}, SectorCase{2, -0.18, 11},
        SectorCase{2, -0.01, 11},
        SectorCase{3, 1.57, 3}, SectorCase{3, 1.41, 19}, SectorCase{3, 1.09, 7},
        SectorCase{3, 0.78, 16}, SectorCase{3, 0.45, 8}, SectorCase{3, 0.14, 11},
        SectorCase{3, 0.01, 11},
        SectorCase{4, -1.57, 3}, SectorCase{4, -1.41, 17}, SectorCase{4, -1.1, 2},
        SectorCase{4, -0.78, 15}, SectorCase{4, -0.47, 10}, SectorCase{4, -0.15, 6},
        SectorCase{4, -0.01, 6}));

// Positions in twips from the picture's corner on the lines through the centre.
struct LineCase {
  float x;
  float y;
  Expect hit;
  friend std::ostream& operator<<(std::ostream& os, const LineCase& c) {
    return os << "(" << c.x << ", " << c.y << ")";
  }
};

class CentreLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(CentreLines, ClassifyLikeTheirNeighbours) {
  const LineCase& c = GetParam();
  expectHit(hitAt(c.x, c.y, true), c.hit);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CentreLines,
    ::testing::Values(
        // the column through the centre counts as just right of it
        LineCase{3600, 3600 - 1380, {20, 3, "Triple Twenty"}},
        LineCase{3600, 3600 + 2595, {3, 2, "Double Three"}},
        LineCase{3600, 3600 - 3000, {0, 1, "Miss"}},
        // the row through the centre: six to the right, eleven to the left
        LineCase{3600 + 460, 3600, {6, 1, "Single Six"}},
        LineCase{3600 + 1380, 3600, {6, 3, "Triple Six"}},
        LineCase{3600 - 460, 3600, {11, 1, "Single Eleven"}},
        LineCase{3600 - 2595, 3600, {11, 2, "Double Eleven"}},
        LineCase{3600 + 2740, 3600, {0, 1, "Miss"}},
        LineCase{3600 - 300, 3600, {25, 1, "Single Bull"}},
        LineCase{3600, 3600, {25, 2, "Double Bull"}},
        // off the centre by a little: the inner bull
        LineCase{3600 + 100, 3600 - 15, {25, 2, "Double Bull"}}));

TEST(Board, InnerBullCountsSingleWhenDoubleBullIsInactive) {
  expectHit(hitAt(3600 + 100, 3600 - 15, false), {25, 1, "Single Bull"});
}

// Every sector at its middle angle in every numbered ring, clockwise from the top.
constexpr std::array<int, 20> kAround = {20, 1, 18, 4, 13, 6, 10, 15, 2, 17,
                                         3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
constexpr std::array<const char*, 21> kSpelled = {
    "",        "One",     "Two",       "Three",    "Four",     "Five",    "Six",
    "Seven",   "Eight",   "Nine",      "Ten",      "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen",  "Seventeen", "Eighteen", "Nineteen", "Twenty"};

struct RingMid {
  double r;
  int multiplier;
  const char* prefix;
};

class EveryBed : public ::testing::TestWithParam<std::tuple<int, RingMid>> {};

TEST_P(EveryBed, IsNamedByItsNumberAndRing) {
  const auto [slot, ring] = GetParam();
  const double angle = slot * std::numbers::pi / 10;
  const auto x = static_cast<float>(3600 + ring.r * std::sin(angle));
  const auto y = static_cast<float>(3600 - ring.r * std::cos(angle));
  const int number = kAround[static_cast<std::size_t>(slot)];
  expectHit(hitAt(x, y, true),
            {number, ring.multiplier, std::string(ring.prefix) + kSpelled[number]});
}

INSTANTIATE_TEST_SUITE_P(
    Board, EveryBed,
    ::testing::Combine(::testing::Range(0, 20),
                       ::testing::Values(RingMid{850, 1, "Single "}, RingMid{1375, 3, "Triple "},
                                         RingMid{1975, 1, "Single "},
                                         RingMid{2590, 2, "Double "})),
    [](const auto& info) {
      const int number = kAround[static_cast<std::size_t>(std::get<0>(info.param))];
      std::string prefix = std::get<1>(info.param).prefix;
      prefix.pop_back();  // the trailing blank
      return prefix + kSpelled[number] + "_r" +
             std::to_string(static_cast<int>(std::get<1>(info.param).r));
    });
