#include "sound/pulseout.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdint>

namespace pulseout {
namespace {

using std::chrono::duration_cast;
using std::chrono::microseconds;

// One connection with its own main loop, run only on the calling thread and only in
// slices of at most 10 ms, so that the deadline is checked often.
class Connection {
 public:
  Connection() {
    loop_ = pa_mainloop_new();
    if (loop_ != nullptr) ctx_ = pa_context_new(pa_mainloop_get_api(loop_), "Brindlemark");
  }
  ~Connection() {
    if (ctx_ != nullptr) {
      pa_context_disconnect(ctx_);
      pa_context_unref(ctx_);
    }
    if (loop_ != nullptr) pa_mainloop_free(loop_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  pa_context* context() const { return ctx_; }

  bool alive() const { return ctx_ != nullptr && PA_CONTEXT_IS_GOOD(pa_context_get_state(ctx_)); }

  // Connects to the server named by the environment or the client settings; never
  // starts a server of its own.
  bool connect(Clock::time_point deadline) {
    if (ctx_ == nullptr) return false;
    if (pa_context_connect(ctx_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
    return runUntil([this] { return pa_context_get_state(ctx_) == PA_CONTEXT_READY; }, deadline);
  }

  // Runs the loop until done() holds; false at the deadline or when the server fails.
  template <class Done>
  bool runUntil(Done done, Clock::time_point deadline) {
    while (!done()) {
      if (!alive() || !step(deadline)) return false;
    }
    return true;
  }

  // One slice of the loop: waits for at most 10 ms (less near the deadline).
  bool step(Clock::time_point deadline) {
    const auto left = duration_cast<microseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int timeout = static_cast<int>(std::min<long long>(left, 10'000));
    return pa_mainloop_prepare(loop_, timeout) >= 0 && pa_mainloop_poll(loop_) >= 0 &&
           pa_mainloop_dispatch(loop_) >= 0;
  }

  // Serves the connection until the given time; false if the server fails first.
  bool idleUntil(Clock::time_point end) {
    while (Clock::now() < end) {
      if (!alive()) return false;
      step(end);
    }
    return alive();
  }

  // Waits for a server operation to complete.
  bool finish(pa_operation* op, Clock::time_point deadline) {
    if (op == nullptr) return false;
    const bool done =
        runUntil([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; }, deadline);
    if (!done) pa_operation_cancel(op);
    pa_operation_unref(op);
    return done;
  }

 private:
  pa_mainloop* loop_ = nullptr;
  pa_context* ctx_ = nullptr;
};

class Stream {
 public:
  Stream(pa_context* ctx, const pa_sample_spec& format)
      : s_(pa_stream_new(ctx, "clip", &format, nullptr)) {}
  ~Stream() {
    if (s_ != nullptr) {
      if (PA_STREAM_IS_GOOD(pa_stream_get_state(s_))) pa_stream_disconnect(s_);
      pa_stream_unref(s_);
    }
  }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  pa_stream* get() const { return s_; }
  bool good() const { return s_ != nullptr && PA_STREAM_IS_GOOD(pa_stream_get_state(s_)); }

 private:
  pa_stream* s_;
};

// The whole clip is handed to the server before it starts to play, so that a busy
// machine cannot starve the clip in the middle; longer clips than this are streamed.
constexpr std::size_t kMaxBuffer = 4u << 20;

}  // namespace

bool playToEnd(const ClipSamples& clip, Clock::time_point deadline) {
  if (clip.samples.empty()) return false;
  const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(clip.rate),
                              static_cast<uint8_t>(clip.channels)};
  if (!pa_sample_spec_valid(&format)) return false;

  Connection conn;
  if (!conn.connect(deadline)) return false;
  Stream stream(conn.context(), format);
  if (stream.get() == nullptr) return false;
  pa_stream* s = stream.get();

  const auto* data = reinterpret_cast<const uint8_t*>(clip.samples.data());
  const std::size_t total = clip.samples.size() * sizeof(int16_t);
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<uint32_t>(kMaxBuffer);
  attr.tlength = static_cast<uint32_t>(std::min(total, kMaxBuffer));
  attr.prebuf = attr.tlength;
  attr.minreq = static_cast<uint32_t>(-1);
  attr.fragsize = static_cast<uint32_t>(-1);
  const auto flags =
      static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
  if (pa_stream_connect_playback(s, nullptr, &attr, flags, nullptr, nullptr) < 0) return false;
  auto streamIs = [&](pa_stream_state_t want) { return pa_stream_get_state(s) == want; };
  auto streamOk = [&] { return conn.alive() && stream.good(); };
  if (!conn.runUntil([&] { return streamIs(PA_STREAM_READY) || !stream.good(); }, deadline) ||
      !streamOk())
    return false;

  // Hand over the samples as fast as the server takes them.
  std::size_t sent = 0;
  while (sent < total) {
    const std::size_t room = pa_stream_writable_size(s);
    if (room == static_cast<std::size_t>(-1)) return false;
    if (room == 0) {
      if (!conn.step(deadline) || !streamOk()) return false;
      continue;
    }
    const std::size_t n = std::min(room, total - sent);
    if (pa_stream_write(s, data + sent, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) return false;
    sent += n;
  }

  // The server reports the drain once the sink has taken the last sample, but that
  // sample is heard only after the sink's latency (and the stream clock stops with the
  // drain). So ask for fresh timing and wait out what the stream has not yet played.
  if (!conn.finish(pa_stream_drain(s, nullptr, nullptr), deadline) || !streamOk()) return false;
  if (!conn.finish(pa_stream_update_timing_info(s, nullptr, nullptr), deadline) || !streamOk())
    return false;
  const pa_usec_t length = pa_bytes_to_usec(total, &format);
  pa_usec_t heard = 0;
  if (pa_stream_get_time(s, &heard) != 0) heard = 0;
  const auto end = Clock::now() + microseconds(length > heard ? length - heard : 0);
  return conn.idleUntil(std::min(end, deadline)) && end <= deadline && streamOk();
}

int countOutputs(Clock::time_point deadline) {
  Connection conn;
  if (!conn.connect(deadline)) return 0;
  int count = 0;
  auto onSink = [](pa_context*, const pa_sink_info* info, int eol, void* user) {
    if (eol == 0 && info != nullptr) ++*static_cast<int*>(user);
  };
  if (!conn.finish(pa_context_get_sink_info_list(conn.context(), onSink, &count), deadline))
    return 0;
  return count;
}

}  // namespace pulseout
