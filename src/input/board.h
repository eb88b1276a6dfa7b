#pragma once
// The dartboard: where its rings and sectors lie, and how a position on the board
// picture becomes a named hit. Positions are in twips (15 to a pixel) from the top-left
// corner of the 480 x 480 pixel picture; the board centre is at (3600, 3600).

#include <array>
#include <cstdint>
#include <string>

namespace board {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kPictureTwips = 7200;
inline constexpr int kCentreTwips = 3600;
inline constexpr int kPicturePixels = kPictureTwips / kTwipsPerPixel;  // 480

// Outer radius of each ring in twips; a distance equal to a radius lies in the ring outside it.
inline constexpr double kInnerBull = 181;
inline constexpr double kOuterBull = 460;
inline constexpr double kTripleInner = 1240;
inline constexpr double kTripleOuter = 1510;
inline constexpr double kDoubleInner = 2440;
inline constexpr double kDoubleOuter = 2740;

// The sectors clockwise from the top.
inline constexpr std::array<int, 20> kClockwise = {20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                   3,  19, 7,  16, 8,  11, 14, 9,  12, 5};

// Where a point lies: the number and the multiplier, without the bed's name. The board
// picture classifies every pixel this way; a dart in the game is a Hit, which has the name.
struct Bed {
  int16_t number = 0;      // 1..20, 25 for the bull, 0 for a miss
  int16_t multiplier = 1;  // 1, 2 or 3
  bool operator==(const Bed&) const = default;
};

// One classified dart.
struct Hit {
  int16_t number = 0;      // 1..20, 25 for the bull, 0 for a miss
  int16_t multiplier = 1;  // 1, 2 or 3
  std::string name;        // "Triple Nineteen", "Single Bull", "Miss", ...
  int16_t points() const { return static_cast<int16_t>(number * multiplier); }
  bool operator==(const Hit&) const = default;
};

// The stored pointer position over the board: offsets from the centre, distance and angle.
struct Position {
  float x = 0;        // X - 3600, 1 when that comes out 0
  float y = 0;        // 3600 - Y
  double radius = 0;  // distance from the centre
  double angle = 0;   // atan(y / x), radians
};

// The position of a point given in twips from the picture's top-left corner.
Position positionAt(float xTwips, float yTwips);

// The quadrant of a position, 1..4. A point on the horizontal line through the centre
// (y 0) lies between two quadrants; it goes to the one whose sector chain gives
// the sector it belongs to: 4 (six) to the right of the centre, 2 (eleven) to the left.
int16_t quadrant(const Position& p);

// The sector of a point of a quadrant from its slope y / x, exactly as the sector chains
// give it from the slope's arctangent, the angle, but without working that out.
int16_t sectorOfSlope(float slope, int16_t quadrantValue);

// The ring and sector of a distance and angle in a quadrant.
Bed bedOf(double radius, double angle, int16_t quadrantValue, bool doubleBull);
Hit classify(double radius, double angle, int16_t quadrantValue, bool doubleBull);

// Everything at once: the bed, or the named hit, under a point of the picture. The sector
// comes from the slope of the point, as positionAt's angle would give it.
Bed bedAt(float xTwips, float yTwips, bool doubleBull);
Hit hitAt(float xTwips, float yTwips, bool doubleBull);

// "Triple Nineteen", "Single Bull", "Double Bull", "Miss", ...
std::string bedName(const Bed& bed);

// "One" .. "Twenty"; empty for anything else.
std::string spelledNumber(int n);

}  // namespace board
