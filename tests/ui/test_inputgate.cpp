// Input that arrives while a clip plays waits for the clip and is then applied in its
// order, whatever its source: a screen reader's press on a button, a key, a menu command.
// The clips here take their time as real ones do: each waits in an event loop that lets
// timers and accessibility requests through but holds back the user's input events.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "windowsetup.h"

namespace {

constexpr int kClipMs = 300;  // long enough for a press's 100 ms animation to end inside

void press(QWidget* button) {
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(button);
  QVERIFY(node);
  QVERIFY(node->actionInterface());
  node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class TestInputGate : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  std::unique_ptr<MainWindow> w_;
  // Per clip: "CLIP:the player on the status bar:the seat whose name is green" as it
  // starts, then as it ends ">t" the seat to throw and "m" the marks on 20 and 19 so far.
  QStringList heard_;
  QStringList said_;
  std::function<void()> duringFirstClip_;

  QString panel(int n) { return w_->findChild<QLabel*>(QString("StatusBar1_%1").arg(n))->text(); }
  QWidget* button(int n) { return w_->findChild<QPushButton*>(QString("CmdHit_%1").arg(n)); }
  QString greenSeat() {
    for (int seat = 1; seat <= 4; ++seat) {
      auto* name = w_->findChild<QLabel*>(QString("lblplayer_%1").arg(seat));
      if (name->isVisible() && name->palette().color(QPalette::WindowText) == QColor(0, 255, 0))
        return QString::number(seat);
    }
    return "-";
  }
  // What the players see and hear while a clip plays, and the clip's own length.
  void slowClip(const QString& name) {
    const qsizetype entry = heard_.size();
    heard_ << name + ":" + panel(2) + ":" + greenSeat();
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
    said_.clear();
    w_ = std::make_unique<MainWindow>();
    w_->countAudioOutputs = [] { return 1; };
    w_->showSplash = nullptr;
    w_->playClips = [this](const std::vector<Clip>& clips, const auto& onClipStart) {
      for (std::size_t i = 0; i < clips.size(); ++i) {
        onClipStart(i);
        slowClip(QString::fromLatin1(clipName(clips[i])));
      }
    };
    w_->tellOk = [this](auto text, auto) { said_ << text; };
    w_->askYesNo = [](auto, auto) { return false; };  // no earlier game is continued
    w_->start();
    beginGame(*w_, {.gameType = kCricket, .playerCount = 2, .useBoard = false});
  }

  // Player 1 presses "20"; while its chalk plays, more input arrives from one source.
  void inputDuringAClipWaitsForIt_data() {
    QTest::addColumn<std::function<void(TestInputGate*)>>("arrive");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<QList<int>>("marked");  // player 1 on 20, player 2 on 19, after all
    const QStringList passed{"CHALK:Player 1:1>t1m1", "CHANGE:Player 2:2>t2m1",
                             "CHALK:Player 2:2>t2m2"};
    QTest::newRow("screen reader presses next player and 19")
        << std::function([](TestInputGate* t) {
             press(t->button(0));
             press(t->button(2));
           })
        << passed << QList<int>{1, 1};
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
    press(button(1));
    QTRY_COMPARE_WITH_TIMEOUT(heard_, heard, 5000);
    QTest::qWait(2 * kClipMs);  // nothing more comes
    QCOMPARE(heard_, heard);
    QCOMPARE((QList<int>{marks(1, 20), marks(2, 19)}), marked);
    QCOMPARE(marks(1, 19) + marks(2, 20), 0);
    QCOMPARE(said_, QStringList());  // the undo never ran before the mark it takes back
  }

  // After presses that overlapped a clip, the undo takes back the latest entry: player
  // 2's 19, not player 1's 20.
  void undoAfterOverlappingPressesTakesBackTheLatest() {
    press(button(1));
    press(button(0));
    press(button(2));
    QTRY_COMPARE_WITH_TIMEOUT(heard_.size(), 3, 5000);
    w_->undoLatestEntry();
    QCOMPARE((QList<int>{marks(1, 20), marks(2, 19), marks(2, 20)}), (QList<int>{1, 0, 0}));
    QCOMPARE(panel(2), QString("Player 2"));
    QCOMPARE(said_, QStringList());
  }
};

QTEST_MAIN(TestInputGate)
#include "test_inputgate.moc"
