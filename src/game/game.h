#pragma once
// The game: its options, the state of play and every rule that changes them. The
// window owns one Game, forwards each input to it and then draws itself from state().
// An input runs to its end at once and leaves the clips it raised, in order, each with
// the state the screen shows while that clip plays; the window plays them afterwards.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/checkout.h"
#include "game/clip.h"
#include "game/gamecatalogue.h"
#include "game/gameinput.h"
#include "game/gamerules.h"
#include "game/playerrecord.h"
#include "input/board.h"

inline constexpr int kSeats = 4;
inline constexpr int kTargets = 7;

// What the name labels read until "Lets Begin" names the players.
inline constexpr std::string_view kUnnamedPlayer = "Player";

enum GameType : int16_t {
  kCricket = 0,
  kRandomCricket = 1,
  k301 = 2,
  k501 = 3,
  kRandomCountdown = 4,
  k701 = 5,
  kCutThroatCricket = 6,
  kAroundTheClock = 7,
  kShanghai = 8,
  kCountUp = 9,
};

// Chosen in the new-game dialog; they keep their values from one game to the next.
struct GameOptions {
  int16_t gameType = kCricket;
  int16_t playerCount = 0;  // 0 until the new-game dialog is first shown, then 2
  int16_t inOutRule = 0;    // the multiplier a dart needs: 0 any, 2 double, 3 triple
  bool doubleBull = true;
  bool useBoard = true;
  // Seats 1..4: 0 for a person, 1..10 for the computer playing at that level.
  std::array<int16_t, kSeats + 1> computerLevels{};
  bool operator==(const GameOptions&) const = default;
};

// The state of play: facts only, each kept once. The window derives from them everything
// it shows (texts, colours, font sizes, which panels and buttons are visible).
struct GameState {
  std::array<PlayerRecord, kSeats + 1> players{};  // seats 1..4; element 0 unused
  std::array<std::string, kSeats + 1> names{};     // the names on the scoreboard
  int16_t thrower = 1;                             // the seat to throw
  int16_t firstThrower = 1;    // the seat that threw first: its turn begins a new round
  int16_t dartsThrown = 0;     // in the thrower's turn
  int16_t lastMultiplier = 1;  // of the latest dart on the board
  int16_t turnRings = 0;  // Shanghai: the rings this turn hit the round's number in, bit m for m
  int16_t round = 1;
  int16_t turnTotal = 0;  // points of the turn so far, counted only once the thrower is in
  bool started = false;   // a game has been set up since the program started
  bool inPlay = false;    // a game is set up and nobody has won it yet
  // The thrower's name is marked; a countdown win leaves every name unmarked, a Cricket
  // win leaves the winner's.
  bool throwerMarked = false;
  // A win shared by a tie on the highest total: bit s is set for each seat s sharing it,
  // the thrower the first of them. 0 when one player won (the thrower) or nobody yet.
  int16_t tiedSeats = 0;
  std::array<int16_t, kTargets + 1> targets{};  // targets 1..7; 7 is the bull
  bool undoEnabled = false;
  bool scoreEditEnabled = false;
  std::string bed;  // the bed under the pointer, or where the latest dart landed

  bool operator==(const GameState&) const = default;
};

// A clip an input raised, with the state the screen shows while it plays: the next
// player is already the thrower while "CHANGE" plays, the mark not yet made during "CHALK".
struct ClipCue {
  Clip clip;
  GameState screen;
  std::string call = {};  // the words of a CALL
};

enum class UndoResult {
  Done,         // the latest entry was taken back
  Refused,      // "Sorry Can't Undo That Hit": too many marks on the number
  Unavailable,  // the command is disabled; nothing happened
};

// The route that finishes the thrower's countdown game with the darts left in this turn;
// empty outside a countdown game in play and when no route exists.
CheckoutRoute checkoutRouteOf(const GameOptions& options, const GameState& state);

class Game {
 public:
  // uniform: a source of values 0 <= r < 1 for the random draws; by default a
  // generator started from the clock immediately before each draw.
  explicit Game(std::function<float()> uniform = {});

  GameOptions options;
  // Preferences and the sound device, read and written by the window.
  bool soundOn = true;
  bool autoWin = true;
  bool soundAvailable = true;
  // The caller: a countdown turn's score, what the next thrower requires, a Cricket turn
  // of five marks or more and every leg won are called in words, heard with the clips.
  bool callerOn = false;
  // Filled in by the high-score table: a Cricket win with the winner's name and rounds.
  std::function<void(const std::string& name, int16_t rounds)> onCricketWin;

