#pragma once
// The one way in for everything the user does to the game window: a dart on the board, a
// target button (also pressed by a screen reader or voice control), a key, a menu
// command. Each input runs to its end, the clips it raised heard out included, before the
// next one starts; an input that arrives meanwhile waits its turn, so no game operation
// ever starts inside another and the inputs take effect in the order they came.

#include <deque>
#include <functional>

class InputGate {
 public:
  // Runs the input now, or once everything before it has run.
  void submit(std::function<void()> input);
  // True while an input runs (its clips play, a dialog it opened is shown).
  bool busy() const { return running_; }
  // Drops the inputs still waiting: the program is ending.
  void dropWaiting() { waiting_.clear(); }

 private:
  std::deque<std::function<void()>> waiting_;
  bool running_ = false;
};
