// The caller in the window: "&Caller" in the Options menu, off until turned on (and then
// written), and the words of each call handed to the clip player in their place.

#include <QAction>
#include <QFile>
#include <QtTest>

#include "windowsetup.h"

class TestCallerMenu : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  Said said_;
  std::unique_ptr<MainWindow> w_;
  QStringList played_;  // each clip heard, a call by its words

  QByteArray stored() { return home_->stored("Caller"); }
  QAction* item() { return w_->findChild<QAction*>("mnucaller"); }
  void turn() {
    for (int d = 0; d < 3; ++d) clickBoard(*w_, bedPixel(0, 1375));  // three treble 20s
  }

 private slots:
  void init() {
    home_ = std::make_unique<PrivateHome>();
    played_.clear();
    w_ = startWindow(said_, 1, [this](MainWindow& w) {
      w.playClips = [this](const std::vector<Clip>& clips, const std::vector<std::string>& calls,
                           const auto&) {
        for (std::size_t i = 0; i < clips.size(); ++i)
          played_ << (clips[i] == Clip::CALL ? QString::fromStdString(calls[i])
                                             : QString::fromLatin1(clipName(clips[i]).data()));
      };
    });
  }
  void cleanup() { w_.reset(); }

  void offUntilTurnedOnThenCalled() {
    QCOMPARE(item()->text(), QString("&Caller"));
    QVERIFY(item()->isCheckable());
    QVERIFY(!item()->isChecked());
    QCOMPARE(stored(), QByteArray("<no key>"));
    beginGame(*w_, {.gameType = k501, .playerCount = 2});
    played_.clear();
    turn();
    QCOMPARE(played_.join(' '), QString("WAVHIT WAVHIT WAVHIT CHANGE"));
    item()->trigger();
    QVERIFY(item()->isChecked());
    QCOMPARE(stored(), QByteArray("True"));
    played_.clear();
    turn();
    QCOMPARE(played_.join(' '), QString("WAVHIT WAVHIT WAVHIT one hundred and eighty CHANGE"));
    // Read back at the next start.
    w_.reset();
    w_ = startWindow(said_, 1);
    QVERIFY(item()->isChecked());
    QVERIFY(w_->game().callerOn);
  }
};

QTEST_MAIN(TestCallerMenu)
#include "test_callermenu.moc"
