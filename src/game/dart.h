#pragma once
// Where a dart went, whether it was clicked on the board picture or typed by its bed.

#include "game/gameinput.h"
#include "input/board.h"

namespace dart {

// The bed the dart is in: the inner bull is {25, 2} whatever the game counts it as.
board::Bed bedOf(const GameInput& input);
// The dart as the game counts it: an inner bull is a single without Double Bull.
board::Hit hitOf(const GameInput& input, bool doubleBull);

}  // namespace dart
