#include "journal/playerhistory.h"

#include <algorithm>

#include "journal/historycsv.h"
#include "journal/replay.h"

namespace {

constexpr std::size_t kMovingWindow = 5;
constexpr std::size_t kLastGames = 10;

int seatsInPlay(const RecordedGame& game) {
  return std::clamp<int>(game.setup.options.playerCount, 1, kSeats);
}

void addPoint(std::vector<FormPoint>& series, std::vector<double>& values, int order,
              std::optional<double> value, std::string label) {
  if (!value) return;
  values.push_back(*value);
  const std::size_t from = values.size() > kMovingWindow ? values.size() - kMovingWindow : 0;
  double sum = 0;
  for (std::size_t i = from; i < values.size(); ++i) sum += values[i];
  series.push_back({.order = order,
                    .value = *value,
                    .movingAverage = sum / static_cast<double>(values.size() - from),
                    .label = std::move(label)});
}

std::string dateOf(const RecordedGame& game) {
  std::string date = game.started.substr(0, 16);  // 2026-12-08T05:11
  std::replace(date.begin(), date.end(), 'T', ' ');
  return date;
}

}  // namespace

std::vector<std::string> playerNames(const std::vector<RecordedGame>& games) {
  std::vector<std::string> names;
  for (const RecordedGame& game : games) {
    for (int seat = 1; seat <= seatsInPlay(game); ++seat) {
      const std::string& name = game.setup.names[static_cast<std::size_t>(seat)];
      if (std::ranges::find(names, name) == names.end()) names.push_back(name);
    }
  }
  return names;
}

std::vector<PlayerGame> gamesOf(const std::vector<RecordedGame>& games, const std::string& player) {
  std::vector<PlayerGame> played;
  for (const RecordedGame& game : games) {
    const auto& names = game.setup.names;
    const auto end = names.begin() + 1 + seatsInPlay(game);
    const auto found = std::find(names.begin() + 1, end, player);
    if (found == end) continue;
    const int seat = static_cast<int>(found - names.begin());
    PlayerFigures figures = seatFigures(game)[static_cast<std::size_t>(seat - 1)];
    const bool won = figures.countdown.won + figures.cricket.won > 0;
    played.push_back({.game = &game, .seat = seat, .figures = std::move(figures), .won = won});
  }
  return played;
}

std::string resultFor(const PlayerGame& game) {
  if (game.won) return "won";
  switch (game.game->outcome) {
    case Outcome::Won:
      return "lost";
    case Outcome::Playing:
      return "in progress";
    case Outcome::Unfinished:
      return "unfinished";
  }
  return {};
}

PlayerForm playerForm(const std::vector<PlayerGame>& games) {
  PlayerForm form;
  std::vector<double> countdownValues;
  std::vector<double> cricketValues;
  int order = 0;
  for (const PlayerGame& g : games) {
    ++order;
    const int16_t type = g.game->setup.options.gameType;
    std::string label = dateOf(*g.game) + ", " + gameTypeName(type) + ", " + resultFor(g);
    if (rulesFor(type).scoring() == ScoringKind::Marks) {
      addPoint(form.cricket, cricketValues, order, g.figures.cricket.marksPerRound(),
               std::move(label));
    } else {
      addPoint(form.countdown, countdownValues, order, g.figures.countdown.average(),
               std::move(label));
    }
  }
  return form;
}

std::vector<Landing> landingsOf(const std::vector<PlayerGame>& games, GameScope scope,
                                std::optional<int64_t> thisGame) {
  std::size_t first = 0;
  if (scope == GameScope::LastTen && games.size() > kLastGames) first = games.size() - kLastGames;
  std::vector<Landing> landings;
  for (std::size_t i = first; i < games.size(); ++i) {
    const PlayerGame& g = games[i];
    if (scope == GameScope::ThisGame && g.game->id != thisGame) continue;
    // Whose dart it was is known only from the game as it stood: replay it.
    const ReplayedGame replayed(
        *g.game, [&](const JournalEntry& entry, const GameState& before, const Game&) {
          if (before.inPlay && before.thrower == g.seat && entry.hasLandingPoint()) {
            landings.push_back({entry.input.x, entry.input.y, entry.bed});
          }
        });
  }
  return landings;
}
