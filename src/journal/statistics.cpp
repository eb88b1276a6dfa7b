#include "journal/statistics.h"

#include <algorithm>

#include "game/dart.h"
#include "input/board.h"
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

std::optional<double> CountdownFigures::checkoutPercent() const {
  return ratio(checkouts, finishDarts, 100);
}

bool finishesInOne(int score, const GameOptions& options) {
  switch (options.inOutRule) {
    case 2:
      return (score >= 2 && score <= 40 && score % 2 == 0) || (score == 50 && options.doubleBull);
    case 3:
      return score >= 3 && score <= 60 && score % 3 == 0;
    default:
      return false;
  }
}

std::optional<double> CricketFigures::marksPerRound() const { return ratio(marks, turns, 1); }

std::vector<PlayerFigures> seatFigures(const RecordedGame& record) {
  return tallyGame(record).seats;
}

GameTally tallyGame(const RecordedGame& record) {
  const GameOptions& options = record.setup.options;
  const int seats = seatsInPlay(options);
  GameTally tally;
  tally.seats.resize(static_cast<std::size_t>(seats));
  tally.throwers.reserve(record.entries.size());
  auto row = [&tally](int seat) -> PlayerFigures& {
    return tally.seats[static_cast<std::size_t>(seat - 1)];
  };
  const ScoringKind scoring = rulesFor(options.gameType).scoring();
  const bool cricket = scoring == ScoringKind::Marks;
  // Darts and points count in the games counted down and in Count-Up, where every dart
  // scores its points; finishes only where a game is finished on 0. Around the Clock and
  // Shanghai count their games and wins.
  const bool countsDown = scoring == ScoringKind::Countdown;
  const bool countsPoints = countsDown || options.gameType == kCountUp;

  // The thrower's turn so far: its darts, and those up to the one that reached 0.
  struct Turn {
    int darts = 0;
    int dartsToZero = 0;
    bool finishedAtFinish = false;
  };
  std::array<Turn, kSeats + 1> turns{};
  std::array<int, kSeats + 1> settledTurns{};
  auto observe = [&](const JournalEntry& entry, const GameState& before, const Game& after) {
    const int seat = before.thrower;
    const bool seated = before.inPlay && seat >= 1 && seat <= seats;
    tally.throwers.push_back(seated ? seat : 0);
    if (cricket || !seated || !countsPoints) return;
    CountdownFigures& f = row(seat).countdown;
    Turn& turn = turns[static_cast<std::size_t>(seat)];
    const PlayerRecord& thrower = before.players[static_cast<std::size_t>(seat)];
    if (entry.input.kind == GameInput::Kind::BoardDart) {
      ++f.darts;
      ++turn.darts;
      const int left = thrower.score() - before.turnTotal;
      const board::Hit hit = dart::hitOf(entry.input, options.doubleBull);  // clicked or typed
      // The in rule asks for the multiplier the out rule asks for, so a dart at a finish
      // always counts.
      const bool counts =
          thrower.isIn() || options.inOutRule == 0 || hit.multiplier == options.inOutRule;
      const bool atFinish = countsDown && finishesInOne(left, options);
      if (atFinish) ++f.finishDarts;
      if (countsDown && left > 0 && counts && hit.points() == left) {
        turn.dartsToZero = turn.darts;
        turn.finishedAtFinish = atFinish;
      }
    }
    const GameState& now = after.state();
    const bool settled = now.thrower != seat || now.round != before.round || !now.inPlay;
    if (!settled) return;
    const int scored = after.player(seat).score() - thrower.score();
    const int points = countsDown ? -scored : scored;
    const int darts = turn.darts;
    auto& settledBefore = settledTurns[static_cast<std::size_t>(seat)];
    if (!now.inPlay && countsDown) {
      // The winning turn: whatever the score was, this turn brought it to 0.
      if (turn.finishedAtFinish) ++f.checkouts;
      f.highestCheckout = std::max(f.highestCheckout, std::max(points, 0));
      f.bestLeg = f.settledDarts + (turn.dartsToZero > 0 ? turn.dartsToZero : darts);
    }
    settleTurn(f, std::max(points, 0), darts, settledBefore);
    turn = {};
    ++settledBefore;
  };
  const ReplayedGame replayed(record, observe);
  const GameState& end = replayed.game().state();
  const bool won = !end.inPlay;

  for (int seat = 1; seat <= seats; ++seat) {
    PlayerFigures& f = row(seat);
    f.name = end.names[static_cast<std::size_t>(seat)];
    // A win shared by a tie is a win for each seat that shares it.
    const bool winner =
        end.tiedSeats != 0 ? (end.tiedSeats & (1 << seat)) != 0 : end.thrower == seat;
    const int wins = won && winner ? 1 : 0;
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
  return tally;
}
