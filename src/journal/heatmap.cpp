#include "journal/heatmap.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "input/board.h"

DensityGrid::DensityGrid(int cells, double sigmaTwips)
    : cells_(std::max(cells, 1)),
      cellTwips_(static_cast<double>(board::kPictureTwips) / cells_),
      sigmaCells_(std::max(sigmaTwips / cellTwips_, 0.25)),
      reach_(static_cast<int>(std::ceil(3 * sigmaCells_))),
      weights_(static_cast<std::size_t>(cells_) * static_cast<std::size_t>(cells_), 0.0) {
  for (int d = 0; d <= reach_; ++d) {
    const double u = d / sigmaCells_;
    bell_.push_back(d > 3 * sigmaCells_ ? 0.0 : std::exp(-0.5 * u * u));
  }
}

int DensityGrid::cellOf(float twips) const {
  return std::clamp(static_cast<int>(std::floor(twips / cellTwips_)), 0, cells_ - 1);
}

void DensityGrid::add(float xTwips, float yTwips) { add(cellOf(xTwips), cellOf(yTwips), 1); }

void DensityGrid::add(int column, int row, double darts) {
  column = std::clamp(column, 0, cells_ - 1);
  row = std::clamp(row, 0, cells_ - 1);
  const int left = std::max(column - reach_, 0);
  const int right = std::min(column + reach_, cells_ - 1);
  const int top = std::max(row - reach_, 0);
  const int bottom = std::min(row + reach_, cells_ - 1);
  // The bell is a product of a row and a column profile, so its part inside the picture
  // sums to the product of their sums.
  double across = 0;
  for (int c = left; c <= right; ++c)
    across += bell_[static_cast<std::size_t>(std::abs(c - column))];
  double down = 0;
  for (int r = top; r <= bottom; ++r) down += bell_[static_cast<std::size_t>(std::abs(r - row))];
  const double scale = darts / (across * down);
  for (int r = top; r <= bottom; ++r) {
    const double rowWeight = scale * bell_[static_cast<std::size_t>(std::abs(r - row))];
    double* line = &weights_[static_cast<std::size_t>(r) * static_cast<std::size_t>(cells_)];
    for (int c = left; c <= right; ++c) {
      double& cell = line[c];
      cell += rowWeight * bell_[static_cast<std::size_t>(std::abs(c - column))];
      peak_ = std::max(peak_, cell);
    }
  }
}

void DensityGrid::add(const LandingCounts& counts) {
  for (const auto& [column, row, darts] : counts.cells) add(column, row, darts);
}

LandingCounts countLandings(const std::vector<Landing>& landings, const DensityGrid& grid) {
  LandingCounts counts;
  std::map<std::pair<int, int>, int> cells;
  for (const Landing& landing : landings) {
    ++cells[{grid.cellOf(landing.x), grid.cellOf(landing.y)}];
    ++counts.beds[landing.bed];
  }
  for (const auto& [cell, darts] : cells) counts.cells.push_back({cell.first, cell.second, darts});
  counts.darts = static_cast<int>(landings.size());
  return counts;
}

double DensityGrid::total() const { return std::accumulate(weights_.begin(), weights_.end(), 0.0); }

std::vector<BedShare> mostHitBeds(const LandingCounts& counts, std::size_t count) {
  std::vector<BedShare> shares;
  shares.reserve(counts.beds.size());
  for (const auto& [bed, darts] : counts.beds) shares.push_back({bed, darts, 0});
  std::stable_sort(shares.begin(), shares.end(),
                   [](const BedShare& a, const BedShare& b) { return a.darts > b.darts; });
  if (shares.size() > count) shares.resize(count);
  const double all = counts.darts;
  for (BedShare& share : shares) {
    share.percent = static_cast<int>(std::lround(100.0 * share.darts / all));
  }
  return shares;
}

std::string bedSharesText(const std::vector<BedShare>& shares) {
  std::string text;
  for (const BedShare& share : shares) {
    if (!text.empty()) text += ", ";
    text += share.bed + " " + std::to_string(share.percent) + "%";
  }
  return text;
}
