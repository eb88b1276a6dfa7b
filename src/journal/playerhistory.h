#pragma once
// One player's way through the history: the games they took part in, in the order played,
// the figure of each (for the form chart) and where their board darts landed (for the
// heatmap). A player is a name as the scoreboard showed it; a name on two seats of one
// game is read from its first seat.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/gamerecord.h"
#include "journal/heatmap.h"
#include "journal/statistics.h"

struct PlayerGame {
  const RecordedGame* game = nullptr;
  int seat = 0;
  PlayerFigures figures;  // the seat's figures of that game
  bool won = false;
};

// Every name that played, in the order of first appearance.
std::vector<std::string> playerNames(const std::vector<RecordedGame>& games);
// The games the player took part in, oldest first. The games must outlive the result.
std::vector<PlayerGame> gamesOf(const std::vector<RecordedGame>& games, const std::string& player);

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

enum class GameScope { ThisGame, LastTen, All };

// The landing points of the player's board darts in the games of the scope; thisGame is
// the game the "this game" scope means. Darts without a point are left out.
std::vector<Landing> landingsOf(const std::vector<PlayerGame>& games, GameScope scope,
                                std::optional<int64_t> thisGame);
