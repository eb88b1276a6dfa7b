#include "journal/bed.h"

#include "game/checkout.h"
#include "input/board.h"

std::string bedAt(float xTwips, float yTwips) {
  const board::Hit hit = board::hitAt(xTwips, yTwips, true);
  return CheckoutDart{.number = hit.number, .multiplier = hit.multiplier}.text();
}
