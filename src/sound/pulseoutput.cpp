#include "sound/pulseoutput.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pulse {
namespace {

using namespace std::chrono_literals;
using std::chrono::duration_cast;
using std::chrono::microseconds;

// Connecting and opening a stream; a server that does not answer costs no more.
constexpr auto kConnectTimeout = 1500ms;
// How long an output may take to start playing once it has the samples: a sink waking
// from suspend, a Bluetooth headset above all, can take seconds.
constexpr auto kWakeTimeout = 6s;
// Allowed beyond the clips' own length once they started: the output's latency.
constexpr auto kLatencyMargin = 600ms;
// A clip is announced this much before it is heard, for the screen to be drawn in time.
constexpr pa_usec_t kAnnounceLead = 15'000;
// Everything up to this size is handed to the server before playing starts, so that a busy
// machine cannot starve a clip in the middle; longer sequences are streamed.
constexpr std::size_t kMaxBuffer = 4u << 20;

// The output PulseAudio and PipeWire make when there is no sound hardware.
bool isDummyOutput(const char* name, const char* description) {
  return (name != nullptr && std::strcmp(name, "auto_null") == 0) ||
         (description != nullptr && std::strcmp(description, "Dummy Output") == 0);
}

class Stream {
 public:
  Stream(pa_context* ctx, const pa_sample_spec& format)
      : s_(pa_stream_new(ctx, "clip", &format, nullptr)) {}
  ~Stream() {
    if (s_ != nullptr) {
      pa_stream_set_started_callback(s_, nullptr, nullptr);
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

bool sameFormat(const ClipSamples& a, const ClipSamples& b) {
  return a.rate == b.rate && a.channels == b.channels;
}

std::size_t bytesOf(const ClipSamples* clip) {
  return clip != nullptr ? clip->samples.size() * sizeof(int16_t) : 0;
}

// When the output really started to play: the server's notice, or failing that the first
// moment its clock shows samples heard.
struct Start {
  bool seen = false;
  Clock::time_point at;
  void mark(Clock::time_point when) {
    if (!seen) at = when;
    seen = true;
  }
};

}  // namespace

Output::Output() = default;
Output::~Output() = default;

bool Output::connected() {
  if (conn_ != nullptr) {
    conn_->poll();
    if (conn_->alive()) return true;
  }
  conn_ = std::make_unique<Connection>();
  if (conn_->connect(Clock::now() + kConnectTimeout)) return true;
  conn_.reset();
  return false;
}

bool Output::play(const std::vector<const ClipSamples*>& clips,
                  const std::function<void(std::size_t)>& starting) {
  // Runs of clips of one format share a stream; null entries go with any run.
  std::size_t first = 0;
  while (first < clips.size()) {
    const ClipSamples* format = nullptr;
    std::size_t last = first;
    for (; last < clips.size(); ++last) {
      if (clips[last] == nullptr) continue;
      if (format != nullptr && !sameFormat(*format, *clips[last])) break;
      format = clips[last];
    }
    if (format == nullptr) {
      for (std::size_t i = first; i < last; ++i) starting(i);
    } else if (!playRun(clips, first, last, starting)) {
      return false;
    }
    first = last;
  }
  return true;
}

bool Output::playRun(const std::vector<const ClipSamples*>& clips, std::size_t first,
                     std::size_t last, const std::function<void(std::size_t)>& starting) {
  const ClipSamples& head = **std::find_if(clips.begin() + std::ptrdiff_t(first),
                                           clips.begin() + std::ptrdiff_t(last),
                                           [](const ClipSamples* c) { return c != nullptr; });
  const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(head.rate),
                              static_cast<uint8_t>(head.channels)};
  if (!pa_sample_spec_valid(&format) || !connected()) return false;

  // Where each clip starts within the run, in microseconds of the stream's own clock.
  std::vector<pa_usec_t> startsAt;
  std::size_t total = 0;
  for (std::size_t i = first; i < last; ++i) {
    startsAt.push_back(pa_bytes_to_usec(total, &format));
    total += bytesOf(clips[i]);
  }
  const pa_usec_t length = pa_bytes_to_usec(total, &format);

  Stream stream(conn_->context(), format);
  pa_stream* s = stream.get();
  if (s == nullptr) return false;
  Start start;
  pa_stream_set_started_callback(
      s, [](pa_stream*, void* user) { static_cast<Start*>(user)->mark(Clock::now()); }, &start);
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<uint32_t>(kMaxBuffer);
  attr.tlength = static_cast<uint32_t>(std::min(total, kMaxBuffer));
  attr.prebuf = attr.tlength;
  attr.minreq = static_cast<uint32_t>(-1);
  attr.fragsize = static_cast<uint32_t>(-1);
  const auto flags =
      static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
  if (pa_stream_connect_playback(s, nullptr, &attr, flags, nullptr, nullptr) < 0) return false;
  const auto ok = [&] { return conn_->alive() && stream.good(); };
  if (!conn_->runUntil([&] { return pa_stream_get_state(s) == PA_STREAM_READY || !stream.good(); },
                       Clock::now() + kConnectTimeout) ||
      !ok())
    return false;
  // Playing to the dummy output would only hold the program up: nothing is heard there.
  if (isDummyOutput(pa_stream_get_device_name(s), nullptr)) return false;

  std::size_t clip = first;  // the clip being written, and how much of it is out
  std::size_t clipSent = 0;
  std::size_t next = first;  // the next clip to announce
  pa_operation* drain = nullptr;
  bool drained = false;
  pa_usec_t heardAtDrain = 0;  // once drained, the stream clock stops: go by ours
  Clock::time_point drainedAt;
  const auto wakeBy = Clock::now() + kWakeTimeout;
  bool whole = false;
  while (ok()) {
    // Hand over the samples as fast as the server takes them, one clip after the other.
    for (std::size_t room = pa_stream_writable_size(s); clip < last && room > 0 &&
                                                        room != static_cast<std::size_t>(-1);) {
      const std::size_t n = std::min(room, bytesOf(clips[clip]) - clipSent);
      if (n > 0) {
        const auto* data = reinterpret_cast<const uint8_t*>(clips[clip]->samples.data());
        if (pa_stream_write(s, data + clipSent, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) break;
        clipSent += n;
        room -= n;
      }
      if (clipSent == bytesOf(clips[clip])) ++clip, clipSent = 0;
    }
    if (clip == last && drain == nullptr) {
      drain = pa_stream_drain(s, nullptr, nullptr);
      if (drain == nullptr) break;
    }
    // The drain ends once the output has taken the last sample, which is heard only after
    // its latency: take fresh timing then and count the rest on our own clock.
    if (drain != nullptr && !drained && pa_operation_get_state(drain) != PA_OPERATION_RUNNING) {
      drained = pa_operation_get_state(drain) == PA_OPERATION_DONE &&
                conn_->finish(pa_stream_update_timing_info(s, nullptr, nullptr),
                              Clock::now() + kConnectTimeout) &&
                pa_stream_get_time(s, &heardAtDrain) == 0;
      if (!drained) break;
      drainedAt = Clock::now();
      start.mark(drainedAt - microseconds(heardAtDrain));
    }
    pa_usec_t heard = 0;
    if (drained) {
      heard = heardAtDrain + pa_usec_t(duration_cast<microseconds>(Clock::now() - drainedAt).count());
    } else if (pa_stream_get_time(s, &heard) != 0) {
      heard = 0;
    } else if (heard > 0) {
      start.mark(Clock::now() - microseconds(heard));
    }
    while (next < last && startsAt[next - first] <= heard + kAnnounceLead) starting(next++);
    if (drained && heard >= length) {
      whole = true;
      break;
    }
    // The deadline runs from the moment the output really started.
    const auto deadline =
        start.seen ? start.at + microseconds(length) + kLatencyMargin : wakeBy;
    auto until = deadline;
    if (drained) {
      const pa_usec_t target = next < last ? startsAt[next - first] - kAnnounceLead : length;
      until = std::min(deadline, drainedAt + microseconds(target - heardAtDrain));
    }
    if (Clock::now() >= deadline) break;
    conn_->step(until);
  }
  if (drain != nullptr) {
    if (pa_operation_get_state(drain) == PA_OPERATION_RUNNING) pa_operation_cancel(drain);
    pa_operation_unref(drain);
  }
  return whole;
}

int Output::countOutputs(Clock::time_point deadline) {
  Connection conn;
  if (!conn.connect(deadline)) return 0;
  int count = 0;
  auto onSink = [](pa_context*, const pa_sink_info* info, int eol, void* user) {
    if (eol == 0 && info != nullptr && !isDummyOutput(info->name, info->description))
      ++*static_cast<int*>(user);
  };
  if (!conn.finish(pa_context_get_sink_info_list(conn.context(), onSink, &count), deadline))
    return 0;
  return count;
}

}  // namespace pulse
