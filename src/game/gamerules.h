#pragma once
// What a game's rules decide, one class per game family behind this interface: how a new
// game is set up, what a dart or a target press does to the thrower's record, how a turn is
// settled, and what may be corrected. Everything every game shares (the seats and names,
// the turn cycle, the clips, the win) is the Game's; the rules reach it through the table.
// Rules keep no state of their own: one instance serves every game of its kind.

#include <cstdint>

#include "game/clip.h"

struct GameOptions;

// The game in play as its rules see it (game.h).
class GameTable;

// How a game family scores and what its scoreboard shows.
enum class ScoringKind : int8_t {
  Countdown,  // scores count down to 0; no targets
  Marks,      // marks on targets, points beyond the closing mark (Cricket)
  Steps,      // the numbers hit in order; the score is the next number to hit, 25 the bull
  Totals,     // points count up over a fixed number of rounds; the highest total wins
};

class GameRules {
 public:
  virtual ~GameRules() = default;
  virtual ScoringKind scoring() const = 0;
  // The scores and targets a new game starts from.
  virtual void setUp(GameTable& table) const = 0;
  // A dart on the board, counted already: number 1..20, 25 for the bull, 0 for a miss.
  virtual void scoreDart(GameTable& table, int16_t number, int16_t multiplier) const = 0;
  // Target button 1..7, one mark; a game without targets does nothing.
  virtual void markTarget(GameTable& table, int target) const;
  // Whether characters typed into the window press targets, through the key table.
  virtual bool takesKeys(const GameOptions& options) const;
  // The thrower's turn has ended after darts darts (on the buttons: 1 with a mark, 0
  // without); the dart count is 0 again and the thrower is still the one who threw.
  virtual void settleTurn(GameTable& table, int16_t darts) const = 0;
  // Edit Score corrects the scores of this game.
  virtual bool editsScores() const { return false; }
  // Undo Hit: whether the latest entry of seat (the thrower, or the seat before it when
  // this turn has no dart yet) can be taken back; then, once the turn cycle has stepped
  // back to that seat, taking back the thrower's latest entry.
  virtual bool canTakeBack(const GameTable& table, int seat) const;
  virtual void takeBack(GameTable& table) const;
  // A win of this game is offered to the high-score table.
  virtual bool keepsHighScores() const { return false; }
};
