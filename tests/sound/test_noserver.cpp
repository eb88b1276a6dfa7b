// Without a sound server the clip player works exactly as with one, only silently and
// without waiting for the clips.
#include <dlfcn.h>
#include <pthread.h>

#include <QTest>
#include <atomic>
#include <cerrno>
#include <chrono>

#include "game/clip.h"
#include "sound/soundclipplayer.h"

namespace {
std::atomic<bool> refuseThreads{false};
}

// Every thread the process starts is created here first: while refuseThreads is set, the
// system refuses it as it does when a process has run out of threads or memory.
extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attr, void* (*start)(void*),
                              void* arg) noexcept {
  if (refuseThreads) return EAGAIN;
  using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
  static const auto kSystemCreate = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
  return kSystemCreate(thread, attr, start, arg);
}

class NoSoundServer : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    // A server address where nothing listens; no server may be started in its place.
    qputenv("PULSE_SERVER", "unix:/nonexistent/brindlemark/native");
    qputenv("PULSE_CLIENTCONFIG", "/dev/null");
  }

  // No output; every clip five times one by one (some forty seconds with a server), and
  // once more as one sequence: none holds us up.
  void everyClipReturnsAtOnce() {
    QCOMPARE(SoundClipPlayer::countOutputs(), 0);
    SoundClipPlayer player;
    int clips = 0;
    player.beforeEachClip = [&] { ++clips; };
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 5; ++round)
      for (Clip clip : kAllClips) player.play(clip);
    std::vector<std::size_t> announced;
    player.playSequence({kAllClips.begin(), kAllClips.end()},
                        [&](std::size_t i) { announced.push_back(i); });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    QCOMPARE(clips, 5 * 13);                      // a sequence announces its clips instead
    QCOMPARE(announced.size(), std::size_t{13});  // every clip there is
    for (std::size_t i = 0; i < announced.size(); ++i) QCOMPARE(announced[i], i);
    QVERIFY2(took.count() < 0.05 * (clips + 13), qPrintable(QString::number(took.count())));
  }

  // A playback thread that cannot be started costs the clips, never the program: the
  // sequence is still announced in order and the next one plays as usual.
  void aThreadThatCannotStartCostsOnlyTheClips() {
    SoundClipPlayer player;
    std::vector<std::size_t> announced;
    refuseThreads = true;
    player.playSequence({Clip::PLAYER, Clip::ONE, Clip::WINS},
                        [&](std::size_t i) { announced.push_back(i); });
    refuseThreads = false;
    QCOMPARE(announced, (std::vector<std::size_t>{0, 1, 2}));
    int before = 0;
    player.beforeEachClip = [&] { ++before; };
    player.play(Clip::CHALK);
    QCOMPARE(before, 1);
  }
};

QTEST_MAIN(NoSoundServer)
#include "test_noserver.moc"
