#pragma once
// The figures of the statistics window, worked out by replaying recorded games.
//
// Countdown games: a turn is settled when the throw passes on (or the game is won); the
// points it took off are the score before it less the score after it, so a bust takes
// off 0 and its darts still count. The 3-dart average is points taken off x 3 / darts
// thrown in settled turns; the first-nine average does the same over each game's first
// three settled turns of the player. Score corrections are not turns.
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
  std::optional<double> average() const;
  std::optional<double> firstNineAverage() const;
  void add(const CountdownFigures& other);
};

struct CricketFigures {
  int games = 0;
  int won = 0;
  int marks = 0;
  int turns = 0;
  std::optional<double> marksPerRound() const;
  void add(const CricketFigures& other);
};

struct PlayerFigures {
  std::string name;
  CountdownFigures countdown;
  CricketFigures cricket;
};

// One row per seat in play of one game, seat 1 first.
std::vector<PlayerFigures> seatFigures(const RecordedGame& record);
// One row per player name over all games, in order of first appearance.
std::vector<PlayerFigures> figuresByName(const std::vector<RecordedGame>& games);
// "60.00"; an empty text when there is nothing to average.
inline std::string twoDecimals(std::optional<double> value) {
  if (!value) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", *value);
  return text;
}
