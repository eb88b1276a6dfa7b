#include "sound/wavresmod.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <chrono>
#include <mutex>
#include <thread>

#include "sound/clipdata.h"
#include "sound/pulseout.h"

namespace {

using namespace std::chrono_literals;

// Time allowed beyond the clip's own length for connecting and for the server's
// latency; a server that stops answering costs no more than this.
constexpr auto kMargin = 400ms;
// Waiting for a server that does not answer when counting the outputs.
constexpr auto kCountTimeout = 1500ms;

// Only one clip sounds at a time, even if a clip is asked for while another plays.
std::mutex& playing() {
  static std::mutex m;
  return m;
}

void playNow(const ClipSamples& clip) {
  const std::lock_guard lock(playing());
  const auto length = std::chrono::duration_cast<pulseout::Clock::duration>(
      std::chrono::duration<double>(clip.seconds()));
  pulseout::playToEnd(clip, pulseout::Clock::now() + length + kMargin);
}

}  // namespace

void playClipResource(std::string_view name) {
  const std::optional<ClipSamples> clip = decodeClip(name);
  if (!clip) return;

  // Without an event loop there is nothing to keep painted: just wait.
  if (QCoreApplication::instance() == nullptr ||
      QCoreApplication::instance()->thread() != QThread::currentThread()) {
    playNow(*clip);
    return;
  }

  // The clip plays on a helper thread while this thread serves paint and expose
  // events but no input; input given meanwhile stays queued and is handled in its
  // order once the clip has ended.
  QEventLoop loop;
  std::thread worker([&clip, &loop] {
    playNow(*clip);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
}

int audioOutputCount() { return pulseout::countOutputs(pulseout::Clock::now() + kCountTimeout); }

void SoundClipPlayer::play(Clip clip) {
  if (beforeEachClip) beforeEachClip();
  playClipResource(clipName(clip));
}

void SoundClipPlayer::playSequence(const std::vector<Clip>& clips,
                                   const std::function<void(std::size_t)>& onClipStart) {
  for (std::size_t i = 0; i < clips.size(); ++i) {
    if (onClipStart) onClipStart(i);
    playClipResource(clipName(clips[i]));
  }
}
