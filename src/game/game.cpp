#include "game/game.h"

#include <algorithm>
#include <chrono>

#include "game/int16.h"
#include "input/board.h"
#include "input/keytable.h"

Game::Game(std::function<float()> uniform) : uniform_(std::move(uniform)) {
  // Players who have not been named yet.
  for (int seat = 1; seat <= kSeats; ++seat) state_.names[seat] = kUnnamedPlayer;
}

void Game::announce(Clip clip) {
  if (soundOn) clips_.push_back({clip, state_});
}

void Game::seedFromClock() {
  engine_ = std::mt19937(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

float Game::drawUniform() {
  if (uniform_) return std::clamp(uniform_(), 0.0f, std::nextafter(1.0f, 0.0f));
  return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
}

// ---------------------------------------------------------------- new game

void Game::setPlayerNames(const std::array<std::string, kSeats + 1>& names) {
  for (int seat = 1; seat <= kSeats; ++seat) state_.names[seat] = names[seat];
  if (state_.names[1] == "Scorpion" && soundAvailable) clips_.push_back({Clip::SCORPION, state_});
}

void Game::startGame() {
  state_.dartsThrown = 0;
  state_.lastMultiplier = 1;
  for (int seat = 1; seat <= kSeats; ++seat) state_.players[seat].reset();
  state_.thrower = 1;
  state_.turnTotal = 0;
  if (!isCricket()) {
    state_.scoreEditEnabled = true;
    state_.undoEnabled = false;
    int16_t start = options.gameType == k301 ? 301 : 501;
    if (options.gameType == kRandomCountdown) {
      seedFromClock();
      start = static_cast<int16_t>(
          std::min(900, static_cast<int>(static_cast<double>(drawUniform()) * 600 + 301)));
    }
    for (int seat = 1; seat <= kSeats; ++seat) state_.players[seat].setScore(start);
  } else {
    state_.scoreEditEnabled = false;
    state_.undoEnabled = false;
    drawTargets();
  }
  state_.round = 1;
  state_.started = true;
  state_.inPlay = true;
  state_.throwerMarked = true;
}

void Game::drawTargets() {
  auto& n = state_.targets;
  n.fill(0);
  if (options.gameType == kRandomCricket) {
    seedFromClock();
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

// ---------------------------------------------------------------- the board

void Game::pointAt(float xTwips, float yTwips) {
  state_.bed = board::hitAt(xTwips, yTwips, options.doubleBull).name;
}

void Game::throwDart(float xTwips, float yTwips) {
  // The dart lands where the click is, whatever movement came before it (a touch
  // screen has none), and the status bar names that spot.
  const board::Hit hit = board::hitAt(xTwips, yTwips, options.doubleBull);
  state_.bed = hit.name;
  if (!state_.inPlay) return;
  state_.dartsThrown = static_cast<int16_t>(state_.dartsThrown + 1);
  state_.lastMultiplier = hit.multiplier;
  if (isCricket()) {
    markBoardDart(hit.number, hit.multiplier);
  } else {
    addCountdownDart(hit.number, hit.multiplier);
  }
  if (state_.inPlay && state_.dartsThrown >= 3) passTurn();
}

// ---------------------------------------------------------------- turn cycle

void Game::passTurn() {
  if (!state_.inPlay) return;
  // On the buttons a turn passed without a mark leaves nothing of its own to undo, and
  // the entry before it belongs to an earlier turn: the undo can no longer reach it.
  if (!options.useBoard && isCricket() && state_.dartsThrown == 0) state_.undoEnabled = false;
  state_.dartsThrown = 0;
  state_.throwerMarked = false;  // unmarked while the turn is settled; a countdown winner stays so
  if (!isCricket()) {
    settleTurn();
    if (!state_.inPlay) return;
  }
  // The throw never passes beyond the last seat in play, nor beyond the four seats there
  // are (a player count of 0, before the new-game dialog was ever shown, plays seat 1 alone).
  if (state_.thrower < options.playerCount && state_.thrower < kSeats) {
    ++state_.thrower;
  } else {
    state_.thrower = 1;
    state_.round = clamp16(long{state_.round} + 1);
  }
  state_.turnTotal = 0;
  state_.throwerMarked = true;
  announce(Clip::CHANGE);
}

void Game::declareWin() {
  if (soundOn) {
    static constexpr std::array<Clip, 5> kSeatClip = {Clip::ONE, Clip::ONE, Clip::TWO, Clip::THREE,
                                                      Clip::FOUR};
    for (Clip clip :
         {Clip::PLAYER, kSeatClip[static_cast<std::size_t>(state_.thrower)], Clip::WINS})
      clips_.push_back({clip, state_});
  }
  state_.inPlay = false;
  state_.undoEnabled = false;
  state_.scoreEditEnabled = false;
  if (isCricket() && onCricketWin) onCricketWin(state_.names[state_.thrower], state_.round);
}

// ---------------------------------------------------------------- countdown

void Game::addCountdownDart(int16_t number, int16_t multiplier) {
  announce(Clip::WAVHIT);
  PlayerRecord& p = throwerRecord();
  if (!p.isIn()) {
    if (options.inOutRule == 0 || multiplier == options.inOutRule) p.setIn(true);
  }
  if (p.isIn()) state_.turnTotal = clamp16(long{state_.turnTotal} + number * multiplier);
}

void Game::settleTurn() {
  PlayerRecord& p = throwerRecord();
  const long next = long{p.score()} - state_.turnTotal;
  const long least = options.inOutRule == 0 ? 0 : options.inOutRule;
  const bool accepted = next == 0 || next >= least;
  if (accepted) p.setScore(clamp16(next));
  if (p.score() == 0) {
    declareWin();
  } else if (!accepted) {
    announce(Clip::BREAK);
  }
}

CheckoutRoute checkoutRouteOf(const GameOptions& options, const GameState& state) {
  if (!state.inPlay || options.gameType <= kRandomCricket) return {};
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

// ---------------------------------------------------------------- Cricket

void Game::pressTarget(int target) {
  if (!state_.inPlay || target < 0 || target > kTargets) return;
  // The targets belong to Cricket games; a countdown game has none to mark.
  if (target != 0 && !isCricket()) return;
  if (target == 0) {
    passTurn();
    return;
  }
  state_.undoEnabled = true;
  if (!options.useBoard) state_.dartsThrown = 1;
  announce(Clip::CHALK);
  const int16_t n = state_.targets[static_cast<std::size_t>(target)];
  throwerRecord().addMark(n);
  if (throwerRecord().marks(n) >= 4) scoreExtraMark(n);
  if (autoWin) checkCricketWin();
}

bool Game::openForAnOpponent(int16_t number) const {
  for (int i = 1; i <= options.playerCount; ++i) {
    if (i != state_.thrower && !player(i).isClosed(number)) return true;
  }
  return false;
}

void Game::scoreExtraMark(int16_t number) {
  if (openForAnOpponent(number))
    throwerRecord().setScore(clamp16(long{throwerRecord().score()} + number));
}

void Game::checkCricketWin() {
  for (std::size_t i = 1; i <= kTargets; ++i) {
    if (!throwerRecord().isClosed(state_.targets[i])) return;
  }
  for (int i = 1; i <= options.playerCount; ++i) {
    if (throwerRecord().score() < player(i).score()) return;
  }
  declareWin();
}

void Game::markBoardDart(int16_t number, int16_t multiplier) {
  for (int i = 1; i <= kTargets; ++i) {
    if (number == state_.targets[static_cast<std::size_t>(i)]) {
      for (int m = 0; m < multiplier && state_.inPlay; ++m) pressTarget(i);
      return;
    }
    state_.undoEnabled = false;
  }
}

bool Game::takesKey(char32_t ch) const {
  return state_.inPlay && options.gameType == kCricket && !options.useBoard &&
         keytable::targetForKey(ch) >= 0;
}

bool Game::keyTyped(char32_t ch) {
  if (!takesKey(ch)) return false;
  pressTarget(keytable::targetForKey(ch));
  return true;
}

UndoResult Game::apply(const GameInput& input) {
  switch (input.kind) {
    case GameInput::Kind::BoardDart:
      throwDart(input.x, input.y);
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
  if (!state_.undoEnabled || !state_.inPlay || !isCricket()) return UndoResult::Unavailable;
  const int16_t before = state_.thrower;
  bool steppedBack = false;
  if (state_.dartsThrown == 0) {
    // Back to the seat that threw before, counted as the turn cycle counts: before seat 1
    // comes the last seat in play (seat 1 itself while no player count was ever chosen,
    // seat 4 for a count beyond the seats).
    const int lastSeat = std::clamp<int>(options.playerCount, 1, kSeats);
    state_.thrower = static_cast<int16_t>(state_.thrower == 1 ? lastSeat : state_.thrower - 1);
    steppedBack = true;
  }
  const int16_t n = throwerRecord().latestMark();
  if (n == 0 || throwerRecord().marks(n) > 4) {
    state_.thrower = before;
    state_.undoEnabled = false;
    return UndoResult::Refused;
  }
  if (steppedBack) {
    state_.dartsThrown = 2;
    if (before == 1) {  // the turn had passed from the last seat to the first: a new round
      state_.round = clamp16(long{state_.round} - 1);
    }
  } else {
    state_.dartsThrown = static_cast<int16_t>(state_.dartsThrown - 1);
  }
  for (int m = 0; m < state_.lastMultiplier; ++m) {
    const bool scored = throwerRecord().marks(n) - 1 >= 3 && openForAnOpponent(n);
    throwerRecord().takeBackMark(scored);
  }
  state_.undoEnabled = false;
  return UndoResult::Done;
}
