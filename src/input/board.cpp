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

// The offsets and distance of a point, all but the angle.
Position offsetsAt(float xTwips, float yTwips) {
  Position p;
  p.x = xTwips - static_cast<float>(kCentreTwips);
  if (p.x == 0) p.x = 1;  // the column through the centre counts as just right of it
  p.y = static_cast<float>(kCentreTwips) - yTwips;
  p.radius = std::sqrt(static_cast<double>(p.x) * p.x + static_cast<double>(p.y) * p.y);
  return p;
}

// The ring of a distance: the bed without its number when the number is a sector's (true).
bool ringOf(double radius, bool doubleBull, Bed& bed) {
  if (radius < kInnerBull) {
    bed.number = 25;
    bed.multiplier = doubleBull ? 2 : 1;
    return false;
  }
  if (radius < kOuterBull) {
    bed.number = 25;
    return false;
  }
  if (radius < kTripleInner) return true;
  if (radius < kTripleOuter) {
    bed.multiplier = 3;
    return true;
  }
  if (radius < kDoubleInner) return true;
  if (radius < kDoubleOuter) {
    bed.multiplier = 2;
    return true;
  }
  return false;  // a miss
}

}  // namespace

std::string spelledNumber(int n) {
  return (n >= 1 && n <= 20) ? kSpelled[static_cast<std::size_t>(n)] : "";
}

Position positionAt(float xTwips, float yTwips) {
  Position p = offsetsAt(xTwips, yTwips);
  p.angle = std::atan(static_cast<double>(p.y / p.x));
  return p;
}

// The same chains tested on the slope y / x of a point, the float whose arctangent is its
// angle, so that placing a dart needs no arctangent. The arctangent rises with the slope,
// so "angle < bound" holds exactly when the slope is below the least float whose
// arctangent reaches the bound, and "angle > bound" when the slope is above the greatest
// float whose arctangent stays at or below it; those floats stand here beside their bounds.
// "-1.6 < angle" and "angle < 1.6" always hold, as an arctangent lies within +-pi/2.
int16_t sectorOfSlope(float s, int16_t quad) {
  switch (quad) {
    case 1:
      if (0 < s && s < 0x1.5f8d9ep-3f) return 6;  // angle 0.17
      if (s < 0x1.04141cp-1f) return 13;          // 0.47
      if (s < 0x1.079666p+0f) return 4;           // 0.8
      if (s < 0x1.f6fa7ep+0f) return 18;          // 1.1
      if (s < 0x1.731088p+2f) return 1;           // 1.4
      return 20;
    case 2:
      if (s < -0x1.8a9530p+2f) return 20;  // -1.41
      if (s < -0x1.f6fa7cp+0f) return 5;   // -1.1
      if (s < -0x1.079664p+0f) return 12;  // -0.8
      if (s < -0x1.0a8d80p-1f) return 9;   // -0.48
      if (s < -0x1.74ac70p-3f) return 14;  // -0.18
      return 11;
    case 3:
      if (s > 0x1.8a9530p+2f) return 3;   // 1.41
      if (s > 0x1.eac686p+0f) return 19;  // 1.09
      if (s > 0x1.fa807cp-1f) return 7;   // 0.78
      if (s > 0x1.eea5fcp-2f) return 16;  // 0.45
      if (s > 0x1.209ba8p-3f) return 8;   // 0.14
      return 11;
    default:
      if (s < -0x1.8a9530p+2f) return 3;   // -1.41
      if (s < -0x1.f6fa7cp+0f) return 17;  // -1.1
      if (s < -0x1.fa807cp-1f) return 2;   // -0.78
      if (s < -0x1.04141ap-1f) return 15;  // -0.47
      if (s < -0x1.358660p-3f) return 10;  // -0.15
      return 6;
  }
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
  if (ringOf(radius, doubleBull, bed)) bed.number = sectorOf(angle, quadrantValue);
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

namespace {

Hit named(const Bed& bed) { return {bed.number, bed.multiplier, bedName(bed)}; }

}  // namespace

Hit classify(double radius, double angle, int16_t quadrantValue, bool doubleBull) {
  return named(bedOf(radius, angle, quadrantValue, doubleBull));
}

Bed bedAt(float xTwips, float yTwips, bool doubleBull) {
  const Position p = offsetsAt(xTwips, yTwips);
  Bed bed;
  if (ringOf(p.radius, doubleBull, bed)) bed.number = sectorOfSlope(p.y / p.x, quadrant(p));
  return bed;
}

Hit hitAt(float xTwips, float yTwips, bool doubleBull) {
  return named(bedAt(xTwips, yTwips, doubleBull));
}

}  // namespace board
