#include "sound/pulseconnection.h"

#include <pulse/pulseaudio.h>

#include "sound/pulselibrary.h"

#include <algorithm>

namespace pulse {

using std::chrono::duration_cast;
using std::chrono::microseconds;

Connection::Connection() {
  // Without libpulse there is no loop and no context: the same as no sound server.
  const Library* pulse = library();
  if (pulse == nullptr) return;
  loop_ = pulse->mainloopNew();
  if (loop_ != nullptr) ctx_ = pulse->contextNew(pulse->mainloopGetApi(loop_), "Brindlemark");
}

Connection::~Connection() {
  if (ctx_ != nullptr) {
    library()->contextDisconnect(ctx_);
    library()->contextUnref(ctx_);
  }
  if (loop_ != nullptr) library()->mainloopFree(loop_);
}

bool Connection::alive() const {
  return ctx_ != nullptr && PA_CONTEXT_IS_GOOD(library()->contextGetState(ctx_));
}

bool Connection::connect(Clock::time_point deadline) {
  if (ctx_ == nullptr) return false;
  if (library()->contextConnect(ctx_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
  return runUntil([this] { return library()->contextGetState(ctx_) == PA_CONTEXT_READY; },
                  deadline);
}

void Connection::poll() {
  if (loop_ == nullptr) return;
  while (library()->mainloopIterate(loop_, 0, nullptr) > 0) {
  }
}

bool Connection::step(Clock::time_point deadline) {
  const auto left = duration_cast<microseconds>(deadline - Clock::now()).count();
  if (left <= 0) return false;
  const int timeout = static_cast<int>(std::min<long long>(left, 10'000));
  return library()->mainloopPrepare(loop_, timeout) >= 0 && library()->mainloopPoll(loop_) >= 0 &&
         library()->mainloopDispatch(loop_) >= 0;
}

bool Connection::finish(pa_operation* op, Clock::time_point deadline) {
  if (op == nullptr) return false;
  const bool done =
      runUntil([op] { return library()->operationGetState(op) != PA_OPERATION_RUNNING; }, deadline);
  if (!done) library()->operationCancel(op);
  library()->operationUnref(op);
  return done;
}

}  // namespace pulse
