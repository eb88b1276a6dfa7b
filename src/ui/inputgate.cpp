#include "ui/inputgate.h"

void InputGate::submit(std::function<void()> input) {
  waiting_.push_back(std::move(input));
  if (running_) return;  // the input that runs now takes this one up when it is done
  running_ = true;
  while (!waiting_.empty()) {
    const std::function<void()> next = std::move(waiting_.front());
    waiting_.pop_front();
    next();
  }
  running_ = false;
}
