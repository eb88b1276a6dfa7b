#pragma once
// One input that changes a game, from whatever source it came (a click on the board, a
// target button or key, the undo, a score correction). The window queues inputs while
// clips play and the game journal keeps them: replaying a game's inputs in order through
// Game::apply rebuilds its state.

#include <cstdint>

struct GameInput {
  enum class Kind : int8_t {
    BoardDart,    // a dart landed at (x, y) on the board, in twips, or was typed by its bed
    TargetPress,  // target button 1..7 (one mark) or 0 (next player)
    UndoEntry,    // Undo Hit (Cricket)
    EditScore,    // Edit Score: points added to (or taken off) one seat's score
  };
  Kind kind = Kind::BoardDart;
  float x = 0;
  float y = 0;
  int target = 0;
  int seat = 0;
  int points = 0;
  bool add = true;
  // A dart typed by its bed has no landing point: number 1..20, 25 or 0 and the ring's
  // multiplier (the inner bull is 25 with 2, whatever the Double Bull option).
  bool typed = false;
  int16_t number = 0;
  int16_t multiplier = 1;

  static GameInput boardDart(float xTwips, float yTwips) {
    return {.kind = Kind::BoardDart, .x = xTwips, .y = yTwips};
  }
  static GameInput typedDart(int16_t number, int16_t multiplier) {
    return {.kind = Kind::BoardDart, .typed = true, .number = number, .multiplier = multiplier};
  }
  static GameInput targetPress(int target) { return {.kind = Kind::TargetPress, .target = target}; }
  static GameInput undoEntry() { return {.kind = Kind::UndoEntry}; }
  static GameInput editScore(int seat, int points, bool add) {
    return {.kind = Kind::EditScore, .seat = seat, .points = points, .add = add};
  }
  bool operator==(const GameInput&) const = default;
};
