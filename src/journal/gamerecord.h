#pragma once
// One game as the journal keeps it: the setup it began with and every input that changed
// it, in order. Replaying the inputs through the rules rebuilds any state of the game.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/gameinput.h"
#include "game/match.h"

// How a game ended, or that it has not.
enum class Outcome {
  Playing,     // in progress, or the program ended without closing it
  Won,         // a player won
  Unfinished,  // replaced by a new game, or its continuation was declined
};

struct GameSetup {
  GameOptions options;
  std::array<std::string, kSeats + 1> names{};  // seats 1..4 as the scoreboard showed them
  std::vector<float> draws;  // the random values the setup drew, in the order drawn
  int16_t firstThrower = 1;  // the seat that threw first
  // The match the game is a leg of, and where in it: a single game is a match of one leg.
  MatchOptions match{};
  int16_t set = 1;
  int16_t leg = 1;  // within its set
  bool operator==(const GameSetup&) const = default;
};

// One input as it was applied, with the one preference that changes what it does. A board
// dart read back from the journal also names the bed it landed in; the journal works that
// out from the point when it records the dart, or keeps the bed a typed dart was typed as,
// and leaves it empty for a dart without either.
struct JournalEntry {
  GameInput input;
  bool autoWin = true;
  std::string bed{};
  bool hasLandingPoint() const {
    return input.kind == GameInput::Kind::BoardDart && !input.typed && !bed.empty();
  }
  bool operator==(const JournalEntry&) const = default;
};

struct RecordedGame {
  int64_t id = 0;
  int64_t match = 0;    // the journal's match the game is a leg of
  std::string started;  // ISO 8601, UTC
  GameSetup setup;
  std::vector<JournalEntry> entries;
  Outcome outcome = Outcome::Playing;
};
