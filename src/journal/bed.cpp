#include "journal/bed.h"

#include "game/checkout.h"
#include "input/board.h"

std::string bedAt(float xTwips, float yTwips) {
  // Classified without building the hit's long name, which is not needed here.
  const board::Bed bed = board::bedAt(xTwips, yTwips, true);
  return CheckoutDart{.number = bed.number, .multiplier = bed.multiplier}.text();
}
