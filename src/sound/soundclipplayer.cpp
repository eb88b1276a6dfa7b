#include "sound/soundclipplayer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "sound/clipdata.h"
#include "sound/pulseoutput.h"
#include "sound/speaker.h"

namespace {

using namespace std::chrono_literals;

// Waiting for a server that does not answer when counting the outputs.
constexpr auto kCountTimeout = 1500ms;

// The rate of a call heard without clips around it; with them it takes theirs.
constexpr int kCallRate = 22050;

// Only one sequence sounds at a time, even if one is asked for while another plays.
std::mutex& playing() {
  static std::mutex m;
  return m;
}

bool onEventThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app != nullptr && app->thread() == QThread::currentThread();
}

}  // namespace

SoundClipPlayer::SoundClipPlayer() : output_(std::make_unique<pulse::Output>()) {}

SoundClipPlayer::~SoundClipPlayer() = default;

void SoundClipPlayer::play(Clip clip) {
  playSequence({clip}, [this](std::size_t) {
    if (beforeEachClip) beforeEachClip();
  });
}

void SoundClipPlayer::playSequence(const std::vector<Clip>& clips,
                                   const std::function<void(std::size_t)>& onClipStart,
                                   const std::vector<std::string>& calls) {
  std::vector<std::optional<ClipSamples>> decoded(clips.size());
  std::vector<const ClipSamples*> samples(clips.size(), nullptr);
  int rate = kCallRate;
  std::size_t firstCall = clips.size();
  for (std::size_t i = 0; i < clips.size(); ++i) {
    if (clips[i] == Clip::CALL) {
      firstCall = std::min(firstCall, i);
      continue;
    }
    decoded[i] = decodeClip(clipName(clips[i]));
    if (decoded[i]) {
      samples[i] = &*decoded[i];
      rate = decoded[i]->rate;  // the calls join the clips' stream at their rate
    }
  }
  // The calls are spoken while the clips before them play.
  std::vector<std::future<std::optional<ClipSamples>>> spoken(clips.size());
  for (std::size_t i = firstCall; i < clips.size(); ++i) {
    if (clips[i] != Clip::CALL) continue;
    const std::string words = i < calls.size() ? calls[i] : std::string();
    try {
      spoken[i] =
          std::async(std::launch::async, [words, rate] { return speech::speak(words, rate); });
    } catch (const std::system_error&) {
      spoken[i] =
          std::async(std::launch::deferred, [words, rate] { return speech::speak(words, rate); });
    }
  }
  const auto announce = [&onClipStart](std::size_t i) {
    if (onClipStart) onClipStart(i);
  };
  // The clips from..to on one stream, their starts counted from the whole sequence.
  const auto playPart = [&](std::size_t from, std::size_t to,
                            const std::function<void(std::size_t)>& starting) {
    const std::vector<const ClipSamples*> part(samples.begin() + static_cast<long>(from),
                                               samples.begin() + static_cast<long>(to));
    return output_->play(part, [&](std::size_t i) { starting(from + i); });
  };
  const auto playAll = [&](const std::function<void(std::size_t)>& starting) {
    const bool whole = playPart(0, firstCall, starting);
    if (firstCall == clips.size()) return;
    for (std::size_t i = firstCall; i < clips.size(); ++i) {
      if (!spoken[i].valid()) continue;
      decoded[i] = spoken[i].get();
      if (decoded[i]) samples[i] = &*decoded[i];
    }
    if (whole) playPart(firstCall, clips.size(), starting);
  };

  std::size_t announced = 0;
  if (!onEventThread()) {
    // Without an event loop there is nothing to keep painted: play right here.
    const std::lock_guard lock(playing());
    playAll([&](std::size_t i) {
      announce(i);
      announced = i + 1;
    });
  } else {
    // The clips play on a helper thread while this thread serves paint and expose events
    // but no input; each announcement is handed back to this thread as its clip comes.
    QEventLoop loop;
    std::atomic<std::size_t> posted{0};
    const auto work = [&] {
      {
        const std::lock_guard lock(playing());
        playAll([&](std::size_t i) {
          QMetaObject::invokeMethod(
              &loop, [&announce, i] { announce(i); }, Qt::QueuedConnection);
          posted = i + 1;
        });
      }
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    };
    try {
      std::thread worker(work);
      loop.exec(QEventLoop::ExcludeUserInputEvents);
      worker.join();
      announced = posted;
    } catch (const std::system_error&) {
      // No thread to play on: the clips are lost, the game goes on.
    }
  }
  // Clips not reached (no server, no output, a failure) are announced all the same.
  for (; announced < clips.size(); ++announced) announce(announced);
  // A call not reached is not waited for beyond its speaking.
  for (auto& call : spoken) {
    if (call.valid()) call.wait();
  }
}

int SoundClipPlayer::countOutputs() {
  return pulse::Output::countOutputs(pulse::Clock::now() + kCountTimeout);
}
