#include "sound/pulseconnection.h"

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace pulse {

using std::chrono::duration_cast;
using std::chrono::microseconds;

Connection::Connection() {
  loop_ = pa_mainloop_new();
  if (loop_ != nullptr) ctx_ = pa_context_new(pa_mainloop_get_api(loop_), "Brindlemark");
}

Connection::~Connection() {
  if (ctx_ != nullptr) {
    pa_context_disconnect(ctx_);
    pa_context_unref(ctx_);
  }
  if (loop_ != nullptr) pa_mainloop_free(loop_);
}

bool Connection::alive() const {
  return ctx_ != nullptr && PA_CONTEXT_IS_GOOD(pa_context_get_state(ctx_));
}

bool Connection::connect(Clock::time_point deadline) {
  if (ctx_ == nullptr) return false;
  if (pa_context_connect(ctx_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
  return runUntil([this] { return pa_context_get_state(ctx_) == PA_CONTEXT_READY; }, deadline);
}

void Connection::poll() {
  if (loop_ == nullptr) return;
  while (pa_mainloop_iterate(loop_, 0, nullptr) > 0) {
  }
}

bool Connection::step(Clock::time_point deadline) {
  const auto left = duration_cast<microseconds>(deadline - Clock::now()).count();
  if (left <= 0) return false;
  const int timeout = static_cast<int>(std::min<long long>(left, 10'000));
  return pa_mainloop_prepare(loop_, timeout) >= 0 && pa_mainloop_poll(loop_) >= 0 &&
         pa_mainloop_dispatch(loop_) >= 0;
}

bool Connection::finish(pa_operation* op, Clock::time_point deadline) {
  if (op == nullptr) return false;
  const bool done =
      runUntil([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; }, deadline);
  if (!done) pa_operation_cancel(op);
  pa_operation_unref(op);
  return done;
}

}  // namespace pulse
