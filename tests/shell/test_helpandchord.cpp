// The help window: a missing or unreadable document opens nothing and says nothing; the
// embedded one opens. Ctrl+Shift+B opens the hidden picture window from anywhere in the
// window, and only that.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "shell/chord.h"
#include "shell/help.h"

static QStringList messages;
static void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

static QWidget* visibleHelp() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmhelp" && w->isVisible()) return w;
  return nullptr;
}

class TestHelpAndChord : public QObject {
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

  void noDocumentMeansNoWindowAndNoMessage() {
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath("empty.html")).open(QIODevice::WriteOnly));
    QVERIFY(QDir(dir.path()).mkdir("folder.html"));
    for (const char* name : {"missing.html", "empty.html", "folder.html", ""}) {
      QWidget main;
      messages.clear();
      const QtMessageHandler previous = qInstallMessageHandler(collect);
      QWidget* help = showHelp(&main, *name ? dir.filePath(name) : QString());
      qInstallMessageHandler(previous);
      // a word, or a window
      QVERIFY2(!help, name);
      QVERIFY2(!visibleHelp(), name);
      QVERIFY2(messages.isEmpty(), qPrintable(name + (": " + messages.join('\n'))));
    }
    QWidget main;  // the embedded document opens in one window, a second request included
    QWidget* help = showHelp(&main);
    QVERIFY(help);
    QCOMPARE(visibleHelp(), help);
    QCOMPARE(showHelp(&main), help);
  }
};

QTEST_MAIN(TestHelpAndChord)
#include "test_helpandchord.moc"
