#include "game/spokentext.h"

#include "game/dart.h"

namespace spoken {

namespace {

const PlayerRecord& seatOf(const GameState& state, int seat) {
  return state.players[static_cast<std::size_t>(seat)];
}

std::string marksWords(int marks) {
  if (marks <= 0) return "no mark";
  return std::to_string(marks) + (marks == 1 ? " mark" : " marks");
}

// The marks (and points) the thrower's entry made on a number, Cricket only.
std::string marksMade(const GameState& before, const GameState& after, int seat, int number) {
  bool target = false;
  for (std::size_t i = 1; i <= kTargets; ++i) target = target || before.targets[i] == number;
  const int marks =
      target ? seatOf(after, seat).marks(number) - seatOf(before, seat).marks(number) : 0;
  std::string text = marksWords(marks);
  const int points = seatOf(after, seat).score() - seatOf(before, seat).score();
  if (points > 0) text += ", " + std::to_string(points) + (points == 1 ? " point" : " points");
  return text;
}

}  // namespace

std::string bedWords(const board::Bed& bed) {
  if (bed.number == 0) return "Miss";
  if (bed.number == 25) return bed.multiplier == 2 ? "Bull" : "Outer bull";
  const char* ring = bed.multiplier == 3 ? "Triple " : bed.multiplier == 2 ? "Double " : "Single ";
  return ring + std::to_string(bed.number);
}

std::string computerThrows(const GameState& state) {
  return state.names[static_cast<std::size_t>(state.thrower)] + " is throwing";
}

std::string noBed(std::string_view code) { return std::string(code) + " is no bed"; }

std::string afterInput(const GameOptions& options, const GameState& before, const GameState& after,
                       const GameInput& input, MatchNews match) {
  if (!before.inPlay) return {};
  const int seat = before.thrower;
  const bool countdown = rulesFor(options.gameType).scoring() == ScoringKind::Countdown;
  const bool won = !after.inPlay;
  bool turnEnded = false;
  bool bust = false;  // the turn would have gone below what may be left: the score stands
  std::string text;
  const auto sentence = [&text](const std::string& part) {
    text += (text.empty() ? "" : " ") + part + ".";
  };

  if (input.kind == GameInput::Kind::BoardDart) {
    const board::Hit hit = dart::hitOf(input, options.doubleBull);
    turnEnded = before.dartsThrown + 1 >= 3;
    std::string dart = bedWords(dart::bedOf(input));
    if (!countdown) {
      dart += ", " + marksMade(before, after, seat, hit.number);
    } else if (!won) {
      const PlayerRecord& p = seatOf(after, seat);
      const int left = turnEnded ? p.score() : p.score() - after.turnTotal;
      const int total = before.turnTotal + (p.isIn() ? hit.points() : 0);
      bust = turnEnded && p.score() == seatOf(before, seat).score() && total != 0;
      // Further darts only add to the turn: what cannot finish now never will.
      const int least = options.inOutRule == 0 ? 0 : options.inOutRule;
      const bool over = left < 0 || (left > 0 && left < least);
      if (over && !turnEnded) {
        dart += ", bust";
      } else if (!bust) {
        dart += ", " + std::to_string(left) + " left";
      }
    }
    sentence(dart);
  } else if (input.kind == GameInput::Kind::TargetPress) {
    if (input.target == 0) {
      turnEnded = true;
    } else if (input.target >= 1 && input.target <= kTargets) {
      const int number = before.targets[static_cast<std::size_t>(input.target)];
      sentence((number == 25 ? std::string("Bull") : std::to_string(number)) + ", " +
               marksMade(before, after, seat, number));
    }
  } else {
    return {};
  }

  if (won) {
    const std::string& name = after.names[static_cast<std::size_t>(seat)];
    if (!match.matchResult.empty()) {
      sentence(std::string(match.matchResult));
    } else {
      sentence(name + (match.singleGame ? " wins" : " wins the leg"));
    }
  } else if (turnEnded) {
    if (countdown) {
      const int scored = seatOf(before, seat).score() - seatOf(after, seat).score();
      sentence(bust ? std::string("Bust") : std::to_string(scored) + " scored");
    }
    sentence(after.names[static_cast<std::size_t>(after.thrower)] + " to throw");
  }
  return text;
}

}  // namespace spoken
