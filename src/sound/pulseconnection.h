#pragma once
// One connection to the sound server (PulseAudio, or PipeWire through its PulseAudio
// interface) with a main loop of its own. The loop runs only when the owner asks, on the
// owner's thread, in slices of at most 10 ms, so that every wait is bounded by a deadline
// and a missing, busy or vanished server can never hold the caller longer than that.

#include <chrono>

struct pa_context;
struct pa_mainloop;
struct pa_operation;

namespace pulse {

using Clock = std::chrono::steady_clock;

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  pa_context* context() const { return ctx_; }

  // True while the connection is ready or still being made.
  bool alive() const;

  // Connects to the server named by the environment or the client settings; never
  // starts a server of its own.
  bool connect(Clock::time_point deadline);

  // Handles what the server sent meanwhile (a failure, for instance) without waiting.
  void poll();

  // One slice of the loop: waits for at most 10 ms for the server, less near the deadline.
  // False at the deadline or when the loop fails.
  bool step(Clock::time_point deadline);

  // Runs the loop until done() holds; false at the deadline or when the server fails.
  template <class Done>
  bool runUntil(Done done, Clock::time_point deadline) {
    while (!done()) {
      if (!alive() || !step(deadline)) return false;
    }
    return true;
  }

  // Waits for a server operation to complete (and releases it); false if it did not.
  bool finish(pa_operation* op, Clock::time_point deadline);

 private:
  pa_mainloop* loop_ = nullptr;
  pa_context* ctx_ = nullptr;
};

}  // namespace pulse