  const GameState& state() const { return state_; }
  // The clips raised since the last call, in the order they are to be heard.
  std::vector<ClipCue> takeClips() { return std::exchange(clips_, {}); }
  const PlayerRecord& player(int seat) const {
    return state_.players[static_cast<std::size_t>(seat)];
  }
  // The rules of the game the options name.
  const GameRules& rules() const {
    if (rulesType_ != options.gameType) {
      rules_ = &rulesFor(options.gameType);
      rulesType_ = options.gameType;
    }
    return *rules_;
  }
  bool isCricket() const { return rules().scoring() == ScoringKind::Marks; }

  // "Lets Begin": the names (already capitalised) go to the scoreboard; a first player
  // called "Scorpion" is greeted when a sound device exists.
  void setPlayerNames(const std::array<std::string, kSeats + 1>& names);
  // Sets up a new game with the current options; firstSeat throws first (seat 1 of a
  // single game, one seat along for each leg of a match).
  void startGame(int firstSeat = 1);

  // The pointer over the board names the bed under it; a click there is one dart.
  void pointAt(float xTwips, float yTwips);
  void throwDart(float xTwips, float yTwips);
  // A dart in a bed, clicked or typed: counted, named in the status bar and scored.
  void landDart(const board::Hit& hit);
  // Target button 1..7 (one mark) or 0 (next player).
  void pressTarget(int target);
  // True when a character typed into the window presses a target of this game.
  bool takesKey(char32_t ch) const;
  // A character typed into the window; true when it pressed a button.
  bool keyTyped(char32_t ch);
  // Undo Hit (Cricket): takes back the latest entry, or refuses. The computer's entries
  // are never taken back, so that its turn is never left half thrown.
  UndoResult undoLatestEntry();
  // Edit Score (301): adds or subtracts points on one seat's score.
  void editScore(int seat, int points, bool add);

  // Any input, as the window queues it and the journal keeps it. The result tells
  // whether an undo was done, refused or unavailable (Done for every other input).
  UndoResult apply(const GameInput& input);

  // Exposed for tests of the turn cycle.
  void passTurn();
  // The leg just won also won its match: its call says so.
  void callMatchWon();

 private:
  friend class GameTable;
  int lastSeat() const { return std::clamp<int>(options.playerCount, 1, kSeats); }
  bool isComputer(int seat) const {
    return options.computerLevels[static_cast<std::size_t>(seat)] > 0;
  }
  void announce(Clip clip) {
    if (soundOn) clips_.push_back({clip, state_});
  }
  bool calling() const { return soundOn && callerOn; }
  void call(std::string words) {
    if (calling()) clips_.push_back({Clip::CALL, state_, std::move(words)});
  }
  // The thrower's marks on the targets, counted only while a caller is heard.
  int16_t thrownMarks() const;
  float drawUniform();
  void seedFromClock();
  void declareWin();
  void declareHighestWins();

  // The rules of the game type last asked for, found again only when the type changes.
  mutable const GameRules* rules_ = nullptr;
  mutable int rulesType_ = -1000000;
  std::vector<ClipCue> clips_;
  int turnMarks_ = 0;  // marks the thrower has made in this turn, for the caller
  std::function<float()> uniform_;
  std::mt19937 engine_;
  GameState state_;
};

// The game in play as its rules see it: its state and options, and what a rule may do
// beyond changing them. Made for each call of the rules; it only refers to the game.
class GameTable {
 public:
  explicit GameTable(Game& game) : state(game.state_), options(game.options), game_(game) {}
  GameState& state;
  const GameOptions& options;
  bool autoWin() const { return game_.autoWin; }
  PlayerRecord& thrower() { return player(state.thrower); }
  PlayerRecord& player(int seat) { return state.players[static_cast<std::size_t>(seat)]; }
  const PlayerRecord& player(int seat) const {
    return state.players[static_cast<std::size_t>(seat)];
  }
  // The seats in play, 1..count: a count of 0 (before the new-game dialog was ever shown)
  // plays seat 1 alone, and a count beyond the seats plays all four.
  int lastSeat() const { return game_.lastSeat(); }
  // Raises a clip, heard with the state as it is now.
  void announce(Clip clip) { game_.announce(clip); }
  // The caller's words, heard in their place among the clips when the caller is on.
  void call(std::string words) { game_.call(std::move(words)); }
  // The thrower has won.
  void declareWin() { game_.declareWin(); }
  // The last turn of a game of rounds: whoever has the highest score wins, and a tie on
  // it is a win shared by those seats.
  void declareHighestWins() { game_.declareHighestWins(); }
  // The throw passes to the seat that threw first after this turn: it ends the round.
  bool turnEndsRound() const {
    const int next = state.thrower < lastSeat() ? state.thrower + 1 : 1;
    return next == state.firstThrower;
  }
  // One uniform value 0 <= r < 1, from the game's source of draws.
  float drawUniform() { return game_.drawUniform(); }
  // Starts the generator from the clock, immediately before a setup draws.
  void seedFromClock() { game_.seedFromClock(); }

 private:
  Game& game_;
};
