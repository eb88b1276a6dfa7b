#include "game/game.h"

#include <algorithm>
#include <chrono>

#include "game/int16.h"
#include "input/board.h"
#include "input/keytable.h"

namespace {

constexpr int16_t kCompactScorePt = 14;
constexpr int16_t kLargeScorePt = 20;
constexpr int16_t kThrowingScorePt = 40;

std::string decimal(int value) { return std::to_string(value); }

}  // namespace

Game::Game(ClipPlayer& clips, std::function<float()> uniform)
    : clips_(clips), uniform_(std::move(uniform)) {
  // Before the first game: an empty scoreboard in its compact form, no status values.
  s_.panel_shown.fill(true);
  s_.score_pt.fill(kCompactScorePt);
}

void Game::playGameClip(Clip clip) {
  if (sound_on) clips_.play(clip);
}

void Game::restartRandom() {
  engine_ = std::mt19937(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

float Game::drawUniform() {
  if (uniform_) return std::clamp(uniform_(), 0.0f, std::nextafter(1.0f, 0.0f));
  return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
}

// ---------------------------------------------------------------- new game

void Game::letsBegin(const std::array<std::string, kSeats + 1>& names) {
  for (int seat = 1; seat <= kSeats; ++seat) s_.names[seat] = names[seat];
  if (s_.names[1] == "Scorpion" && sound_ok) clips_.play(Clip::SCORPION);
}

void Game::reset_game() {
  s_.darts_thrown = 0;
  s_.last_mult = 1;
  const bool onBoard = !isCricket() || options.use_board;
  for (int p = 9; p <= 12; ++p) s_.panel_shown[p] = onBoard;
  for (int seat = 1; seat <= kSeats; ++seat) s_.players[seat].Reset();
  s_.cur_player = 1;
  s_.turn_total = 0;
  if (!isCricket()) {
    s_.escore_enabled = true;
    s_.undo_enabled = false;
    int16_t start = options.game_type == k301 ? 301 : 501;
    if (options.game_type == kRandomCountdown) {
      restartRandom();
      start = static_cast<int16_t>(
          std::min(900, static_cast<int>(static_cast<double>(drawUniform()) * 600 + 301)));
    }
    for (int seat = 1; seat <= kSeats; ++seat) s_.players[seat].Score(start);
    show_cricknums(false);
    s_.board_shown = true;
    s_.next_button_shown = false;
  } else {
    s_.escore_enabled = false;
    s_.undo_enabled = false;
    index_buttons();
    show_cricknums(true);
    s_.board_shown = options.use_board;
    s_.next_button_shown = !options.use_board;
  }
  s_.round_num = 1;
  s_.panel[8] = "1";
  s_.panel[6] = "0";
  s_.panel[2] = s_.names[1];
  s_.green[1] = true;
  s_.game_on = true;
}

void Game::index_buttons() {
  auto& n = s_.cricknums;
  n.fill(0);
  if (options.game_type == kRandomCricket) {
    restartRandom();
    for (std::size_t i = 1; i <= 6; ++i) {
      int16_t value = 0;
      do {
        value = static_cast<int16_t>(
            std::min(20, static_cast<int>(static_cast<double>(drawUniform()) * 20 + 1)));
      } while (std::find(n.begin() + 1, n.begin() + 7, value) != n.begin() + 7);
      n[i] = value;
    }
    std::sort(n.begin() + 1, n.begin() + 7, std::greater<>());
  } else {
    for (std::size_t i = 1; i <= 6; ++i) n[i] = static_cast<int16_t>(21 - i);
  }
  n[7] = 25;
}

void Game::show_cricknums(bool cricket) {
  s_.cricket_form = cricket;
  position_labels(cricket);
}

void Game::position_labels(bool compact) {
  s_.green.fill(false);
  for (int seat = 1; seat <= kSeats; ++seat) {
    s_.score_pt[seat] = compact ? kCompactScorePt : kLargeScorePt;
  }
  if (!compact) s_.score_pt[1] = kThrowingScorePt;
}

// ---------------------------------------------------------------- the board

void Game::boardMove(float xTwips, float yTwips) {
  s_.panel[4] = board::hitAt(xTwips, yTwips, options.double_bull).name;
}

void Game::boardClick(float xTwips, float yTwips) {
  // The dart lands where the click is, whatever movement came before it (a touch
  // screen has none), and the status bar names that spot.
  const board::Hit hit = board::hitAt(xTwips, yTwips, options.double_bull);
  s_.panel[4] = hit.name;
  if (!s_.game_on) return;
  s_.darts_thrown = static_cast<int16_t>(s_.darts_thrown + 1);
  showDarts();
  s_.last_mult = hit.multiplier;
  if (isCricket()) {
    do_board_Crick(hit.number, hit.multiplier);
  } else {
    do_score_301(hit.number, hit.multiplier);
  }
  if (s_.game_on && s_.darts_thrown >= 3) Advance_Player();
}

void Game::showDarts() {
  // One dart picture per dart left: panel 12 goes with the first dart, 11 with the second.
  s_.panel_shown[12] = s_.darts_thrown == 0 || s_.darts_thrown >= 3;
  s_.panel_shown[11] = s_.darts_thrown <= 1 || s_.darts_thrown >= 3;
}

// ---------------------------------------------------------------- turn cycle

void Game::Advance_Player() {
  if (!s_.game_on) return;
  // On the buttons a turn passed without a mark leaves nothing of its own to undo, and
  // the entry before it belongs to an earlier turn: the undo can no longer reach it.
  if (!options.use_board && isCricket() && s_.darts_thrown == 0) s_.undo_enabled = false;
  s_.darts_thrown = 0;
  s_.green[s_.cur_player] = false;
  if (!isCricket()) {
    update_score301();
    if (!s_.game_on) return;
    s_.score_pt[s_.cur_player] = kLargeScorePt;
  }
  // The throw never passes beyond the last seat in play, nor beyond the four seats there
  // are (a player count of 0, before the new-game dialog was ever shown, plays seat 1 alone).
  if (s_.cur_player < options.num_players && s_.cur_player < kSeats) {
    ++s_.cur_player;
  } else {
    s_.cur_player = 1;
    s_.round_num = clamp16(long{s_.round_num} + 1);
    s_.panel[8] = decimal(s_.round_num);
  }
  s_.panel[2] = s_.names[s_.cur_player];
  if (!isCricket()) s_.score_pt[s_.cur_player] = kThrowingScorePt;
  s_.turn_total = 0;
  s_.panel[6] = "0";
  s_.green[s_.cur_player] = true;
  playGameClip(Clip::CHANGE);
}

void Game::do_win() {
  if (sound_on) {
    static constexpr std::array<Clip, 5> kSeatClip = {Clip::ONE, Clip::ONE, Clip::TWO, Clip::THREE,
                                                      Clip::FOUR};
    clips_.play(Clip::PLAYER);
    clips_.play(kSeatClip[static_cast<std::size_t>(s_.cur_player)]);
    clips_.play(Clip::WINS);
  }
  s_.game_on = false;
  s_.undo_enabled = false;
  s_.escore_enabled = false;
  if (isCricket() && onCricketWin) onCricketWin(s_.names[s_.cur_player], s_.round_num);
}

// ---------------------------------------------------------------- countdown

void Game::do_score_301(int16_t number, int16_t multiplier) {
  playGameClip(Clip::WAVHIT);
  clsPlayer& p = cur();
  if (!p.IsIn()) {
    if (options.in_out_rule == 0 || multiplier == options.in_out_rule) p.IsIn(true);
  }
  if (p.IsIn()) {
    s_.turn_total = clamp16(long{s_.turn_total} + number * multiplier);
    s_.panel[6] = decimal(s_.turn_total);
  }
}

void Game::update_score301() {
  clsPlayer& p = cur();
  const long next = long{p.Score()} - s_.turn_total;
  const long least = options.in_out_rule == 0 ? 0 : options.in_out_rule;
  const bool accepted = next == 0 || next >= least;
  if (accepted) p.Score(clamp16(next));
  if (p.Score() == 0) {
    do_win();
  } else if (!accepted) {
    playGameClip(Clip::BREAK);
  }
}

void Game::editScore(int seat, int points, bool add) {
  if (!s_.escore_enabled || seat < 1 || seat > options.num_players) return;
  clsPlayer& p = s_.players[static_cast<std::size_t>(seat)];
  p.Score(clamp16(long{p.Score()} + (add ? points : -points)));
}

// ---------------------------------------------------------------- Cricket

void Game::CmdHit_Click(int Index) {
  if (!s_.game_on || Index < 0 || Index > kTargets) return;
  // The targets belong to Cricket games; a countdown game has none to mark.
  if (Index != 0 && !isCricket()) return;
  if (Index == 0) {
    Advance_Player();
    return;
  }
  s_.undo_enabled = true;
  if (!options.use_board) s_.darts_thrown = 1;
  playGameClip(Clip::CHALK);
  const int16_t n = s_.cricknums[static_cast<std::size_t>(Index)];
  cur().Hit(n);
  if (cur().TimesHit(n) >= 4) do_score_Crick(n);
  if (auto_win) check_crick_win();
}

bool Game::openForAnOpponent(int16_t Value) const {
  for (int i = 1; i <= options.num_players; ++i) {
    if (i != s_.cur_player && !player(i).Closed(Value)) return true;
  }
  return false;
}

void Game::do_score_Crick(int16_t Value) {
  if (openForAnOpponent(Value)) cur().Score(clamp16(long{cur().Score()} + Value));
}

void Game::check_crick_win() {
  for (std::size_t i = 1; i <= kTargets; ++i) {
    if (!cur().Closed(s_.cricknums[i])) return;
  }
  for (int i = 1; i <= options.num_players; ++i) {
    if (cur().Score() < player(i).Score()) return;
  }
  do_win();
}

void Game::do_board_Crick(int16_t number, int16_t multiplier) {
  for (int i = 1; i <= kTargets; ++i) {
    if (number == s_.cricknums[static_cast<std::size_t>(i)]) {
      for (int m = 0; m < multiplier && s_.game_on; ++m) CmdHit_Click(i);
      return;
    }
    s_.undo_enabled = false;
  }
}

int Game::markPicture(int row, int seat) const {
  if (row < 1 || row > kTargets || seat < 1 || seat > kSeats) return 0;
  return std::min<int>(3, player(seat).TimesHit(s_.cricknums[static_cast<std::size_t>(row)]));
}

bool Game::keyTyped(char32_t ch) {
  if (!s_.game_on || options.game_type != kCricket || options.use_board) return false;
  const int button = keytable::buttonForChar(ch);
  if (button < 0) return false;
  CmdHit_Click(button);
  return true;
}

UndoResult Game::apply(const GameInput& input) {
  switch (input.kind) {
    case GameInput::Kind::BoardDart:
      boardClick(input.x, input.y);
      break;
    case GameInput::Kind::TargetPress:
      CmdHit_Click(input.target);
      break;
    case GameInput::Kind::UndoEntry:
      return mnuundo_Click();
    case GameInput::Kind::EditScore:
      editScore(input.seat, input.points, input.add);
      break;
  }
  return UndoResult::Done;
}

// ---------------------------------------------------------------- undo

UndoResult Game::mnuundo_Click() {
  if (!s_.undo_enabled || !s_.game_on || !isCricket()) return UndoResult::Unavailable;
  const int16_t before = s_.cur_player;
  bool steppedBack = false;
  if (s_.darts_thrown == 0) {
    s_.cur_player =
        s_.cur_player == 1 ? options.num_players : static_cast<int16_t>(s_.cur_player - 1);
    steppedBack = true;
  }
  const int16_t n = cur().LHit();
  if (n == 0 || cur().TimesHit(n) > 4) {
    s_.cur_player = before;
    s_.undo_enabled = false;
    return UndoResult::Refused;
  }
  if (steppedBack) {
    s_.darts_thrown = 2;
    if (before == 1) {  // the turn had passed from the last seat to the first: a new round
      s_.round_num = clamp16(long{s_.round_num} - 1);
      s_.panel[8] = decimal(s_.round_num);
    }
    s_.panel[2] = s_.names[s_.cur_player];
  } else {
    s_.darts_thrown = static_cast<int16_t>(s_.darts_thrown - 1);
  }
  for (int m = 0; m < s_.last_mult; ++m) {
    const bool scored = cur().TimesHit(n) - 1 >= 3 && openForAnOpponent(n);
    cur().Undo_Hit(scored);
  }
  s_.green.fill(false);
  s_.green[s_.cur_player] = true;
  if (options.use_board) showDarts();
  s_.undo_enabled = false;
  return UndoResult::Done;
}
