// Without a sound server the program works exactly as with one, only silently and
// without waiting for the clips.
#include <QTest>
#include <chrono>

#include "game/game.h"
#include "sound/wavresmod.h"

namespace {
double secondsOf(const std::function<void()>& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

class NoSoundServer : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    // A server address where nothing listens; no server may be started in its place.
    qputenv("PULSE_SERVER", "unix:/nonexistent/brindlemark/native");
    qputenv("PULSE_CLIENTCONFIG", "/dev/null");
  }

  void thereIsNoOutput() { QCOMPARE(waveOutGetNumDevs(), 0); }

  // Ten rounds of misses, then seat 1 needs 60 and throws three twenties: some fifteen
  // seconds of clips with a server; without one none of them holds the game up.
  void aWholeGamePlaysWithoutWaiting() {
    SoundClipPlayer player;
    int clips = 0;
    player.beforeEachClip = [&] { ++clips; };
    Game game(player);
    game.options = GameOptions{k301, 2, 0, true, true};
    game.reset_game();
    const double took = secondsOf([&] {
      for (int dart = 0; dart < 60; ++dart) game.boardClick(100, 100);  // a miss
      game.editScore(1, game.player(1).Score() - 60, false);
      for (int dart = 0; dart < 3; ++dart) game.boardClick(3600, 1600);  // single twenty
    });
    QVERIFY(!game.state().game_on);
    QCOMPARE(clips, 60 + 20 + 3 + 3);
    QVERIFY2(took < 0.2 * clips, qPrintable(QString::number(took)));
  }

  void everyClipReturnsAtOnce() {
    for (Clip clip : kAllClips) {
      const double took = secondsOf([&] { play_wavres(clipName(clip)); });
      QVERIFY2(took < 0.2, clipName(clip).data());
    }
  }
};

QTEST_MAIN(NoSoundServer)
#include "test_noserver.moc"
