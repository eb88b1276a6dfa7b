#pragma once
// The game: its options, the state of play and every rule that changes them. The
// window owns one Game, forwards each input to it and then draws itself from state().
// Clips are played through the injected ClipPlayer at the moment they belong to.

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "game/clip.h"
#include "game/clsplayer.h"
#include "game/gameinput.h"

inline constexpr int kSeats = 4;
inline constexpr int kTargets = 7;

enum GameType : int16_t {
  kCricket = 0,
  kRandomCricket = 1,
  k301 = 2,
  k501 = 3,
  kRandomCountdown = 4,
};

// Chosen in the new-game dialog; they keep their values from one game to the next.
struct GameOptions {
  int16_t game_type = kCricket;
  int16_t num_players = 0;  // 0 until the new-game dialog is first shown, then 2
  int16_t in_out_rule = 0;  // the multiplier a dart needs: 0 any, 2 double, 3 triple
  bool double_bull = true;
  bool use_board = true;
  bool operator==(const GameOptions&) const = default;
};

// Everything the window shows, and the state of play behind it.
struct GameState {
  std::array<clsPlayer, kSeats + 1> players{};  // seats 1..4; element 0 unused
  std::array<std::string, kSeats + 1> names{};  // the names on the scoreboard
  int16_t cur_player = 1;
  int16_t darts_thrown = 0;
  int16_t last_mult = 1;
  int16_t round_num = 1;
  int16_t turn_total = 0;
  bool game_on = false;
  std::array<int16_t, kTargets + 1> cricknums{};  // targets 1..7; 7 is the bull

  // Scoreboard and menus
  bool cricket_form = true;  // Cricket columns shown (compact layout); else the large layout
  std::array<bool, kSeats + 1> green{};        // the name of the player to throw
  std::array<int16_t, kSeats + 1> score_pt{};  // font size of each score label
  bool undo_enabled = false;
  bool escore_enabled = false;
  bool board_shown = true;  // the board picture (else the target buttons)
  bool next_button_shown = false;

  // Status bar: panel 2 the player, 4 the bed, 6 the turn total, 8 the round;
  // panels 9..12 the darts-remaining display.
  std::array<std::string, 13> panel{};
  std::array<bool, 13> panel_shown{};

  bool operator==(const GameState&) const = default;
};

enum class UndoResult {
  Done,         // the latest entry was taken back
  Refused,      // "Sorry Can't Undo That Hit": too many marks on the number
  Unavailable,  // the command is disabled; nothing happened
};

class Game {
 public:
  // uniform: a source of values 0 <= r < 1 for the random draws; by default a
  // generator started from the clock immediately before each draw.
  explicit Game(ClipPlayer& clips, std::function<float()> uniform = {});

  GameOptions options;
  // Preferences and the sound device, read and written by the window.
  bool sound_on = true;
  bool auto_win = true;
  bool sound_ok = true;
  // Filled in by the high-score table: a Cricket win with the winner's name and rounds.
  std::function<void(const std::string& name, int16_t rounds)> onCricketWin;

  const GameState& state() const { return s_; }
  const clsPlayer& player(int seat) const { return s_.players[static_cast<std::size_t>(seat)]; }
  bool isCricket() const { return options.game_type <= kRandomCricket; }

  // "Lets Begin": the names (already capitalised) go to the scoreboard; a first player
  // called "Scorpion" is greeted when a sound device exists.
  void letsBegin(const std::array<std::string, kSeats + 1>& names);
  // Sets up a new game with the current options; seat 1 throws.
  void reset_game();

  // The pointer over the board names the bed under it; a click there is one dart.
  void boardMove(float xTwips, float yTwips);
  void boardClick(float xTwips, float yTwips);
  // Target button 1..7 (one mark) or 0 (next player).
  void CmdHit_Click(int Index);
  // A character typed into the window; true when it pressed a button.
  bool keyTyped(char32_t ch);
  // Undo Hit (Cricket): takes back the latest entry, or refuses.
  UndoResult mnuundo_Click();
  // Edit Score (301): adds or subtracts points on one seat's score.
  void editScore(int seat, int points, bool add);

  // Any input, as the window queues it and the journal keeps it. The result tells
  // whether an undo was done, refused or unavailable (Done for every other input).
  UndoResult apply(const GameInput& input);

  // Exposed for tests of the turn cycle.
  void Advance_Player();

  // The mark picture of a seat on a target row: 0 blank, 1 slash, 2 cross, 3 circled cross.
  int markPicture(int row, int seat) const;

 private:
  clsPlayer& cur() { return s_.players[static_cast<std::size_t>(s_.cur_player)]; }
  clsPlayer& seat(int n) { return s_.players[static_cast<std::size_t>(n)]; }
  void playGameClip(Clip clip);
  float drawUniform();
  void restartRandom();
  void index_buttons();
  void show_cricknums(bool cricket);
  void position_labels(bool compact);
  void do_score_301(int16_t number, int16_t multiplier);
  void update_score301();
  void do_board_Crick(int16_t number, int16_t multiplier);
  void do_score_Crick(int16_t Value);
  bool openForAnOpponent(int16_t Value) const;
  void check_crick_win();
  void do_win();
  void showDarts();

  ClipPlayer& clips_;
  std::function<float()> uniform_;
  std::mt19937 engine_;
  GameState s_;
};
