#pragma once
// A match of legs and sets above the game: each leg is a game of its own, started by the
// match with its first thrower; the leg's win is counted here, and the game below knows
// nothing of it. A set goes to the first to win the legs to win, the match to the first to
// win the sets to win. With one leg and one set the match is a single game.
//
// The throw moves one seat along with every leg: within a set each leg's first thrower is
// one seat along from the leg before, and each set's first leg one seat along from the
// first leg of the set before (with two players and an even number of legs in a set, the
// player who began the set before does not begin this one).

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "game/game.h"

struct MatchOptions {
  static constexpr int16_t kMostLegs = 11;
  static constexpr int16_t kMostSets = 7;
  int16_t legsToWin = 1;  // 1..11
  int16_t setsToWin = 1;  // 1..7
  bool singleGame() const { return legsToWin <= 1 && setsToWin <= 1; }
  bool playsSets() const { return setsToWin > 1; }
  bool operator==(const MatchOptions&) const = default;
};

// Where the match stands: facts only.
struct MatchScore {
  std::array<int16_t, kSeats + 1> legs{};  // won in the set in play, seats 1..4
  std::array<int16_t, kSeats + 1> sets{};  // won so far
  int16_t set = 1;                         // the set in play, from 1
  int16_t leg = 1;                         // the leg in play within its set, from 1
  int16_t setFirstThrower = 1;             // the first thrower of the set's first leg
  int16_t legFirstThrower = 1;             // the first thrower of the leg in play
  int16_t winner = 0;                      // the seat that won the match; 0 while it goes on
  bool legAwaitsStart = false;             // a leg was won and the next is not set up yet
  bool operator==(const MatchScore&) const = default;
};

class Match {
 public:
  explicit Match(Game& game) : game_(game) {}

  MatchOptions options;
  const MatchScore& score() const { return score_; }
  Game& game() { return game_; }
  const Game& game() const { return game_; }

  // A new match with the game's options: the first leg, seat 1 throws first.
  void start();
  // One input to the leg in play. A leg it won is counted, and unless that decided the
  // match the next leg awaits its start.
  UndoResult apply(const GameInput& input);
  // Sets up the next leg; its clips and draws are the game's as for any new game.
  void startNextLeg();
  // Rebuilds the count of a match whose earlier legs were won by these seats, in order (0
  // for a leg shared by a tie), with the leg after them about to be set up (by the caller,
  // with firstThrower()).
  void restore(const MatchOptions& match, std::span<const int16_t> legWinners);
  // The seat that throws first in the leg to be set up next.
  int16_t firstThrower() const { return score_.legFirstThrower; }

 private:
  void countLeg(int16_t winner);
  int16_t seatAfter(int16_t seat) const;

  Game& game_;
  MatchScore score_;
};

// The seat that won a leg that has ended, 0 when a tie shared it.
int16_t legWinner(const GameState& end);

// "Ann wins the match 2-1": the winner's legs (or sets, when sets are played) first, then
// every other seat's in seat order; empty while the match goes on or for a single game.
std::string matchResultText(const Match& match);
