#include "game/computer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "game/checkout.h"
#include "input/board.h"

namespace computer {

namespace {

// The spread of each level, fitted so that the level's 501 legs (Any In/Out, played alone)
// average its nominal three darts; bench_computer --fit finds them again.
constexpr std::array<double, kHighestLevel + 1> kScatter = {0,   1173, 801, 532, 386, 313,
                                                            269, 234,  210, 189, 171};

// Off the board, away from every bed: where a dart goes that must score nothing.
constexpr BoardPoint kOffTheBoard = {-3000, -3000};

const PlayerRecord& throwerOf(const GameState& state) {
  return state.players[static_cast<std::size_t>(state.thrower)];
}

// A countdown turn: in first, then the route when one finishes this turn; otherwise points,
// kept to what leaves a finish for later.
ComputerAim countdownAim(const GameOptions& options, const GameState& state) {
  const PlayerRecord& p = throwerOf(state);
  if (!p.isIn() && options.inOutRule != 0) return {20, options.inOutRule};
  const CheckoutRoute route = checkoutRouteOf(options, state);
  if (!route.empty()) {
    const CheckoutDart& dart = route.darts().front();
    return {dart.number, dart.multiplier};
  }
  const int remaining = p.score() - state.turnTotal;
  const int least = options.inOutRule;
  const auto stands = [&](int points) {
    const int left = remaining - points;
    return left == 0 || (left > 0 && left >= least);
  };
  const auto leavesFinish = [&](int points) {
    const int left = remaining - points;
    if (left == 0) return true;
    if (!stands(points)) return false;
    return !CheckoutRoute::find({.remaining = left,
                                 .dartsLeft = 3,
                                 .inOutRule = options.inOutRule,
                                 .playerIn = true,
                                 .doubleBull = options.doubleBull})
                .empty();
  };
  // Far from a finish the treble 20 scores most; three darts score at most 180.
  if (remaining - 60 > 180 || leavesFinish(60)) return {20, 3};
  if (leavesFinish(57)) return {19, 3};
  // Close to a finish: the biggest single that leaves one, else one that does not bust.
  for (int16_t n = 20; n >= 1; --n) {
    if (leavesFinish(n)) return {n, 1};
  }
  if (stands(60)) return {20, 3};
  for (int16_t n = 20; n >= 1; --n) {
    if (stands(n)) return {n, 1};
  }
  return {0, 1};
}

// Cricket: first the numbers an opponent has closed and could score on, then, while behind,
// points on a number still open for an opponent, then the highest number to close.
ComputerAim marksAim(const GameOptions& options, const GameState& state) {
  const PlayerRecord& me = throwerOf(state);
  const int last = std::clamp<int>(options.playerCount, 1, kSeats);
  const bool lowestWins = options.gameType == kCutThroatCricket;
  bool behind = false;
  const auto anyOpponent = [&](auto&& test) {
    for (int seat = 1; seat <= last; ++seat) {
      if (seat != state.thrower && test(state.players[static_cast<std::size_t>(seat)])) return true;
    }
    return false;
  };
  behind = anyOpponent([&](const PlayerRecord& o) {
    return lowestWins ? o.score() < me.score() : o.score() > me.score();
  });
  const auto aimAt = [](int16_t n) { return ComputerAim{n, n == 25 ? int16_t{2} : int16_t{3}}; };
  const auto firstTarget = [&](auto&& wanted) -> int16_t {
    for (std::size_t i = 1; i <= kTargets; ++i) {
      if (wanted(state.targets[i])) return state.targets[i];
    }
    return 0;
  };
  const auto openForOpponent = [&](int16_t n) {
    return anyOpponent([n](const PlayerRecord& o) { return !o.isClosed(n); });
  };
  const auto mustClose = [&](int16_t n) {
    return !me.isClosed(n) && anyOpponent([n](const PlayerRecord& o) { return o.isClosed(n); });
  };
  const auto scores = [&](int16_t n) { return me.isClosed(n) && openForOpponent(n); };
  if (const int16_t n = firstTarget(mustClose)) return aimAt(n);
  if (behind) {
    if (const int16_t n = firstTarget(scores)) return aimAt(n);
  }
  if (const int16_t n = firstTarget([&](int16_t t) { return !me.isClosed(t); })) return aimAt(n);
  if (const int16_t n = firstTarget(scores)) return aimAt(n);
  return aimAt(state.targets[1]);
}

}  // namespace

double nominalAverage(int level) {
  const int l = std::clamp<int>(level, kLowestLevel, kHighestLevel);
  return 25.0 + (l - 1) * 75.0 / (kHighestLevel - kLowestLevel);
}

double scatterOf(int level) {
  return kScatter[static_cast<std::size_t>(std::clamp<int>(level, kLowestLevel, kHighestLevel))];
}

ComputerAim aimFor(const GameOptions& options, const GameState& state) {
  switch (rulesFor(options.gameType).scoring()) {
    case ScoringKind::Countdown:
      return countdownAim(options, state);
    case ScoringKind::Marks:
      return marksAim(options, state);
    case ScoringKind::Steps: {
      const int16_t next = throwerOf(state).score();
      return next == 25 ? ComputerAim{25, 2} : ComputerAim{next, 3};
    }
    case ScoringKind::Totals:
      if (options.gameType == kShanghai) {
        // The rings of the round's number not hit yet this turn, the treble first.
        for (const int16_t ring : {3, 2, 1}) {
          if ((state.turnRings & (1 << ring)) == 0) return {state.round, ring};
        }
        return {state.round, 3};
      }
      return {20, 3};
  }
  return {20, 3};
}

BoardPoint aimPoint(const ComputerAim& aim) {
  using namespace board;
  if (aim.number == 0) return kOffTheBoard;
  double radius = 0;
  int number = aim.number;
  if (aim.number == 25) {
    // The inner bull at the centre, the outer ring straight up through the 20.
    radius = aim.multiplier == 2 ? 0 : (kInnerBull + kOuterBull) / 2;
    number = 20;
  } else {
    radius = aim.multiplier == 3   ? (kTripleInner + kTripleOuter) / 2
             : aim.multiplier == 2 ? (kDoubleInner + kDoubleOuter) / 2
                                   : (kTripleOuter + kDoubleInner) / 2;
  }
  const auto sector = std::ranges::find(kClockwise, number) - kClockwise.begin();
  const double angle = static_cast<double>(sector) * std::numbers::pi / 10;
  return {static_cast<float>(kCentreTwips + radius * std::sin(angle)),
          static_cast<float>(kCentreTwips - radius * std::cos(angle))};
}

BoardPoint landing(BoardPoint aim, double sigma, std::mt19937& engine) {
  std::normal_distribution<double> spread(0.0, sigma);
  const double dx = spread(engine);
  const double dy = spread(engine);
  return {static_cast<float>(aim.x + dx), static_cast<float>(aim.y + dy)};
}

}  // namespace computer

bool ComputerThrower::toThrow(const Game& game) {
  const GameState& state = game.state();
  return state.inPlay && game.options.computerLevels[static_cast<std::size_t>(state.thrower)] > 0;
}

GameInput ComputerThrower::nextDart(const Game& game) {
  const int level = game.options.computerLevels[static_cast<std::size_t>(game.state().thrower)];
  const ComputerAim aim = computer::aimFor(game.options, game.state());
  const BoardPoint at =
      computer::landing(computer::aimPoint(aim), computer::scatterOf(level), engine_);
  return GameInput::boardDart(at.x, at.y);
}
