#pragma once
// The statistics of the whole history as the database sums them from the figures kept for
// each game (figurestore.h): no game is read or replayed, so they come as quickly with
// years of games as with one. Each call reads what the journal holds when it is made; when
// the journal is unavailable, or a read fails, the answer is empty.

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/heatmap.h"
#include "journal/playerhistory.h"
#include "journal/statistics.h"

class Journal;

class HistoryFigures {
 public:
  // Keeps the figures of the games in progress up to date first.
  explicit HistoryFigures(Journal& journal);

  // The latest game in the history.
  std::optional<int64_t> latestGame() const;
  // Every name that played, in the order of first appearance.
  std::vector<std::string> playerNames() const;
  // One row per name over all games, in the same order; a name on two seats of a game
  // counts both.
  std::vector<PlayerFigures> byName() const;
  // A player's figures over the games of a scope; shown is the game "this game" means.
  PlayerFigures ofPlayer(const std::string& name, GameScope scope, int64_t shown) const;
  // The games the player took part in, oldest first, with the player's figures of each.
  std::vector<PlayerGame> gamesOf(const std::string& name) const;
  // The player's board darts in the games of a scope, counted by the cells of grid they
  // landed in and by bed. Darts without a landing point are left out.
  LandingCounts landingsOf(const std::string& name, GameScope scope, int64_t shown,
                           const DensityGrid& grid = DensityGrid()) const;

 private:
  // The condition on figures (as f) that picks the scope's games, and its values.
  static QString scopeCondition(GameScope scope);
  static QVariantList scopeValues(const std::string& name, GameScope scope, int64_t shown);

  QSqlDatabase db_;
};
