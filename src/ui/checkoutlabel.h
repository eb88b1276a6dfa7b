#pragma once
// The checkout hint: the route that finishes the thrower's countdown game this turn, in a
// label under the thrower's score. Hidden when no route exists, outside a countdown game
// and when the hints are turned off.

#include <QObject>
#include <array>

#include "game/game.h"

class QLabel;
class QWidget;

class CheckoutLabel : public QObject {
  Q_OBJECT
 public:
  // area holds the scoreboard, whose score labels the hint sits under.
  explicit CheckoutLabel(QWidget* area);
  void render(const GameOptions& options, const GameState& state, bool hintsOn);

 private:
  QLabel* label_ = nullptr;
  std::array<QLabel*, kSeats + 1> scores_{};
};
