#pragma once
// What a screen reader says as a game goes on, made from the game's states alone: the
// window hands it over, and a caller could say the same. One text per input, so that no
// message cuts off the one before it:
//   a dart      "Triple 20, 241 left" (countdown), "Triple 20, 3 marks" (Cricket)
//   a turn end  "171 scored. Bob to throw." or "Bust. Bob to throw."
//   a win       "Bob wins", "Bob wins the leg", "Bob wins the match 2-1"
// joined in that order when one input makes more than one of them.

#include <string>
#include <string_view>

#include "game/game.h"
#include "input/board.h"

namespace spoken {

// "Triple 20", "Double 16", "Single 5", "Outer bull", "Bull" (the inner bull), "Miss".
std::string bedWords(const board::Bed& bed);

// Where the match stands once a leg is won: a single game, a leg of a match that goes on,
// or the match won ("Ann wins the match 2-0", as the match panel says it).
struct MatchNews {
  bool singleGame = true;
  std::string_view matchResult;  // empty unless the match was won
};

// What one input did, from the states before and after it; empty when it did nothing
// worth saying (a dart after the win, an undo, a score correction).
std::string afterInput(const GameOptions& options, const GameState& before, const GameState& after,
                       const GameInput& input, MatchNews match = {});

// A dart or target refused while the computer throws: "Computer (level 6) is throwing".
std::string computerThrows(const GameState& state);

// A typed code that names no bed: "T21 is no bed".
std::string noBed(std::string_view code);

}  // namespace spoken
