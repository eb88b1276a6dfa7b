// The density of landing points and the beds hit most, from sets of points whose answer
// is known.
#include <gtest/gtest.h>

#include <cmath>

#include "journal/bed.h"
#include "journal/heatmap.h"

namespace {

std::vector<Landing> at(std::initializer_list<std::pair<float, float>> points) {
  std::vector<Landing> landings;
  for (const auto& [x, y] : points) landings.push_back({x, y, bedAt(x, y)});
  return landings;
}

TEST(Heatmap, DensityPeaksWhereTheDartsClusterAndIsZeroWhereNoneCame) {
  // Five darts round the treble twenty, one lone dart low on the left.
  DensityGrid grid(160, 120);
  grid.add(countLandings(at({{3600, 2300}, {3615, 2310}, {3585, 2290}, {3630, 2285}, {3600, 2330}}),
                         grid));
  grid.add(1200, 5400);

  int peakColumn = 0;
  int peakRow = 0;
  for (int r = 0; r < grid.cells(); ++r) {
    for (int c = 0; c < grid.cells(); ++c) {
      if (grid.at(c, r) == grid.peak()) std::tie(peakColumn, peakRow) = std::pair(c, r);
    }
  }
  EXPECT_NEAR(grid.cellOf(3605), peakColumn, 1);
  EXPECT_NEAR(grid.cellOf(2300), peakRow, 1);
  EXPECT_GT(grid.peak(), 3 * grid.at(grid.cellOf(1200), grid.cellOf(5400)));
  EXPECT_GT(grid.at(grid.cellOf(1200), grid.cellOf(5400)), 0.0);

  // Three standard deviations away from every dart nothing is left, and far away neither.
  EXPECT_EQ(0.0, grid.at(grid.cellOf(3600 + 3 * 120 + 100), grid.cellOf(2300)));
  EXPECT_EQ(0.0, grid.at(grid.cellOf(1200), grid.cellOf(5400 - 3 * 120 - 100)));
  EXPECT_EQ(0.0, grid.at(0, 0));
  EXPECT_EQ(0.0, grid.at(grid.cells() - 1, grid.cells() - 1));
  EXPECT_EQ(0.0, grid.at(grid.cellOf(6000), grid.cellOf(3600)));
  // The bell is symmetric round a lone dart.
  const int c = grid.cellOf(1200);
  const int r = grid.cellOf(5400);
  EXPECT_DOUBLE_EQ(grid.at(c - 2, r), grid.at(c + 2, r));
  EXPECT_DOUBLE_EQ(grid.at(c, r - 3), grid.at(c, r + 3));
  EXPECT_LT(grid.at(c + 2, r), grid.at(c + 1, r));
}

TEST(Heatmap, TotalWeightIsTheNumberOfDartsAlsoAtThePicturesEdge) {
  const struct {
    int cells;
    double sigma;
    std::vector<Landing> darts;
  } cases[] = {
      {160, 120, {}},
      {160, 120, at({{3600, 3600}})},
      {160, 120, at({{0, 0}, {7199, 7199}, {7199, 0}, {20, 3600}})},  // corners and an edge
      {60, 400, at({{3600, 2300}, {3600, 2300}, {100, 7100}, {5000, 1500}, {3600, 6990}})},
      {480, 45, at({{3600, 2300}, {3607.5f, 2307.5f}})},
  };
  for (const auto& test : cases) {
    DensityGrid grid(test.cells, test.sigma);
    // Counted by cell, the darts weigh what they weigh added one by one.
    DensityGrid oneByOne(test.cells, test.sigma);
    for (const Landing& dart : test.darts) oneByOne.add(dart.x, dart.y);
    grid.add(countLandings(test.darts, grid));
    EXPECT_NEAR(static_cast<double>(test.darts.size()), grid.total(), 1e-9)
        << test.darts.size() << " darts on " << test.cells << " cells";
    for (int r = 0; r < grid.cells(); ++r) {
      for (int c = 0; c < grid.cells(); ++c) ASSERT_NEAR(oneByOne.at(c, r), grid.at(c, r), 1e-12);
    }
  }
}

// The bell falls off as a normal curve of the deviation asked for and is cut off at three
// deviations: with 45-twip cells 100 twips reach 6 cells out, and 135 twips are exactly
// 3 cells, so the cell 9 out lies on the cut-off and still counts.
TEST(Heatmap, TheBellIsANormalCurveCutOffAtThreeDeviations) {
  for (const double sigmaTwips : {100.0, 135.0}) {
    DensityGrid grid(160, sigmaTwips);
    grid.add(80, 80, 1);
    const double sigma = sigmaTwips / grid.cellTwips();
    const double middle = grid.at(80, 80);
    for (int d = 0; d <= 12; ++d) {
      const double u = d / sigma;
      const double want = d <= 3 * sigma ? std::exp(-0.5 * u * u) : 0.0;
      EXPECT_NEAR(want, grid.at(80 + d, 80) / middle, 1e-12) << sigmaTwips << " twips, " << d;
      EXPECT_NEAR(want, grid.at(80, 80 - d) / middle, 1e-12) << sigmaTwips << " twips, " << d;
    }
  }
}

// A point on the picture's edge or beyond it is in the edge cell, and so is a count for a
// cell beyond it (the database divides a landing point by the cell size, unclamped). A dart
// in an edge cell weighs most in that cell, the same as one counted there.
TEST(Heatmap, DartsAtAndBeyondTheEdgeStayInTheEdgeCells) {
  DensityGrid grid(160, 120);
  const int last = grid.cells() - 1;
  const std::pair<float, int> points[] = {{-30, 0},     {0, 0},       {44, 0},     {45, 1},
                                          {7199, last}, {7200, last}, {7400, last}};
  for (const auto& [twips, cell] : points) EXPECT_EQ(cell, grid.cellOf(twips)) << twips;

  const struct {
    int column, row, edgeColumn, edgeRow;
  } counts[] = {{0, 0, 0, 0}, {last, last, last, last}, {-4, 200, 0, last}, {200, -1, last, 0}};
  for (const auto& count : counts) {
    DensityGrid counted(160, 120);
    counted.add(count.column, count.row, 2);
    DensityGrid atEdge(160, 120);
    atEdge.add(count.edgeColumn, count.edgeRow, 2);
    EXPECT_EQ(counted.peak(), counted.at(count.edgeColumn, count.edgeRow)) << count.column;
    EXPECT_NEAR(2.0, counted.total(), 1e-9) << count.column;
    for (int r = 0; r < grid.cells(); ++r) {
      for (int c = 0; c < grid.cells(); ++c) ASSERT_EQ(atEdge.at(c, r), counted.at(c, r));
    }
  }
}

TEST(Heatmap, FiveBedsHitMostWithTheirShares) {
  std::vector<Landing> darts;  // 40: T20 12, 20 9, 5 7, 1 5, Miss 4, T5 2, Bull 1
  for (const auto& [bed, n] :
       {std::pair{"20", 9}, {"T5", 2}, {"T20", 12}, {"Miss", 4}, {"5", 7}, {"Bull", 1}, {"1", 5}})
    darts.insert(darts.end(), std::size_t(n), Landing{0, 0, bed});
  const std::vector<BedShare> top = mostHitBeds(countLandings(darts));
  ASSERT_EQ(5u, top.size());
  EXPECT_EQ("T20 30%, 20 23%, 5 18%, 1 13%, Miss 10%", bedSharesText(top));
  EXPECT_EQ(12, top[0].darts);

  // Beds hit as often come in the order of their names; fewer beds than five are all shown.
  EXPECT_EQ(
      "19 33%, D16 33%, T19 33%",
      bedSharesText(mostHitBeds(countLandings({{0, 0, "T19"}, {0, 0, "D16"}, {0, 0, "19"}}))));
  EXPECT_EQ("", bedSharesText(mostHitBeds(countLandings({}))));
}

}  // namespace
