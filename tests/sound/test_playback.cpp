// Played through a private sound server (scripts/with-pulse): what its null sink
// received is recorded and the clips are looked for in the recording.
#include <QWidget>

#include "game/game.h"
#include "sound/clipdata.h"
#include "sound/wavresmod.h"
#include "soundcheck.h"

class SoundPlayback : public QObject {
  Q_OBJECT
 private slots:
  // Seat 1 throws three misses (a corner of the board picture), play passes to seat 2,
  // who needs 60 and throws three single twenties: the winning turn.
  void aWinningTurnIsHeardInOrderWholeAndOneAfterAnother() {
    SoundClipPlayer player;
    Game game(player);
    std::vector<int> throwing;  // the seat marked as throwing when each clip starts (0: none)
    player.beforeEachClip = [&] {
      throwing.push_back(0);
      for (int seat = 1; seat <= kSeats; ++seat)
        if (game.state().green[std::size_t(seat)]) throwing.back() = seat;
    };
    game.options = GameOptions{k301, 2, 0, true, true};
    game.reset_game();
    game.editScore(2, 301 - 60, false);
    const auto rec = soundcheck::recordWhile([&] {
      for (int dart = 0; dart < 3; ++dart) game.boardClick(100, 100);
      for (int dart = 0; dart < 3; ++dart) game.boardClick(3600, 1600);
    });
    QVERIFY2(!rec.empty(), "no recording of the null sink");
    const std::vector<std::string> expected{"WAVHIT", "WAVHIT", "WAVHIT", "CHANGE", "WAVHIT",
                                            "WAVHIT", "WAVHIT", "PLAYER", "TWO",    "WINS"};
    // The next player is already shown while "CHANGE" plays.
    QCOMPARE(throwing, (std::vector<int>{1, 1, 1, 2, 2, 2, 2, 0, 0, 0}));
    // Each clip found after the end of the one before is taken out of the recording;
    // nothing may be left: no clip cut short, none twice, none mixed with another.
    std::vector<int32_t> rest(rec.begin(), rec.end());
    std::size_t from = 0;
    for (const std::string& name : expected) {
      const auto clip = decodeClip(name);
      const auto start = soundcheck::locate(rec, clip.value().samples, from);
      QVERIFY2(start.has_value(), name.c_str());
      for (std::size_t i = 0; i < clip->samples.size(); ++i) rest[*start + i] -= clip->samples[i];
      from = *start + clip->frames();
    }
    const auto quieter = [](int32_t a, int32_t b) { return std::abs(a) < std::abs(b); };
    const auto left = std::max_element(rest.begin(), rest.end(), quieter);
    QVERIFY2(std::abs(*left) < 512, qPrintable(QString::number(*left)));
  }

  // The window is painted while a clip plays, showing the state of that moment.
  void theWindowIsPaintedDuringAClip() {
    struct Counting : QWidget {
      int paints = 0;
      void paintEvent(QPaintEvent*) override { ++paints; }
    } widget;
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
