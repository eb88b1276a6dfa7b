#pragma once
// What the window shows of a game, derived from its options and state: which controls
// are visible, the colour and size of the names and scores, and the status-bar values.

#include <string>

#include "game/game.h"

namespace gameview {

// What one screen is drawn from: the options and a state of play, either the game's
// current one or the one kept with a clip for the time it plays.
struct Screen {
  Screen(const GameOptions& gameOptions, const GameState& gameState)
      : options(gameOptions), state(gameState) {}
  // The game as it stands now.
  Screen(const Game& game)  // NOLINT(google-explicit-constructor)
      : options(game.options), state(game.state()) {}
  const GameOptions& options;
  const GameState& state;
};

// The board picture shows, except in a Cricket game played on the buttons, where the
// target buttons and the next-player button show instead (and no darts-remaining display).
bool boardShown(const Screen& screen);
bool targetButtonsShown(const Screen& screen);
// The compact Cricket scoreboard: number columns, mark cells, small scores. Before the
// first game the board is in this form too.
bool cricketLayout(const Screen& screen);
// The name of the player to throw is green; the others blue.
bool nameMarked(const Screen& screen, int seat);
// Point size of a seat's score: small in Cricket; large in a countdown game, the
// thrower's larger still.
int scorePointSize(const Screen& screen, int seat);
// A seat's score as its label shows it; in Around the Clock the number to hit next, "Bull"
// after the 20.
std::string scoreText(const Screen& screen, int seat);
// Dart pictures left in the darts-remaining display, 0..3 (3 while the display is hidden).
int dartPicturesShown(const Screen& screen);
// The status-bar values; empty before the first game.
std::string throwerText(const Screen& screen);
std::string turnTotalText(const Screen& screen);
std::string roundText(const Screen& screen);

}  // namespace gameview
