#pragma once
// Darts typed from the keyboard: the code of a bed, as a player types it and presses
// Enter, and the bed it names. Letters count in either case.
//
//   "T20" "D16" triple and double; "S5" or "5" a single; "25" or "S25" the outer bull;
//   "BULL", "B", "50" or "D25" the inner bull; "M", "MISS" or "0" a miss;
//   on the number pad "*" before a number is a triple and "/" a double ("*20", "/16").
//
// The inner bull is the bed {25, 2} whatever the game's Double Bull option says; the game
// counts it as a single when the option is off, exactly as a click there.

#include <optional>
#include <string_view>

#include "input/board.h"

namespace typeddart {

// The bed a code names, or nothing when it names none ("T21", "D0", "T25", "X99", "").
std::optional<board::Bed> bedOf(std::string_view code);

// The characters a code can hold: those that go into the code being typed.
bool isCodeCharacter(char32_t ch);

// The longest code worth keeping while it is typed; further characters are dropped.
inline constexpr std::size_t kLongestCode = 6;

}  // namespace typeddart
