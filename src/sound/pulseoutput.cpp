#include "sound/pulseoutput.h"

#include <pulse/pulseaudio.h>

#include "sound/pulselibrary.h"

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
      : s_(library()->streamNew(ctx, "clip", &format, nullptr)) {}
  ~Stream() {
    if (s_ != nullptr) {
      if (PA_STREAM_IS_GOOD(library()->streamGetState(s_))) library()->streamDisconnect(s_);
      library()->streamUnref(s_);
    }
  }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  pa_stream* get() const { return s_; }
  bool good() const { return s_ != nullptr && PA_STREAM_IS_GOOD(library()->streamGetState(s_)); }

 private:
  pa_stream* s_;
};

bool sameFormat(const ClipSamples& a, const ClipSamples& b) {
  return a.rate == b.rate && a.channels == b.channels;
}

std::size_t bytesOf(const ClipSamples* clip) {
  return clip != nullptr ? clip->samples.size() * sizeof(int16_t) : 0;
}

// What has been heard of a stream, in microseconds of its clock. The position comes from
// timing updates asked for every 20 ms, moved on by our own clock in between only while the
// updates show it advancing: a suspended output, or one still waking up, holds still,
// whatever the server says about the stream having started.
class Position {
 public:
  explicit Position(pa_stream* s) : s_(s) {}
  ~Position() {
    if (update_ != nullptr) {
      library()->operationCancel(update_);
      library()->operationUnref(update_);
    }
  }
  Position(const Position&) = delete;
  Position& operator=(const Position&) = delete;

  void poll() {
    const auto now = Clock::now();
    if (update_ != nullptr && library()->operationGetState(update_) != PA_OPERATION_RUNNING) {
      pa_usec_t time = 0;
      if (library()->operationGetState(update_) == PA_OPERATION_DONE &&
          library()->streamGetTime(s_, &time) == 0) {
        advancing_ = time > at_;
        if (advancing_ && !started) startedAt = now - microseconds(time);
        started = started || advancing_;
        at_ = time;
        when_ = now;
      }
      library()->operationUnref(update_);
      update_ = nullptr;
    }
    if (update_ == nullptr && now - asked_ >= kUpdateInterval) {
      update_ = library()->streamUpdateTimingInfo(s_, nullptr, nullptr);
      asked_ = now;
    }
  }

  pa_usec_t heard() const {
    if (!advancing_) return at_;
    const auto since = std::min(duration_cast<microseconds>(Clock::now() - when_), kMaxGuess);
    return at_ + pa_usec_t(since.count());
  }

  bool started = false;  // the output really plays: its clock has moved
  Clock::time_point startedAt;

