// On a machine without sound hardware the sound server (scripts/with-pulse --dummy-output)
// offers only its dummy output. That is no device: "Sound On" is disabled and no clip
// holds the program up.
#include <QAction>
#include <chrono>

#include "sound/soundclipplayer.h"
#include "soundcheck.h"

class DummyOutput : public QObject {
  Q_OBJECT
 private slots:
  void theDummyOutputIsNoDevice() {
    QVERIFY2(qEnvironmentVariableIntValue("BRINDLEMARK_PULSE_PID") > 0,
             "run under scripts/with-pulse --dummy-output");
    QCOMPARE(SoundClipPlayer::countOutputs(), 0);
    const soundcheck::StartedWindow started;
    QVERIFY(!started.window->findChild<QAction*>("mnusound")->isEnabled());
    QVERIFY(!started.window->playClips);
  }

  // Asked to play all the same, the player returns at once: the longest clip alone lasts
  // seven seconds.
  void noClipWaitsForTheDummyOutput() {
    SoundClipPlayer player;
    std::vector<std::size_t> announced;
    const auto start = std::chrono::steady_clock::now();
    player.playSequence({Clip::ONLYONE, Clip::WINS},
                        [&](std::size_t i) { announced.push_back(i); });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    QVERIFY2(took.count() < 1.0, qPrintable(QString::number(took.count())));
    QCOMPARE(announced, (std::vector<std::size_t>{0, 1}));
  }
};

QTEST_MAIN(DummyOutput)
#include "test_dummy.moc"
