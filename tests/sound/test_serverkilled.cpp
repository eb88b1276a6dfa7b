// The private sound server (scripts/with-pulse) is killed in the middle of the longest
// clip: the clip ends there and the program goes on.
#include <QTest>
#include <chrono>
#include <csignal>
#include <thread>

#include "sound/clipdata.h"
#include "sound/wavresmod.h"

class ServerKilled : public QObject {
  Q_OBJECT
 private slots:
  void aClipEndsWhenTheServerGoesAway() {
    const pid_t server = qEnvironmentVariableIntValue("BRINDLEMARK_PULSE_PID");
    QVERIFY2(server > 0, "run under scripts/with-pulse");
    const auto clip = decodeClip("ONLYONE");
    QVERIFY(clip.has_value());

    constexpr auto kKillAfter = std::chrono::milliseconds(800);
    std::thread killer([server, kKillAfter] {
      std::this_thread::sleep_for(kKillAfter);
      ::kill(server, SIGKILL);
    });
    const auto start = std::chrono::steady_clock::now();
    play_wavres("ONLYONE");
    const auto took = std::chrono::steady_clock::now() - start;
    killer.join();
    // Far less than the seven seconds of the clip.
    QVERIFY(took >= kKillAfter);
    QVERIFY2(took < kKillAfter + std::chrono::seconds(2),
             qPrintable(QString::number(std::chrono::duration<double>(took).count())));
    // With the server gone the next clip and the count fail at once.
    QCOMPARE(waveOutGetNumDevs(), 0);
    const auto again = std::chrono::steady_clock::now();
    play_wavres("BREAK");
    QVERIFY(std::chrono::steady_clock::now() - again < std::chrono::milliseconds(500));
  }
};

QTEST_MAIN(ServerKilled)
#include "test_serverkilled.moc"
