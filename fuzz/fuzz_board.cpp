// Hit classification over any position, including positions far off the picture, on the
// centre lines, infinite or not a number: it never crashes, always names a valid hit
// that agrees with the ring the position lies in, and finds from the slope of the point
// the bed the angle gives.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "input/board.h"

namespace {

[[noreturn]] void fault(const char* what) {
  std::fputs(what, stderr);
  std::fputc('\n', stderr);
  std::abort();
}

void check(float x, float y, bool doubleBull) {
  const board::Hit hit = board::hitAt(x, y, doubleBull);
  const board::Position p = board::positionAt(x, y);
  const int16_t quad = board::quadrant(p);
  if (quad < 1 || quad > 4) fault("quadrant outside 1..4");
  if (hit != board::classify(p.radius, p.angle, quad, doubleBull))
    fault("the slope gives another bed than the angle");
  const double r = p.radius;
  if (hit.number == 0) {
    if (hit.multiplier != 1 || hit.name != "Miss")
      fault("a miss with a multiplier or another name");
    if (r < board::kDoubleOuter) fault("a miss on the board");
    return;
  }
  if (!(r < board::kDoubleOuter)) fault("a hit off the board");
  if (hit.number == 25) {
    if (r >= board::kOuterBull) fault("a bull outside the bull");
    const bool inner = r < board::kInnerBull && doubleBull;
    if (hit.multiplier != (inner ? 2 : 1)) fault("bull multiplier");
    if (hit.name != (inner ? "Double Bull" : "Single Bull")) fault("bull name");
    return;
  }
  if (hit.number < 1 || hit.number > 20) fault("number outside 1..20");
  if (r < board::kOuterBull) fault("a number inside the bull");
  int multiplier = 1;
  if (r >= board::kTripleInner && r < board::kTripleOuter) multiplier = 3;
  if (r >= board::kDoubleInner) multiplier = 2;
  if (hit.multiplier != multiplier) fault("multiplier does not match the ring");
  static const char* const kPrefix[] = {"", "Single ", "Double ", "Triple "};
  if (hit.name != kPrefix[multiplier] + board::spelledNumber(hit.number))
    fault("name does not match");
  if (hit.points() != hit.number * hit.multiplier) fault("points");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  float x = 0;
  float y = 0;
  std::memcpy(&x, data, sizeof x);
  std::memcpy(&y, data + 4, sizeof y);
  const bool doubleBull = (data[8] & 1) != 0;
  // The raw floats (any bit pattern), and the same bytes as a position near the board.
  check(x, y, doubleBull);
  int32_t ix = 0;
  int32_t iy = 0;
  std::memcpy(&ix, data, sizeof ix);
  std::memcpy(&iy, data + 4, sizeof iy);
  check(static_cast<float>(ix % 8000), static_cast<float>(iy % 8000), doubleBull);
  return 0;
}
