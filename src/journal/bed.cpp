#include "journal/bed.h"

#include "game/checkout.h"
#include "game/dart.h"
#include "input/board.h"
#include "input/typeddart.h"

std::string bedAt(float xTwips, float yTwips) {
  // Classified without building the hit's long name, which is not needed here.
  const board::Bed bed = board::bedAt(xTwips, yTwips, true);
  return CheckoutDart{.number = bed.number, .multiplier = bed.multiplier}.text();
}

std::string bedOf(const GameInput& dart) {
  if (!dart.typed) return bedAt(dart.x, dart.y);
  return CheckoutDart{.number = dart.number, .multiplier = dart.multiplier}.text();
}

void typedFrom(JournalEntry& entry) {
  const auto bed = typeddart::bedOf(entry.bed);
  if (!bed) {
    entry.bed.clear();
    return;
  }
  entry.input = GameInput::typedDart(bed->number, bed->multiplier);
}
