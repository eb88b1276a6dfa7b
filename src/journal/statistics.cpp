#include "journal/statistics.h"

#include <algorithm>

#include "journal/replay.h"

namespace {

std::optional<double> ratio(int numerator, int denominator, int scale) {
  if (denominator <= 0) return std::nullopt;
  return static_cast<double>(numerator) * scale / denominator;
}

int seatsInPlay(const GameOptions& options) {
  return std::clamp<int>(options.playerCount, 1, kSeats);
}

void settleTurn(CountdownFigures& f, int points, int darts, int settledBefore) {
  f.settledDarts += darts;
  f.points += points;
  if (settledBefore < 3) {
    f.firstNineDarts += darts;
    f.firstNinePoints += points;
  }
  f.highestTurn = std::max(f.highestTurn, points);
  if (points >= 180) {
    ++f.turns180;
  } else if (points >= 140) {
    ++f.turns140;
  } else if (points >= 100) {
    ++f.turns100;
  }
}

// The turns a seat has taken in a Cricket game, read from where the game stands: seats
// before the thrower have had this round's turn, those after it have not, and the
// thrower's own turn counts once it holds an entry or the game ended in it.
int cricketTurns(const GameState& s, int seat) {
  if (seat < s.thrower) return s.round;
  if (seat > s.thrower) return s.round - 1;
  const bool turnEmpty = s.inPlay && s.dartsThrown == 0;
  return s.round - (turnEmpty ? 1 : 0);
}

}  // namespace

std::optional<double> CountdownFigures::average() const { return ratio(points, settledDarts, 3); }

std::optional<double> CountdownFigures::firstNineAverage() const {
  return ratio(firstNinePoints, firstNineDarts, 3);
}

void CountdownFigures::add(const CountdownFigures& o) {
  games += o.games;
  won += o.won;
  darts += o.darts;
  settledDarts += o.settledDarts;
  points += o.points;
  firstNineDarts += o.firstNineDarts;
  firstNinePoints += o.firstNinePoints;
  highestTurn = std::max(highestTurn, o.highestTurn);
  turns100 += o.turns100;
  turns140 += o.turns140;
  turns180 += o.turns180;
}

std::optional<double> CricketFigures::marksPerRound() const { return ratio(marks, turns, 1); }

void CricketFigures::add(const CricketFigures& o) {
  games += o.games;
  won += o.won;
  marks += o.marks;
  turns += o.turns;
}

std::vector<PlayerFigures> seatFigures(const RecordedGame& record) {
  const int seats = seatsInPlay(record.setup.options);
  std::vector<PlayerFigures> rows(static_cast<std::size_t>(seats));
  auto row = [&rows](int seat) -> PlayerFigures& {
    return rows[static_cast<std::size_t>(seat - 1)];
  };
  const bool cricket = rulesFor(record.setup.options.gameType).scoring() == ScoringKind::Marks;

  std::array<int, kSeats + 1> turnDarts{};
  std::array<int, kSeats + 1> settledTurns{};
  auto observe = [&](const JournalEntry& entry, const GameState& before, const Game& after) {
    if (cricket || !before.inPlay) return;
    const int seat = before.thrower;
    if (seat < 1 || seat > seats) return;
    if (entry.input.kind == GameInput::Kind::BoardDart) {
      ++row(seat).countdown.darts;
      ++turnDarts[static_cast<std::size_t>(seat)];
    }
    const GameState& now = after.state();
    const bool settled = now.thrower != seat || now.round != before.round || !now.inPlay;
    if (!settled) return;
    const int points =
        before.players[static_cast<std::size_t>(seat)].score() - after.player(seat).score();
    auto& darts = turnDarts[static_cast<std::size_t>(seat)];
    auto& settledBefore = settledTurns[static_cast<std::size_t>(seat)];
    settleTurn(row(seat).countdown, std::max(points, 0), darts, settledBefore);
    darts = 0;
    ++settledBefore;
  };
  const ReplayedGame replayed(record, observe);
  const GameState& end = replayed.game().state();
  const bool won = !end.inPlay;

  for (int seat = 1; seat <= seats; ++seat) {
    PlayerFigures& f = row(seat);
    f.name = end.names[static_cast<std::size_t>(seat)];
    const int wins = won && end.thrower == seat ? 1 : 0;
    if (cricket) {
      f.cricket.games = 1;
      f.cricket.won = wins;
      for (std::size_t target = 1; target <= kTargets; ++target) {
        f.cricket.marks += replayed.game().player(seat).marks(end.targets[target]);
      }
      f.cricket.turns = std::max(0, cricketTurns(end, seat));
    } else {
      f.countdown.games = 1;
      f.countdown.won = wins;
    }
  }
  return rows;
}

std::vector<PlayerFigures> figuresByName(const std::vector<RecordedGame>& games) {
  std::vector<PlayerFigures> rows;
  for (const RecordedGame& game : games) {
    for (const PlayerFigures& seat : seatFigures(game)) {
      auto it = std::ranges::find(rows, seat.name, &PlayerFigures::name);
      if (it == rows.end())
        it = rows.insert(rows.end(),
                         PlayerFigures{.name = seat.name, .countdown = {}, .cricket = {}});
      it->countdown.add(seat.countdown);
      it->cricket.add(seat.cricket);
    }
  }
  return rows;
}
