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
  p.x = xTwips - static_cast<float>(kCentreTwips);
  if (p.x == 0) p.x = 1;  // the column through the centre counts as just right of it
  p.y = static_cast<float>(kCentreTwips) - yTwips;
  p.angle = std::atan(static_cast<double>(p.y / p.x));
  p.radius = std::sqrt(static_cast<double>(p.x) * p.x + static_cast<double>(p.y) * p.y);
  return p;
}

int16_t quadrant(const Position& p) {
  if (p.x > 0 && p.y > 0) return 1;
  if (p.x < 0 && p.y > 0) return 2;
  if (p.x < 0 && p.y < 0) return 3;
  if (p.x > 0 && p.y < 0) return 4;
  return p.x > 0 ? 4 : 2;  // on the horizontal line through the centre
}

Bed bedOf(double radius, double angle, int16_t quadrantValue, bool doubleBull) {
  Bed bed;
  bool needsSector = true;
  if (radius < kInnerBull) {
    bed.number = 25;
    bed.multiplier = doubleBull ? 2 : 1;
    needsSector = false;
  } else if (radius < kOuterBull) {
    bed.number = 25;
    needsSector = false;
  } else if (radius < kTripleInner) {
  } else if (radius < kTripleOuter) {
    bed.multiplier = 3;
  } else if (radius < kDoubleInner) {
  } else if (radius < kDoubleOuter) {
    bed.multiplier = 2;
  } else {
    needsSector = false;  // a miss
  }
  if (needsSector) bed.number = sectorOf(angle, quadrantValue);
  return bed;
}

std::string bedName(const Bed& bed) {
  if (bed.number == 25) return bed.multiplier == 2 ? "Double Bull" : "Single Bull";
  if (bed.number == 0) return "Miss";
  const char* prefix = bed.multiplier == 3   ? "Triple "
                       : bed.multiplier == 2 ? "Double "
                                             : "Single ";
  return prefix + spelledNumber(bed.number);
}

Hit classify(double radius, double angle, int16_t quadrantValue, bool doubleBull) {
  const Bed bed = bedOf(radius, angle, quadrantValue, doubleBull);
  return {bed.number, bed.multiplier, bedName(bed)};
}

Bed bedAt(float xTwips, float yTwips, bool doubleBull) {
  const Position p = positionAt(xTwips, yTwips);
  return bedOf(p.radius, p.angle, quadrant(p), doubleBull);
}

Hit hitAt(float xTwips, float yTwips, bool doubleBull) {
  const Position p = positionAt(xTwips, yTwips);
  return classify(p.radius, p.angle, quadrant(p), doubleBull);
}

}  // namespace board
