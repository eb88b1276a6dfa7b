#include "input/board.h"

#include <cmath>

namespace board {

namespace {

constexpr std::array<const char*, 21> kSpelled = {
    "",         "One",     "Two",     "Three",     "Four",     "Five",     "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",   "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty"};

// The sector chains: in each quadrant the tests are made in order and the first that
// holds gives the number. The bounds are rounded radians and differ a little from
// quadrant to quadrant; they are used exactly as they stand.
int16_t sectorOf(double t, int16_t quad) {
  switch (quad) {
    case 1:
      if (0 < t && t < 0.17) return 6;
      if (t < 0.47) return 13;
      if (t < 0.8) return 4;
      if (t < 1.1) return 18;
      if (t < 1.4) return 1;
      return 20;
    case 2:
      if (-1.6 < t && t < -1.41) return 20;
      if (t < -1.1) return 5;
      if (t < -0.8) return 12;
      if (t < -0.48) return 9;
      if (t < -0.18) return 14;
      return 11;
    case 3:
      if (1.41 < t && t < 1.6) return 3;
      if (t > 1.09) return 19;
      if (t > 0.78) return 7;
      if (t > 0.45) return 16;
      if (t > 0.14) return 8;
      return 11;
    default:
      if (-1.6 < t && t < -1.41) return 3;
      if (t < -1.1) return 17;
      if (t < -0.78) return 2;
      if (t < -0.47) return 15;
      if (t < -0.15) return 10;
      return 6;
  }
}

}  // namespace

std::string spelledNumber(int n) {
  return (n >= 1 && n <= 20) ? kSpelled[static_cast<std::size_t>(n)] : "";
}

Position positionAt(float xTwips, float yTwips) {
  Position p;
  p.board_x = xTwips - static_cast<float>(kCentreTwips);
  if (p.board_x == 0) p.board_x = 1;  // the column through the centre counts as just right of it
  p.board_y = static_cast<float>(kCentreTwips) - yTwips;
  p.board_t = std::atan(static_cast<double>(p.board_y / p.board_x));
  p.board_r = std::sqrt(static_cast<double>(p.board_x) * p.board_x +
                        static_cast<double>(p.board_y) * p.board_y);
  return p;
}

int16_t board_loc(const Position& p) {
  if (p.board_x > 0 && p.board_y > 0) return 1;
  if (p.board_x < 0 && p.board_y > 0) return 2;
  if (p.board_x < 0 && p.board_y < 0) return 3;
  if (p.board_x > 0 && p.board_y < 0) return 4;
  return p.board_x > 0 ? 4 : 2;  // on the horizontal line through the centre
}

Hit Convert_Position(double r_Value, double t_Value, int16_t quad_Value, bool double_bull) {
  Hit hit;
  const char* prefix = "Single ";
  bool needsSector = true;
  if (r_Value < kInnerBull) {
    hit.number = 25;
    hit.multiplier = double_bull ? 2 : 1;
    prefix = double_bull ? "Double Bull" : "Single Bull";
    needsSector = false;
  } else if (r_Value < kOuterBull) {
    hit.number = 25;
    prefix = "Single Bull";
    needsSector = false;
  } else if (r_Value < kTripleInner) {
  } else if (r_Value < kTripleOuter) {
    hit.multiplier = 3;
    prefix = "Triple ";
  } else if (r_Value < kDoubleInner) {
  } else if (r_Value < kDoubleOuter) {
    hit.multiplier = 2;
    prefix = "Double ";
  } else {
    prefix = "Miss";
    needsSector = false;
  }
  if (needsSector) hit.number = sectorOf(t_Value, quad_Value);
  hit.name = std::string(prefix) + spelledNumber(needsSector ? hit.number : 0);
  return hit;
}

Hit hitAt(float xTwips, float yTwips, bool double_bull) {
  const Position p = positionAt(xTwips, yTwips);
  return Convert_Position(p.board_r, p.board_t, board_loc(p), double_bull);
}

}  // namespace board
