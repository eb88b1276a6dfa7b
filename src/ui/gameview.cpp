#include "ui/gameview.h"

namespace gameview {

namespace {

constexpr int kCompactScorePt = 14;
constexpr int kLargeScorePt = 20;
constexpr int kThrowingScorePt = 40;

bool playedOnButtons(const Game& game) {
  return game.state().started && game.isCricket() && !game.options.useBoard;
}

}  // namespace

bool boardShown(const Game& game) { return !playedOnButtons(game); }

bool targetButtonsShown(const Game& game) { return playedOnButtons(game); }

bool cricketLayout(const Game& game) { return !game.state().started || game.isCricket(); }

bool nameMarked(const Game& game, int seat) {
  const GameState& s = game.state();
  return s.throwerMarked && seat == s.thrower;
}

int scorePointSize(const Game& game, int seat) {
  if (cricketLayout(game)) return kCompactScorePt;
  return seat == game.state().thrower ? kThrowingScorePt : kLargeScorePt;
}

int dartPicturesShown(const Game& game) {
  const int thrown = game.state().dartsThrown;
  return thrown >= 3 ? 3 : 3 - thrown;
}

std::string throwerText(const Game& game) {
  const GameState& s = game.state();
  return s.started ? s.names[static_cast<std::size_t>(s.thrower)] : std::string();
}

std::string turnTotalText(const Game& game) {
  return game.state().started ? std::to_string(game.state().turnTotal) : std::string();
}

std::string roundText(const Game& game) {
  return game.state().started ? std::to_string(game.state().round) : std::string();
}

}  // namespace gameview
