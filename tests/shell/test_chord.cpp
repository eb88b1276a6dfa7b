// Ctrl+Shift+B opens the hidden picture window from anywhere in the window, and only that.
#include <QPushButton>
#include <QTest>

#include "shell/chord.h"

class TestChord : public QObject {
  Q_OBJECT
 private slots:
  void onlyExactlyCtrlShiftBOpens() {
    QWidget window;
    QWidget* focus[] = {new QPushButton("20", &window), new QPushButton("next", &window), &window};
    int opened = 0;
    installPictureChord(&window, [&] { ++opened; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const char* keys : {"Ctrl+Shift+B", "B", "Shift+B", "Ctrl+B", "Ctrl+Shift+Alt+B",
                             "Meta+Ctrl+Shift+B", "Ctrl+Shift+V"}) {
      for (QWidget* w : focus) {  // whichever control has the focus, and the window itself
        w->setFocus();
        QTest::keySequence(w, QKeySequence(keys));
      }
      QVERIFY2(opened == 3, keys);  // three by the first chord, none by any other
    }
  }
};

QTEST_MAIN(TestChord)
#include "test_chord.moc"
