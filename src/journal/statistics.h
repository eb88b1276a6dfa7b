#pragma once
// The figures of the statistics window, worked out by replaying a recorded game.
//
// Countdown games: a turn is settled when the throw passes on (or the game is won); the
// points it took off are the score before it less the score after it, so a bust takes
// off 0 and its darts still count. The 3-dart average is points taken off x 3 / darts
// thrown in settled turns; the first-nine average does the same over each game's first
// three settled turns of the player. Score corrections are not turns.
//   A dart is at a finish when the thrower's score less the turn so far can be finished
// with that one dart under the game's out rule: with a double (2 to 40, even, or 50 with
// the inner bull where it counts as a double) in Double In/Out, a triple (3 to 60, a
// multiple of 3) in Triple In/Out; Any In/Out has no such darts. A checkout is a dart at a
// finish that finished the leg. The highest checkout is the most points a winning turn took
// off; the best leg the fewest darts in a leg won, counting in the winning turn only the
// darts up to the one that reached 0 (the rest are misses the turn is filled with).
// Cricket games: marks per round is every mark a player made (those that scored too)
// divided by the turns the player took; a turn counts once it has a dart or a mark, or
// when the throw has passed on from it.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "journal/gamerecord.h"

struct CountdownFigures {
  int games = 0;
  int won = 0;
  int darts = 0;         // every dart thrown, also in a turn not yet settled
  int settledDarts = 0;  // the darts of settled turns
  int points = 0;        // taken off by settled turns
  int firstNineDarts = 0;
  int firstNinePoints = 0;
  int highestTurn = 0;
  int turns100 = 0;  // 100 to 139
  int turns140 = 0;  // 140 to 179
  int turns180 = 0;
  int finishDarts = 0;  // darts at a finish
  int checkouts = 0;    // darts at a finish that finished the leg
  int highestCheckout = 0;
  int bestLeg = 0;  // 0: no leg won
  std::optional<double> average() const;
  std::optional<double> firstNineAverage() const;
  // A share of 0 to 100; none without a dart at a finish.
  std::optional<double> checkoutPercent() const;
};

struct CricketFigures {
  int games = 0;
  int won = 0;
  int marks = 0;
  int turns = 0;
  std::optional<double> marksPerRound() const;
};

struct PlayerFigures {
  std::string name;
  CountdownFigures countdown;
  CricketFigures cricket;
};

// One row per seat in play of one game, seat 1 first.
std::vector<PlayerFigures> seatFigures(const RecordedGame& record);

// A game's figures and, for each of its entries, the seat it was thrown by (0 for an
// entry that reached no game in play).
struct GameTally {
  std::vector<PlayerFigures> seats;
  std::vector<int> throwers;
};
GameTally tallyGame(const RecordedGame& record);

// Whether score can be finished with one dart under the game's out rule.
bool finishesInOne(int score, const GameOptions& options);
// "60.00"; an empty text when there is nothing to average.
inline std::string twoDecimals(std::optional<double> value) {
  if (!value) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", *value);
  return text;
}
