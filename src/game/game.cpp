#include "game/game.h"

#include <algorithm>
#include <chrono>

#include "game/callwords.h"
#include "game/dart.h"
#include "game/gamecatalogue.h"
#include "game/int16.h"
#include "input/board.h"
#include "input/keytable.h"

Game::Game(std::function<float()> uniform) : uniform_(std::move(uniform)) {
  // Players who have not been named yet.
  for (int seat = 1; seat <= kSeats; ++seat) state_.names[seat] = kUnnamedPlayer;
}

void Game::seedFromClock() {
  engine_ = std::mt19937(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

float Game::drawUniform() {
  if (uniform_) return std::clamp(uniform_(), 0.0f, std::nextafter(1.0f, 0.0f));
  return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
}

// The defaults of a game without targets and without an undo.
void GameRules::markTarget(GameTable& /*table*/, int /*target*/) const {}
bool GameRules::takesKeys(const GameOptions& /*options*/) const { return false; }
bool GameRules::canTakeBack(const GameTable& /*table*/, int /*seat*/) const { return false; }
void GameRules::takeBack(GameTable& /*table*/) const {}

// ---------------------------------------------------------------- new game

void Game::setPlayerNames(const std::array<std::string, kSeats + 1>& names) {
  for (int seat = 1; seat <= kSeats; ++seat) state_.names[seat] = names[seat];
  if (state_.names[1] == "Scorpion" && soundAvailable) clips_.push_back({Clip::SCORPION, state_});
}

void Game::startGame(int firstSeat) {
  state_.dartsThrown = 0;
  state_.lastMultiplier = 1;
  for (int seat = 1; seat <= kSeats; ++seat) state_.players[seat].reset();
  state_.firstThrower = static_cast<int16_t>(std::clamp(firstSeat, 1, lastSeat()));
  state_.thrower = state_.firstThrower;
  state_.turnTotal = 0;
  state_.turnRings = 0;
  state_.targets.fill(0);
  state_.tiedSeats = 0;
  turnMarks_ = 0;
  state_.scoreEditEnabled = rules().editsScores();
  state_.undoEnabled = false;
  GameTable table(*this);
  rules().setUp(table);
  state_.round = 1;
  state_.started = true;
  state_.inPlay = true;
  state_.throwerMarked = true;
}

// ---------------------------------------------------------------- the board

void Game::pointAt(float xTwips, float yTwips) {
  state_.bed = board::hitAt(xTwips, yTwips, options.doubleBull).name;
}

void Game::throwDart(float xTwips, float yTwips) {
  // The dart lands where the click is, whatever movement came before it (a touch
  // screen has none), and the status bar names that spot.
  landDart(board::hitAt(xTwips, yTwips, options.doubleBull));
}

void Game::landDart(const board::Hit& hit) {
  state_.bed = hit.name;
  if (!state_.inPlay) return;
  const int16_t seat = state_.thrower;
  state_.dartsThrown = static_cast<int16_t>(state_.dartsThrown + 1);
  state_.lastMultiplier = hit.multiplier;
  GameTable table(*this);
  const int16_t marksBefore = thrownMarks();
  rules().scoreDart(table, hit.number, hit.multiplier);
  turnMarks_ += thrownMarks() - marksBefore;
  if (state_.inPlay && state_.dartsThrown >= 3) passTurn();
  if (isComputer(seat)) state_.undoEnabled = false;
}

// ---------------------------------------------------------------- turn cycle

void Game::passTurn() {
  if (!state_.inPlay) return;
  const int16_t darts = state_.dartsThrown;
  state_.dartsThrown = 0;
  state_.throwerMarked = false;  // unmarked while the turn is settled; a countdown winner stays so
  GameTable table(*this);
  rules().settleTurn(table, darts);
  if (turnMarks_ >= 5 && state_.inPlay) call(callwords::marks(turnMarks_));
  turnMarks_ = 0;
  if (!state_.inPlay) return;  // the turn won the game
  // The throw never passes beyond the last seat in play; the round is counted when it
  // comes back to the seat that threw first.
  state_.thrower = static_cast<int16_t>(state_.thrower < lastSeat() ? state_.thrower + 1 : 1);
  if (state_.thrower == state_.firstThrower) state_.round = clamp16(long{state_.round} + 1);
  state_.turnTotal = 0;
  state_.throwerMarked = true;
  announce(Clip::CHANGE);
  // The next thrower hears what finishes the game, when this turn can; the route is looked
  // for only when a caller is heard.
  if (calling() && !checkoutRouteOf(options, state_).empty())
    call(callwords::youRequire(player(state_.thrower).score()));
}

int16_t Game::thrownMarks() const {
  if (!calling() || rules().scoring() != ScoringKind::Marks) return 0;
  const PlayerRecord& p = player(state_.thrower);
  int marks = 0;
  for (std::size_t i = 1; i <= kTargets; ++i) marks += p.marks(state_.targets[i]);
  return static_cast<int16_t>(marks);
}

void Game::callMatchWon() {
  // The latest "game shot": the one this leg raised.
  const auto shot = std::find_if(clips_.rbegin(), clips_.rend(), [](const ClipCue& cue) {
    return cue.clip == Clip::CALL && cue.call == callwords::gameShot(false);
  });
  if (shot != clips_.rend()) shot->call = callwords::gameShot(true);
}

void Game::declareWin() {
  call(callwords::gameShot(false));
  if (soundOn) {
    static constexpr std::array<Clip, 5> kSeatClip = {Clip::ONE, Clip::ONE, Clip::TWO, Clip::THREE,
                                                      Clip::FOUR};
    // "PLAYER ONE WINS"; a shared win names each of its seats before "WINS".
    for (int seat = 1; seat <= kSeats; ++seat) {
      const bool named =
          state_.tiedSeats == 0 ? seat == state_.thrower : (state_.tiedSeats & (1 << seat)) != 0;
      if (!named) continue;
      clips_.push_back({Clip::PLAYER, state_});
      clips_.push_back({kSeatClip[static_cast<std::size_t>(seat)], state_});
    }
    clips_.push_back({Clip::WINS, state_});
  }
  state_.inPlay = false;
  state_.undoEnabled = false;
  state_.scoreEditEnabled = false;
  if (rules().keepsHighScores() && onCricketWin)
    onCricketWin(state_.names[state_.thrower], state_.round);
}

void Game::declareHighestWins() {
  int16_t best = 0;
  int16_t seats = 0;
  int16_t first = 0;
  for (int seat = 1; seat <= lastSeat(); ++seat) {
    const int16_t score = state_.players[static_cast<std::size_t>(seat)].score();
    if (first == 0 || score > best) {
      best = score;
      seats = 0;
      first = static_cast<int16_t>(seat);
    }
    if (score == best) seats = static_cast<int16_t>(seats | (1 << seat));
  }
  state_.thrower = first;
  state_.tiedSeats = seats == (1 << first) ? int16_t{0} : seats;
  declareWin();
}

CheckoutRoute checkoutRouteOf(const GameOptions& options, const GameState& state) {
  if (!state.inPlay || rulesFor(options.gameType).scoring() != ScoringKind::Countdown) return {};
  const PlayerRecord& thrower = state.players[static_cast<std::size_t>(state.thrower)];
  return CheckoutRoute::find({.remaining = thrower.score() - state.turnTotal,
                              .dartsLeft = 3 - state.dartsThrown,
                              .inOutRule = options.inOutRule,
                              .playerIn = thrower.isIn(),
                              .doubleBull = options.doubleBull});
}

void Game::editScore(int seat, int points, bool add) {
  if (!state_.scoreEditEnabled || seat < 1 || seat > options.playerCount) return;
  PlayerRecord& p = state_.players[static_cast<std::size_t>(seat)];
  p.setScore(clamp16(long{p.score()} + (add ? points : -points)));
}

// ---------------------------------------------------------------- targets and keys

void Game::pressTarget(int target) {
  if (!state_.inPlay || target < 0 || target > kTargets) return;
  if (target == 0) {
    passTurn();
    return;
  }
  GameTable table(*this);
  const int16_t marksBefore = thrownMarks();
  rules().markTarget(table, target);
  turnMarks_ += thrownMarks() - marksBefore;
}

bool Game::takesKey(char32_t ch) const {
  return state_.inPlay && rules().takesKeys(options) && keytable::targetForKey(ch) >= 0;
}

bool Game::keyTyped(char32_t ch) {
  if (!takesKey(ch)) return false;
  pressTarget(keytable::targetForKey(ch));
  return true;
}

UndoResult Game::apply(const GameInput& input) {
  switch (input.kind) {
    case GameInput::Kind::BoardDart:
      landDart(dart::hitOf(input, options.doubleBull));
      break;
    case GameInput::Kind::TargetPress:
      pressTarget(input.target);
      break;
    case GameInput::Kind::UndoEntry:
      return undoLatestEntry();
    case GameInput::Kind::EditScore:
      editScore(input.seat, input.points, input.add);
      break;
  }
  return UndoResult::Done;
}

// ---------------------------------------------------------------- undo

UndoResult Game::undoLatestEntry() {
  if (!state_.undoEnabled || !state_.inPlay) return UndoResult::Unavailable;
  // With no dart of this turn the entry is the last of the seat that threw before,
  // counted back as the turn cycle counts forward.
  const bool steppedBack = state_.dartsThrown == 0;
  const int16_t before = state_.thrower;
  const int16_t seat =
      steppedBack ? static_cast<int16_t>(before == 1 ? lastSeat() : before - 1) : before;
  if (!rules().canTakeBack(GameTable(*this), seat)) {
    state_.undoEnabled = false;
    return UndoResult::Refused;
  }
  state_.thrower = seat;
  if (steppedBack) {
    state_.dartsThrown = 2;
    // the turn had come back to the seat that threw first: that began a new round
    if (before == state_.firstThrower) state_.round = clamp16(long{state_.round} - 1);
  } else {
    state_.dartsThrown = static_cast<int16_t>(state_.dartsThrown - 1);
  }
  GameTable table(*this);
  const int16_t marksBefore = thrownMarks();
  rules().takeBack(table);
  // Back in a turn already settled, its marks before the undone one are not counted again.
  turnMarks_ = std::max(0, turnMarks_ + thrownMarks() - marksBefore);
  state_.undoEnabled = false;
  return UndoResult::Done;
}