 private:
  static constexpr auto kUpdateInterval = 20ms;
  static constexpr auto kMaxGuess = microseconds(40ms);
  pa_stream* s_;
  pa_operation* update_ = nullptr;
  Clock::time_point asked_;
  pa_usec_t at_ = 0;
  Clock::time_point when_;
  bool advancing_ = false;
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
  const ClipSamples& head =
      **std::find_if(clips.begin() + std::ptrdiff_t(first), clips.begin() + std::ptrdiff_t(last),
                     [](const ClipSamples* c) { return c != nullptr; });
  const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(head.rate),
                              static_cast<uint8_t>(head.channels)};
  if (!connected() || !library()->sampleSpecValid(&format)) return false;

  // Where each clip starts within the run, in microseconds of the stream's own clock.
  std::vector<pa_usec_t> startsAt;
  std::size_t total = 0;
  for (std::size_t i = first; i < last; ++i) {
    startsAt.push_back(library()->bytesToUsec(total, &format));
    total += bytesOf(clips[i]);
  }
  const pa_usec_t length = library()->bytesToUsec(total, &format);

  Stream stream(conn_->context(), format);
  pa_stream* s = stream.get();
  if (s == nullptr) return false;
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<uint32_t>(kMaxBuffer);
  attr.tlength = static_cast<uint32_t>(std::min(total, kMaxBuffer));
  attr.prebuf = attr.tlength;
  attr.minreq = static_cast<uint32_t>(-1);
  attr.fragsize = static_cast<uint32_t>(-1);
  if (library()->streamConnectPlayback(s, nullptr, &attr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0)
    return false;
  const auto ok = [&] { return conn_->alive() && stream.good(); };
  if (!conn_->runUntil(
          [&] { return library()->streamGetState(s) == PA_STREAM_READY || !stream.good(); },
          Clock::now() + kConnectTimeout) ||
      !ok())
    return false;
  // Playing to the dummy output would only hold the program up: nothing is heard there.
  if (isDummyOutput(library()->streamGetDeviceName(s), nullptr)) return false;

  std::size_t clip = first;  // the clip being written, and how much of it is out
  std::size_t clipSent = 0;
  std::size_t next = first;  // the next clip to announce
  pa_operation* drain = nullptr;
  bool drained = false;
  pa_usec_t heardAtDrain = 0;  // once drained, the stream clock stops: go by ours
  Clock::time_point drainedAt;
  const auto wakeBy = Clock::now() + kWakeTimeout;
  Position position(s);
  bool whole = false;
  while (ok()) {
    // Hand over the samples as fast as the server takes them, one clip after the other.
    for (std::size_t room = library()->streamWritableSize(s);
         clip < last && room > 0 && room != static_cast<std::size_t>(-1);) {
      const std::size_t n = std::min(room, bytesOf(clips[clip]) - clipSent);
      if (n > 0) {
        const auto* data = reinterpret_cast<const uint8_t*>(clips[clip]->samples.data());
        if (library()->streamWrite(s, data + clipSent, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) break;
        clipSent += n;
        room -= n;
      }
      if (clipSent == bytesOf(clips[clip])) ++clip, clipSent = 0;
    }
    if (clip == last && drain == nullptr) {
      drain = library()->streamDrain(s, nullptr, nullptr);
      if (drain == nullptr) break;
    }
    // The drain ends once the output has taken the last sample, which is heard only after
    // its latency: take fresh timing then and count the rest on our own clock.
    if (drain != nullptr && !drained &&
        library()->operationGetState(drain) != PA_OPERATION_RUNNING) {
      drained = library()->operationGetState(drain) == PA_OPERATION_DONE &&
                conn_->finish(library()->streamUpdateTimingInfo(s, nullptr, nullptr),
                              Clock::now() + kConnectTimeout) &&
                library()->streamGetTime(s, &heardAtDrain) == 0;
      if (!drained) break;
      drainedAt = Clock::now();
      if (!position.started) position.startedAt = drainedAt - microseconds(heardAtDrain);
      position.started = true;
    }
    position.poll();
    const pa_usec_t heard =
        drained ? heardAtDrain +
                      pa_usec_t(duration_cast<microseconds>(Clock::now() - drainedAt).count())
                : position.heard();
    while (next < last && startsAt[next - first] <= heard + kAnnounceLead) starting(next++);
    if (drained && heard >= length) {
      whole = true;
      break;
    }
    // The deadline runs from the moment the output really started.
    const auto deadline =
        position.started ? position.startedAt + microseconds(length) + kLatencyMargin : wakeBy;
    auto until = deadline;
    if (drained) {
      const pa_usec_t target = next < last ? startsAt[next - first] - kAnnounceLead : length;
      until = std::min(deadline, drainedAt + microseconds(target - heardAtDrain));
    }
    if (Clock::now() >= deadline) break;
    conn_->step(until);
  }
  if (drain != nullptr) {
    if (library()->operationGetState(drain) == PA_OPERATION_RUNNING)
      library()->operationCancel(drain);
    library()->operationUnref(drain);
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
  if (!conn.finish(library()->contextGetSinkInfoList(conn.context(), onSink, &count), deadline))
    return 0;
  return count;
}

}  // namespace pulse
