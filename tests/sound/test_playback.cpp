// Played through a private sound server (scripts/with-pulse): what its null sink
// received is recorded and the clips are looked for in the recording.
#include <QAction>
#include <QProcess>
#include <QWidget>
#include <chrono>

#include "game/clip.h"
#include "sound/clipdata.h"
#include "sound/soundclipplayer.h"
#include "soundcheck.h"

namespace {

double secondsOf(Clip clip) { return decodeClip(clipName(clip)).value().seconds(); }

// The numbers of the server's clients that call themselves `name`.
QStringList clientsNamed(const QString& name) {
  QProcess pactl;
  pactl.start("pactl", {"list", "clients"});
  pactl.waitForFinished();
  QStringList numbers;
  QString number;
  for (const QString& line : QString::fromUtf8(pactl.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("Client #")) number = line.mid(8);
    if (line.trimmed() == QString("application.name = \"%1\"").arg(name)) numbers << number;
  }
  return numbers;
}

}  // namespace

class SoundPlayback : public QObject {
  Q_OBJECT
 private slots:
  // The clips of a winning turn, each played on its own as the window plays them: heard in
  // order, whole and one after another.
  void clipsPlayedOneByOneAreHeardInOrderWholeAndApart() {
    const std::vector<Clip> clips{Clip::WAVHIT, Clip::WAVHIT, Clip::WAVHIT, Clip::CHANGE,
                                  Clip::WAVHIT, Clip::WAVHIT, Clip::WAVHIT, Clip::PLAYER,
                                  Clip::TWO,    Clip::WINS};
    SoundClipPlayer player;
    const auto rec = soundcheck::recordWhile([&] {
      for (Clip clip : clips) player.play(clip);
    });
    QVERIFY2(!rec.empty(), "no recording of the null sink");
    // Each clip found after the end of the one before is taken out of the recording;
    // nothing may be left: no clip cut short, none twice, none mixed with another.
    const soundcheck::Heard heard = soundcheck::takeOut(rec, clips);
    QCOMPARE(heard.starts.size(), clips.size());
    QVERIFY2(heard.leftover < 512, qPrintable(QString::number(heard.leftover)));
  }

  // A sequence is heard whole, in order and without a gap, and the caller learns when each
  // clip starts: the next screen shows while that clip plays, not all at once beforehand.
  void aSequenceIsHeardWithoutAGapAndEachClipAnnounced() {
    const std::vector<Clip> clips{Clip::PLAYER, Clip::TWO, Clip::WINS, Clip::BREAK, Clip::CHANGE};
    SoundClipPlayer player;
    std::vector<std::size_t> started;
    std::vector<std::chrono::steady_clock::time_point> at;
    const auto rec = soundcheck::recordWhile([&] {
      player.playSequence(clips, [&](std::size_t i) {
        started.push_back(i);
        at.push_back(std::chrono::steady_clock::now());
      });
      at.push_back(std::chrono::steady_clock::now());
    });
    QVERIFY2(!rec.empty(), "no recording of the null sink");
    QCOMPARE(started, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    for (std::size_t i = 0; i < clips.size(); ++i) {
      // From one announcement to the next (or to the return) goes most of the clip.
      const std::chrono::duration<double> between = at[i + 1] - at[i];
      QVERIFY2(between.count() > 0.5 * secondsOf(clips[i]), clipName(clips[i]).data());
    }
    const soundcheck::Heard heard = soundcheck::takeOut(rec, clips);
    QCOMPARE(heard.starts.size(), clips.size());
    QVERIFY2(heard.leftover < 512, qPrintable(QString::number(heard.leftover)));
    for (std::size_t i = 0; i + 1 < clips.size(); ++i)
      QVERIFY2(heard.gapMs(i) < 1.0,
               qPrintable(QString("after clip %1: %2 ms").arg(i).arg(heard.gapMs(i))));
  }

  // An output that takes time to start (here a sink held suspended for 1.5 s; a Bluetooth
  // headset waking up can take seconds) still plays every clip whole: the wait for the
  // end counts from when the output really starts.
  void aSlowOutputStillPlaysEveryClipWhole() {
    const QString sink = qEnvironmentVariable("PULSE_SINK");
    QCOMPARE(QProcess::execute("pactl", {"suspend-sink", sink, "1"}), 0);
    QVERIFY(QProcess::startDetached("sh", {"-c", "sleep 1.5; pactl suspend-sink \"$0\" 0", sink}));
    const std::vector<Clip> clips{Clip::WAVHIT, Clip::BREAK, Clip::CHANGE};
    SoundClipPlayer player;
    const auto start = std::chrono::steady_clock::now();
    const auto rec = soundcheck::recordWhile([&] { player.playSequence(clips, {}); });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double length = secondsOf(clips[0]) + secondsOf(clips[1]) + secondsOf(clips[2]);
    QVERIFY2(took.count() > 1.5 + length, qPrintable(QString::number(took.count())));
    // The sink's monitor wakes a moment after the sink, so the recording may lack the first
    // milliseconds of the first clip: the recording is judged from the second clip on.
    const std::vector<Clip> after(clips.begin() + 1, clips.end());
    const std::size_t second = decodeClip(clipName(clips[0])).value().frames() - 441;
    const soundcheck::Heard heard = soundcheck::takeOut(rec, after, second);
    QCOMPARE(heard.starts.size(), after.size());
    QVERIFY2(heard.leftover < 512, qPrintable(QString::number(heard.leftover)));
  }

  // The window plays through one clip player that keeps its connection to the server
  // from one clip to the next.
  void theWindowKeepsOneConnectionForItsClips() {
    const soundcheck::StartedWindow started;
    MainWindow& window = *started.window;
    QVERIFY(window.playClips);
    window.playClips({Clip::WAVHIT}, [](std::size_t) {});
    const QStringList connected = clientsNamed("Brindlemark");
    QCOMPARE(connected.size(), 1);
    window.playClips({Clip::CHALK}, [](std::size_t) {});
    QCOMPARE(clientsNamed("Brindlemark"), connected);
  }

  // The window is painted while a clip plays, showing the state of that moment.
  void theWindowIsPaintedDuringAClip() {
    CountingWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    SoundClipPlayer player;
    int paintsBefore = 0;
    player.beforeEachClip = [&] {
      paintsBefore = widget.paints;
      widget.update();
    };
    player.play(Clip::CHALK);
    QVERIFY(widget.paints > paintsBefore);
  }
};

QTEST_MAIN(SoundPlayback)
#include "test_playback.moc"
