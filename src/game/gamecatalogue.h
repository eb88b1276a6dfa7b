#pragma once
// Every game the program offers, in the order the new-game dialog lists them, each with
// its caption and its rules. A new game is one row here and its rules class.

#include <cstdint>
#include <span>
#include <string_view>

#include "game/gamerules.h"

struct GameKind {
  int16_t type;  // as the options and the journal keep it
  std::string_view caption;
  const GameRules& rules;
};

inline constexpr std::size_t kGameKinds = 10;
std::span<const GameKind, kGameKinds> gameKinds();
// The rules of a game type; a type no game has (read from a damaged file) plays, below
// the first, as Cricket, and beyond the last as 501.
const GameRules& rulesFor(int16_t gameType);
// The caption of a game type, "Cricket" .. "Count-Up"; empty for a type no game has.
std::string_view gameCaption(int16_t gameType);
