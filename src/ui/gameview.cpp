#include "ui/gameview.h"

#include "game/aroundtheclockrules.h"

namespace gameview {

namespace {

constexpr int kCompactScorePt = 14;
constexpr int kLargeScorePt = 20;
constexpr int kThrowingScorePt = 40;

bool isCricket(const Screen& screen) {
  return rulesFor(screen.options.gameType).scoring() == ScoringKind::Marks;
}

bool playedOnButtons(const Screen& screen) {
  return screen.state.started && isCricket(screen) && !screen.options.useBoard;
}

}  // namespace

bool boardShown(const Screen& screen) { return !playedOnButtons(screen); }

bool targetButtonsShown(const Screen& screen) { return playedOnButtons(screen); }

bool cricketLayout(const Screen& screen) { return !screen.state.started || isCricket(screen); }

bool nameMarked(const Screen& screen, int seat) {
  const GameState& s = screen.state;
  return s.throwerMarked && seat == s.thrower;
}

int scorePointSize(const Screen& screen, int seat) {
  if (cricketLayout(screen)) return kCompactScorePt;
  return seat == screen.state.thrower ? kThrowingScorePt : kLargeScorePt;
}

int dartPicturesShown(const Screen& screen) {
  const int thrown = screen.state.dartsThrown;
  return thrown >= 3 ? 3 : 3 - thrown;
}

std::string scoreText(const Screen& screen, int seat) {
  const int16_t score = screen.state.players[static_cast<std::size_t>(seat)].score();
  const bool steps = rulesFor(screen.options.gameType).scoring() == ScoringKind::Steps;
  return steps && score == AroundTheClockRules::kBull ? "Bull" : std::to_string(score);
}

std::string throwerText(const Screen& screen) {
  const GameState& s = screen.state;
  return s.started ? s.names[static_cast<std::size_t>(s.thrower)] : std::string();
}

std::string turnTotalText(const Screen& screen) {
  return screen.state.started ? std::to_string(screen.state.turnTotal) : std::string();
}

std::string roundText(const Screen& screen) {
  return screen.state.started ? std::to_string(screen.state.round) : std::string();
}

}  // namespace gameview
