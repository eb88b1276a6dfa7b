#include "game/dart.h"

namespace dart {

board::Bed bedOf(const GameInput& input) {
  if (input.typed) return {input.number, input.multiplier};
  return board::bedAt(input.x, input.y, true);
}

board::Hit hitOf(const GameInput& input, bool doubleBull) {
  if (!input.typed) return board::hitAt(input.x, input.y, doubleBull);
  board::Bed bed = bedOf(input);
  if (bed.number == 25 && !doubleBull) bed.multiplier = 1;
  return {bed.number, bed.multiplier, board::bedName(bed)};
}

}  // namespace dart
