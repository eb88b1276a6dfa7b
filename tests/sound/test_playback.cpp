// Played through a private sound server (scripts/with-pulse): what its null sink
// received is recorded and the clips are looked for in the recording.
#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>

#include "game/clip.h"
#include "sound/clipdata.h"
#include "sound/soundclipplayer.h"
#include "sound/speaker.h"
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
    window.playClips({Clip::WAVHIT}, {}, [](std::size_t) {});
    const QStringList connected = clientsNamed("Brindlemark");
    QCOMPARE(connected.size(), 1);
    window.playClips({Clip::CHALK}, {}, [](std::size_t) {});
    QCOMPARE(clientsNamed("Brindlemark"), connected);
  }

  // The caller's words are heard between the last dart's clip and "CHANGE": whole, in that
  // order, overlapping neither, and as the words they are (speech recognition hears them).
  void aCallIsHeardBetweenItsClips() {
    const std::string words = "one hundred and eighty";
    const std::vector<Clip> clips{Clip::WAVHIT, Clip::CALL, Clip::CHANGE};
    const std::optional<ClipSamples> call = speech::speak(words, 22050);
    QVERIFY2(call, "no voice: libflite1 is missing");
    SoundClipPlayer player;
    std::vector<std::chrono::steady_clock::time_point> at;
    const auto begun = std::chrono::steady_clock::now();
    const auto rec = soundcheck::recordWhile([&] {
      player.playSequence(clips,
                          [&](std::size_t) { at.push_back(std::chrono::steady_clock::now()); },
                          {"", words, ""});
    });
    QVERIFY2(!rec.empty(), "no recording of the null sink");
    QCOMPARE(at.size(), clips.size());
    const ClipSamples hit = decodeClip("WAVHIT").value();
    const ClipSamples change = decodeClip("CHANGE").value();
    const auto hitAt = soundcheck::locate(rec, hit.samples, 0);
    QVERIFY(hitAt);
    const auto callAt = soundcheck::locate(rec, call->samples, *hitAt + hit.frames());
    QVERIFY2(callAt, "the call is not in the recording after the dart's clip");
    const auto changeAt = soundcheck::locate(rec, change.samples, *callAt + call->frames());
    QVERIFY2(changeAt, "CHANGE is not in the recording after the call");
    // Taken out where they were found, nothing is left: none cut, none mixed with another.
    std::vector<int32_t> rest(rec.begin(), rec.end());
    for (const auto& [start, samples] :
         {std::pair{*hitAt, &hit.samples}, std::pair{*callAt, &call->samples},
          std::pair{*changeAt, &change.samples}}) {
      for (std::size_t i = 0; i < samples->size(); ++i) rest[start + i] -= (*samples)[i];
    }
    int32_t leftover = 0;
    for (int32_t r : rest) leftover = std::max(leftover, std::abs(r));
    QVERIFY2(leftover < 512, qPrintable(QString::number(leftover)));
    const double afterHitMs = double(*callAt - (*hitAt + hit.frames())) * 1000 / 22050;
    const double beforeChangeMs = double(*changeAt - (*callAt + call->frames())) * 1000 / 22050;
    qInfo(
        "call heard %.1f ms after the dart's clip ended, CHANGE %.1f ms after the call; "
        "the call announced %.0f ms after the sequence began",
        afterHitMs, beforeChangeMs,
        std::chrono::duration<double, std::milli>(at[1] - begun).count());
    QVERIFY2(afterHitMs < 150, qPrintable(QString::number(afterHitMs)));
    QVERIFY2(beforeChangeMs < 1, qPrintable(QString::number(beforeChangeMs)));

    // What was heard there, resampled for the recogniser, is the words.
    QTemporaryDir dir;
    const QString raw = dir.filePath("call.raw");
    QFile out(raw);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char*>(rec.data() + *callAt),
              static_cast<qint64>(call->frames() * sizeof(int16_t)));
    out.close();
    const QString wav = dir.filePath("call.wav");
    QCOMPARE(QProcess::execute("sox", {"-t", "raw", "-r", "22050", "-e", "signed", "-b", "16", "-c",
                                       "1", raw, "-r", "16000", wav}),
             0);
    QProcess recogniser;
    recogniser.start("pocketsphinx_continuous", {"-infile", wav, "-logfn", "/dev/null"});
    QVERIFY2(recogniser.waitForFinished(60000), "pocketsphinx_continuous did not run");
    QCOMPARE(recogniser.readAllStandardOutput().simplified(), QByteArray(words.c_str()));
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
