// The private sound server (scripts/with-pulse) is killed in the middle of the longest
// clip (seven seconds): the clip ends there and the program goes on.
#include <QProcess>
#include <QTest>
#include <chrono>

#include "sound/soundclipplayer.h"

class ServerKilled : public QObject {
  Q_OBJECT
 private slots:
  void aClipEndsWhenTheServerGoesAway() {
    const qint64 server = qEnvironmentVariableIntValue("BRINDLEMARK_PULSE_PID");
    QVERIFY2(server > 0, "run under scripts/with-pulse");
    QCOMPARE(SoundClipPlayer::countOutputs(), 1);  // the null sink
    SoundClipPlayer player;
    const auto start = std::chrono::steady_clock::now();
    QVERIFY(QProcess::startDetached("sh", {"-c", "sleep 0.8; kill -9 $BRINDLEMARK_PULSE_PID"}));
    player.play(Clip::ONLYONE);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    QCOMPARE_GE(took.count(), 0.8);
    QCOMPARE_LT(took.count(), 2.8);
    // With the server gone the next clip and the count fail at once.
    const auto again = std::chrono::steady_clock::now();
    player.play(Clip::BREAK);
    QCOMPARE(SoundClipPlayer::countOutputs(), 0);
    QVERIFY(std::chrono::steady_clock::now() - again < std::chrono::milliseconds(500));
  }
};

QTEST_MAIN(ServerKilled)
#include "test_serverkilled.moc"
