// The help window: a missing or unreadable document opens nothing and says nothing; the
// embedded one opens.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "shell/help.h"

static QStringList messages;
static void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

static QWidget* visibleHelp() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmhelp" && w->isVisible()) return w;
  return nullptr;
}

class TestHelp : public QObject {
  Q_OBJECT
 private slots:
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

QTEST_MAIN(TestHelp)
#include "test_help.moc"
