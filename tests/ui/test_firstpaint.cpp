// Start-up in two steps: the window is shown at once, and what its first picture does not
// need (the sound device, the preferences, the journal) follows right after that picture;
// the sound server is asked meanwhile, and the font configuration read before, each on a
// thread of its own.

#include <QFontDatabase>
#include <QtTest>
#include <chrono>
#include <future>
#include <thread>

#include "ui/firstpaint.h"
#include "ui/fontwarmup.h"
#include "windowsetup.h"

class TestFirstPaint : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;

 private slots:
  void init() { home_ = std::make_unique<PrivateHome>(); }

  // Called once, after the first paint has been done, and never again.
  void runsOnceAfterTheFirstPaint() {
    CountingWidget widget;
    int calls = 0, paintsSeen = -1;
    afterFirstPaint(&widget, [&] { ++calls, paintsSeen = widget.paints; });
    widget.show();
    QCOMPARE(calls, 0);
    QTRY_COMPARE(calls, 1);
    QCOMPARE(paintsSeen, 1);
    widget.repaint();
    QCoreApplication::processEvents();
    QCOMPARE(widget.paints, 2);
    QCOMPARE(calls, 1);
  }

  // The fonts are read on a thread of their own; whether or not the application asks for
  // the font database too, waiting for it, or leaving without waiting, never holds the
  // program.
  void readingTheFontsAheadNeverHoldsTheProgram() {
    { FontWarmUp untouched; }
    FontWarmUp configurationOnly;
    configurationOnly.wait();
    FontWarmUp database;
    database.fillFontDatabase();
    database.fillFontDatabase();
    database.wait();
    database.wait();
    QVERIFY(!QFontDatabase::families().isEmpty());
  }

  void notRunForAWidgetDestroyedUnpainted() {
    int calls = 0;
    auto* widget = new QWidget;
    afterFirstPaint(widget, [&] { ++calls; });
    delete widget;
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
  }

  // The window is shown without waiting for the sound server; its answer is taken after
  // the first paint and decides the sound, as it did when asked first.
  void theSoundServerIsAskedWhileTheWindowIsShown() {
    std::promise<void> answer;
    std::shared_future<void> answered = answer.get_future().share();
    std::thread::id askedOn;
    MainWindow w;
    w.showSplash = nullptr;
    w.playClips = [](auto&, auto&, auto&) {};
    w.countAudioOutputs = [&] {
      askedOn = std::this_thread::get_id();
      answered.wait_for(std::chrono::seconds(10));
      return 1;
    };
    w.showAtStart();
    QVERIFY(w.isVisible());
    QVERIFY(!w.game().soundAvailable);
    answer.set_value();
    w.finishStart();
    QVERIFY(askedOn != std::this_thread::get_id());
    QVERIFY(w.game().soundAvailable);
    QVERIFY(w.game().soundOn);
  }
};

QTEST_MAIN(TestFirstPaint)
#include "test_firstpaint.moc"
