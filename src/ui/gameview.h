#pragma once
// What the window shows of a game, derived from its options and state: which controls
// are visible, the colour and size of the names and scores, and the status-bar values.

#include <string>

#include "game/game.h"

namespace gameview {

// The board picture shows, except in a Cricket game played on the buttons, where the
// target buttons and the next-player button show instead (and no darts-remaining display).
bool boardShown(const Game& game);
bool targetButtonsShown(const Game& game);
// The compact Cricket scoreboard: number columns, mark cells, small scores. Before the
// first game the board is in this form too.
bool cricketLayout(const Game& game);
// The name of the player to throw is green; the others blue.
bool nameMarked(const Game& game, int seat);
// Point size of a seat's score: small in Cricket; large in a countdown game, the
// thrower's larger still.
int scorePointSize(const Game& game, int seat);
// Dart pictures left in the darts-remaining display, 0..3 (3 while the display is hidden).
int dartPicturesShown(const Game& game);
// The status-bar values; empty before the first game.
std::string throwerText(const Game& game);
std::string turnTotalText(const Game& game);
std::string roundText(const Game& game);

}  // namespace gameview
