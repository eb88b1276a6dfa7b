#include "game/match.h"

#include <algorithm>

int16_t Match::seatAfter(int16_t seat) const {
  const int last = std::clamp<int>(game_.options.playerCount, 1, kSeats);
  return static_cast<int16_t>(seat < last ? seat + 1 : 1);
}

void Match::start() {
  score_ = MatchScore{};
  game_.startGame(score_.legFirstThrower);
}

UndoResult Match::apply(const GameInput& input) {
  const bool inPlay = game_.state().inPlay;
  const UndoResult result = game_.apply(input);
  if (inPlay && !game_.state().inPlay && !options.singleGame()) {
    countLeg(legWinner(game_.state()));
    if (score_.winner != 0) game_.callMatchWon();
  }
  return result;
}

int16_t legWinner(const GameState& end) { return end.tiedSeats != 0 ? int16_t{0} : end.thrower; }

void Match::countLeg(int16_t winner) {
  if (winner == 0) {
    // A shared leg counts for nobody: the next leg of the set follows.
    ++score_.leg;
    score_.legFirstThrower = seatAfter(score_.legFirstThrower);
    score_.legAwaitsStart = true;
    return;
  }
  const auto w = static_cast<std::size_t>(winner);
  ++score_.legs[w];
  if (score_.legs[w] < options.legsToWin) {
    ++score_.leg;
    score_.legFirstThrower = seatAfter(score_.legFirstThrower);
  } else {
    ++score_.sets[w];
    if (score_.sets[w] >= options.setsToWin) {
      score_.winner = winner;
      return;
    }
    score_.legs.fill(0);
    ++score_.set;
    score_.leg = 1;
    score_.setFirstThrower = seatAfter(score_.setFirstThrower);
    score_.legFirstThrower = score_.setFirstThrower;
  }
  score_.legAwaitsStart = true;
}

void Match::startNextLeg() {
  if (!score_.legAwaitsStart) return;
  score_.legAwaitsStart = false;
  game_.startGame(score_.legFirstThrower);
}

void Match::restore(const MatchOptions& match, std::span<const int16_t> legWinners) {
  options = match;
  score_ = MatchScore{};
  for (int16_t winner : legWinners) {
    if (score_.winner != 0 || winner < 0 || winner > kSeats) break;
    countLeg(winner);
  }
  score_.legAwaitsStart = false;
}

std::string matchResultText(const Match& match) {
  const MatchScore& s = match.score();
  if (s.winner == 0) return {};
  const auto& count = match.options.playsSets() ? s.sets : s.legs;
  const auto w = static_cast<std::size_t>(s.winner);
  std::string text = match.game().state().names[w] + " wins the match " + std::to_string(count[w]);
  const int last = std::clamp<int>(match.game().options.playerCount, 1, kSeats);
  for (int seat = 1; seat <= last; ++seat) {
    if (seat != s.winner) text += "-" + std::to_string(count[static_cast<std::size_t>(seat)]);
  }
  return text;
}
