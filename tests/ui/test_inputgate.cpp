// Input that arrives while a clip plays waits for the clip and is then applied in its
// order: a key, a menu command. (Presses on the buttons by the pointer and by a screen
// reader, and an undo after them, are the end-to-end test's, with real clips.) The clips
// here take their time as real ones do: each waits in an event loop that lets timers
// through but holds back the user's input events.

#include <QAction>
#include <QtTest>

#include "windowsetup.h"

constexpr int kClipMs = 300;

class TestInputGate : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  Said said_{false};  // no earlier game is continued
  std::unique_ptr<MainWindow> w_;
  // Per clip: "CLIP:the player on the status bar:the seat whose name is green" as it
  // starts, then as it ends ">t" the seat to throw and "m" the marks on 20 and 19 so far.
  QStringList heard_;
  std::function<void()> duringFirstClip_;

  QString greenSeat() {
    for (int seat = 1; seat <= 4; ++seat) {
      QLabel* name = label(*w_, QString("lblplayer_%1").arg(seat));
      if (name->isVisible() && name->palette().color(QPalette::WindowText) == QColor(0, 255, 0))
        return QString::number(seat);
    }
    return "-";
  }
  // What the players see and hear while a clip plays, and the clip's own length.
  void slowClip(const QString& name) {
    const qsizetype entry = heard_.size();
    heard_ << name + ":" + panel(*w_, 2) + ":" + greenSeat();
    if (auto arriving = std::exchange(duringFirstClip_, nullptr)) QTimer::singleShot(10, arriving);
    QEventLoop clip;
    QTimer::singleShot(kClipMs, &clip, &QEventLoop::quit);
    clip.exec(QEventLoop::ExcludeUserInputEvents);
    heard_[entry] +=
        QString(">t%1m%2").arg(w_->game().state().thrower).arg(marks(1, 20) + marks(2, 19));
  }
  int marks(int seat, int number) { return w_->game().player(seat).marks(int16_t(number)); }

 private slots:
  void init() {
    w_.reset();
    home_ = std::make_unique<PrivateHome>();
    heard_.clear();
    said_.lines.clear();
    w_ = startWindow(said_, 1);
    w_->playClips = [this](const std::vector<Clip>& clips, auto&, const auto& onClipStart) {
      for (std::size_t i = 0; i < clips.size(); ++i) {
        onClipStart(i);
        slowClip(QString::fromLatin1(clipName(clips[i])));
      }
    };
    beginGame(*w_, {.gameType = kCricket, .playerCount = 2, .useBoard = false});
  }

  // Player 1 presses "20"; while its chalk plays, more input arrives from one source.
  void inputDuringAClipWaitsForIt_data() {
    QTest::addColumn<std::function<void(TestInputGate*)>>("arrive");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<QList<int>>("marked");  // player 1 on 20, player 2 on 19, after all
    const QStringList passed{"CHALK:Player 1:1>t1m1", "CHANGE:Player 2:2>t2m1",
                             "CHALK:Player 2:2>t2m2"};
    QTest::newRow("keys for next player and 19") << std::function([](TestInputGate* t) {
      QTest::keyClick(t->w_.get(), '+');
      QTest::keyClick(t->w_.get(), '9');
    }) << passed << QList<int>{1, 1};
    QTest::newRow("undo from the menu")
        << std::function([](TestInputGate* t) { t->w_->findChild<QAction*>("mnuundo")->trigger(); })
        << QStringList{"CHALK:Player 1:1>t1m1"} << QList<int>{0, 0};
  }
  void inputDuringAClipWaitsForIt() {
    QFETCH(std::function<void(TestInputGate*)>, arrive);
    QFETCH(QStringList, heard);
    QFETCH(QList<int>, marked);
    duringFirstClip_ = [this, arrive] { arrive(this); };
    hitButton(*w_, 1)->click();
    QTRY_COMPARE_WITH_TIMEOUT(heard_, heard, 5000);
    QTest::qWait(2 * kClipMs);  // nothing more comes
    QCOMPARE(heard_, heard);
    QCOMPARE((QList<int>{marks(1, 20), marks(2, 19)}), marked);
    QCOMPARE(marks(1, 19) + marks(2, 20), 0);
    QCOMPARE(said_.lines, QStringList());  // the undo never ran before the mark it takes back
  }
};

QTEST_MAIN(TestInputGate)
#include "test_inputgate.moc"
