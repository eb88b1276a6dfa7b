#pragma once
// One player's way through the history: the games they took part in, in the order played,
// with the figure of each, as the form chart shows them. A player is a name as the
// scoreboard showed it; a name on two seats of one game is read from its first seat.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/gamerecord.h"
#include "journal/statistics.h"

struct PlayerGame {
  int64_t game = 0;
  std::string started;  // ISO 8601, UTC
  int16_t gameType = 0;
  Outcome outcome = Outcome::Playing;
  PlayerFigures figures;  // the player's figures of that game
  bool won = false;
};

// One point of the form chart: a game's 3-dart average (countdown) or marks per round
// (Cricket), and the mean of it and the four games of the same kind before it.
struct FormPoint {
  int order = 0;  // the game's place among all the player's games, from 1
  double value = 0;
  double movingAverage = 0;
  std::string label;  // "2026-12-08 05:11, 501, won"
};

struct PlayerForm {
  std::vector<FormPoint> countdown;
  std::vector<FormPoint> cricket;
};

// A game with nothing to average yet (no turn settled, no turn taken) has no point.
PlayerForm playerForm(const std::vector<PlayerGame>& games);

// "won", "lost", "in progress" or "unfinished", for the player of that game.
std::string resultFor(const PlayerGame& game);

// The games a player's figures are summed over: the game shown, the match it is a leg of,
// the player's last ten games, or all of them.
enum class GameScope { ThisGame, ThisMatch, LastTen, All };
