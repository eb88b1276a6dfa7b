#include "sound/soundclipplayer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "sound/clipdata.h"
#include "sound/pulseoutput.h"

namespace {

using namespace std::chrono_literals;

// Waiting for a server that does not answer when counting the outputs.
constexpr auto kCountTimeout = 1500ms;

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
                                   const std::function<void(std::size_t)>& onClipStart) {
  std::vector<std::optional<ClipSamples>> decoded;
  std::vector<const ClipSamples*> samples;
  decoded.reserve(clips.size());
  for (Clip clip : clips) {
    decoded.push_back(decodeClip(clipName(clip)));
    samples.push_back(decoded.back() ? &*decoded.back() : nullptr);
  }
  const auto announce = [&onClipStart](std::size_t i) {
    if (onClipStart) onClipStart(i);
  };

  std::size_t announced = 0;
  if (!onEventThread()) {
    // Without an event loop there is nothing to keep painted: play right here.
    const std::lock_guard lock(playing());
    output_->play(samples, [&](std::size_t i) {
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
        output_->play(samples, [&](std::size_t i) {
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
}

int SoundClipPlayer::countOutputs() {
  return pulse::Output::countOutputs(pulse::Clock::now() + kCountTimeout);
}
