// Played through a private sound server (scripts/with-pulse): what its null sink
// received is recorded and the clips are looked for in the recording.
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "game/game.h"
#include "sound/clipdata.h"
#include "sound/wavresmod.h"
#include "soundcheck.h"

namespace {

constexpr float kOffBoard = 100;  // a corner of the picture, outside the doubles ring
constexpr float kCentre = 3600;
constexpr float kSingleTwenty = 1600;  // straight above the centre, between the rings

std::vector<int16_t> recordWhile(const std::function<void()>& action) {
  MonitorRecorder rec;
  if (!rec.start()) return {};
  QTest::qWait(150);
  action();
  QTest::qWait(300);
  return rec.stop();
}

}  // namespace

class SoundPlayback : public QObject {
  Q_OBJECT
 private slots:
  void countsTheNullSink() { QCOMPARE(waveOutGetNumDevs(), 1); }

  // Seat 1 throws three misses, play passes to seat 2, who needs 60 and throws three
  // single twenties: the winning turn.
  void aWinningTurnIsHeardInOrderWholeAndOneAfterAnother() {
    SoundClipPlayer player;
    int updates = 0;
    std::vector<int> throwing;  // the seat marked as throwing when each clip starts
    Game game(player);
    player.beforeEachClip = [&] {
      ++updates;
      for (int seat = 1; seat <= kSeats; ++seat)
        if (game.state().green[static_cast<std::size_t>(seat)]) throwing.push_back(seat);
    };
    game.options = GameOptions{k301, 2, 0, true, true};
    game.reset_game();
    game.editScore(2, 301 - 60, false);
    QCOMPARE(game.player(2).Score(), int16_t{60});

    const auto rec = recordWhile([&] {
      for (int dart = 0; dart < 3; ++dart) game.boardClick(kOffBoard, kOffBoard);
      for (int dart = 0; dart < 3; ++dart) game.boardClick(kCentre, kSingleTwenty);
    });
    QVERIFY(!game.state().game_on);
    QVERIFY2(!rec.empty(), "no recording of the null sink");

    const std::vector<std::string> expected = {"WAVHIT", "WAVHIT", "WAVHIT", "CHANGE", "WAVHIT",
                                               "WAVHIT", "WAVHIT", "PLAYER", "TWO",    "WINS"};
    QCOMPARE(updates, int(expected.size()));
    QCOMPARE(throwing.at(3), 2);  // the next player is already shown while "CHANGE" plays

    std::vector<int32_t> rest(rec.begin(), rec.end());
    std::size_t from = 0;
    for (const std::string& name : expected) {
      const auto clip = decodeClip(name);
      QVERIFY(clip.has_value());
      const auto found = soundcheck::locate(rec, *clip, from);
      QVERIFY2(found.has_value(), name.c_str());
      // Whole and alone: the recording holds the clip sample for sample, no part of it
      // missing and nothing else mixed in (the server may touch the first few samples).
      const QString where = QStringLiteral("%1 at %2: mismatch %3, last off %4 of %5")
                                .arg(QString::fromStdString(name))
                                .arg(found->start)
                                .arg(found->mismatch)
                                .arg(found->lastOff)
                                .arg(clip->samples.size());
      QVERIFY2(found->mismatch < 1e-3, qPrintable(where));
      QVERIFY2(found->lastOff < 64, qPrintable(where));
      for (std::size_t i = 0; i < clip->samples.size(); ++i) rest[found->start + i] -= clip->samples[i];
      from = found->start + clip->frames();  // the next clip may not start before this one ended
    }
    // Nothing else was heard: no "CHANGE" after the win, no clip twice.
    int32_t loudest = 0;
    for (int32_t v : rest) loudest = std::max(loudest, std::abs(v));
    QVERIFY2(loudest < 512, qPrintable(QStringLiteral("left over: %1").arg(loudest)));
  }

  // The window is painted while a clip plays; the state shown is the one of that moment.
  void theWindowIsPaintedDuringAClip() {
    struct Counting : QWidget {
      int paints = 0;
      void paintEvent(QPaintEvent*) override { ++paints; }
    } widget;
    widget.resize(100, 100);
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
