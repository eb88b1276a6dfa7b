#pragma once
// Where a player's darts landed, as a density over the board picture and as the beds hit
// most. No Qt: the window draws the density in colour over the board.
//
// Each dart spreads a weight of exactly 1 over the cells around its landing point, as a
// Gaussian bell cut off at three standard deviations (and at the picture's edge, where the
// rest of the bell is shared out over the part inside). So the density is highest where
// darts cluster, exactly 0 wherever no dart came near, and adds up to the number of darts.

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

// A board dart's landing point in twips from the picture's top-left corner, and its bed.
struct Landing {
  float x = 0;
  float y = 0;
  std::string bed{};
};

// Darts counted by where they landed: in each cell of a density grid (column, row, darts)
// and in each bed. All a heatmap needs, however many darts it shows.
struct LandingCounts {
  std::vector<std::array<int, 3>> cells;
  std::map<std::string, int> beds;
  int darts = 0;
};

class DensityGrid {
 public:
  // cells x cells square cells over the whole board picture; the bell's standard
  // deviation in twips.
  explicit DensityGrid(int cells = 160, double sigmaTwips = 120);

  void add(float xTwips, float yTwips);
  // darts darts at the middle of a cell: the same as each dart there added on its own.
  void add(int column, int row, double darts);
  void add(const LandingCounts& counts);

  int cells() const { return cells_; }
  double cellTwips() const { return cellTwips_; }
  // The weight of the cell in column, row (0 at the top left).
  double at(int column, int row) const {
    return weights_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cells_) +
                    static_cast<std::size_t>(column)];
  }
  // The cell that holds a point, clamped to the picture.
  int cellOf(float twips) const;
  double peak() const { return peak_; }
  double total() const;

 private:
  int cells_;
  double cellTwips_;
  double sigmaCells_;
  int reach_;                    // cells either side of the centre the bell reaches
  std::vector<double> weights_;  // row by row
  std::vector<double> bell_;     // the bell's value 0..reach cells from its centre
  double peak_ = 0;
};

struct BedShare {
  std::string bed;
  int darts = 0;
  int percent = 0;  // of all the darts given, rounded
};

LandingCounts countLandings(const std::vector<Landing>& landings,
                            const DensityGrid& grid = DensityGrid());

// The beds hit most, most first (beds hit as often in the order of their names).
std::vector<BedShare> mostHitBeds(const LandingCounts& counts, std::size_t count = 5);
// "T20 23%, 20 18%, 5 9%"; empty when there are none.
std::string bedSharesText(const std::vector<BedShare>& shares);
