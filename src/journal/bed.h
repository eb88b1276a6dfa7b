#pragma once
// The bed a dart landed in, named the way the checkout routes name darts: "T20", "D16",
// "20", "25" (the outer bull), "Bull" (the inner bull) or "Miss". The name says where the
// dart went, so the inner bull is "Bull" whether or not a game counted it as a double.

#include <string>

#include "journal/gamerecord.h"

std::string bedAt(float xTwips, float yTwips);

// The bed of a dart as the journal keeps it: where it landed, or the bed it was typed as.
std::string bedOf(const GameInput& dart);
// A dart read back without a landing point becomes the typed dart its bed names; one whose
// bed names none is left a dart without a bed.
void typedFrom(JournalEntry& entry);
