#pragma once
// The uniform values a new game draws (the Random Cricket targets, the Random Countdown
// start). Live, each new game's draws come from a generator started from the clock
// immediately before drawing, and every value is written down; on replay the values
// written down come back in the same order, so the game is set up exactly as it was.

#include <random>
#include <vector>

class DrawSource {
 public:
  // A new game is about to be set up: start the generator afresh and forget the old draws.
  void startLive();
  // The next game set up draws these values (and continues live when they run out).
  void startReplay(std::vector<float> values);
  // One value 0 <= r < 1.
  float next();
  // What the latest setup drew.
  const std::vector<float>& drawn() const { return drawn_; }

 private:
  std::mt19937 engine_{std::random_device{}()};
  std::vector<float> replay_;
  std::size_t replayed_ = 0;
  std::vector<float> drawn_;
};
