// The help window: the embedded document opens; a missing or unreadable one opens nothing.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWidget>

#include "shell/help.h"

namespace {

QStringList messages;

void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

int helpWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmhelp" && w->isVisible()) ++n;
  return n;
}

}  // namespace

class TestHelp : public QObject {
  Q_OBJECT
 private slots:
  void init() { messages.clear(); }
  void theEmbeddedDocumentOpens();
  void theDocumentCoversEveryTopic_data();
  void theDocumentCoversEveryTopic();
  void aSecondRequestReusesTheWindow();
  void noDocumentMeansNoWindowAndNoMessage_data();
  void noDocumentMeansNoWindowAndNoMessage();
};

void TestHelp::theEmbeddedDocumentOpens() {
  QWidget main;
  QWidget* help = showHelp(&main);
  QVERIFY(help);
  QVERIFY(help->isVisible());
  QVERIFY(help->isWindow());
  QVERIFY(!help->isModal());
  QCOMPARE(help->windowTitle(), QString("Brindlemark Help"));
  auto* text = help->findChild<QTextBrowser*>("txthelp");
  QVERIFY(text->toPlainText().startsWith("Brindlemark Help"));
  QVERIFY(text->source().toString().endsWith("brindlemark.html"));
  // The contents links lead inside the document.
  QVERIFY(QTest::qWaitForWindowExposed(help));
  QCOMPARE(text->verticalScrollBar()->value(), 0);
  text->setSource(QUrl("#undo"));
  QVERIFY(text->verticalScrollBar()->value() > 0);
}

void TestHelp::theDocumentCoversEveryTopic_data() {
  QTest::addColumn<QString>("anchor");
  QTest::addColumn<QStringList>("words");
  QTest::newRow("entering darts") << "darts" << QStringList{"Each click is one dart"};
  QTest::newRow("countdown games")
      << "countdown" << QStringList{"301", "501", "Random Countdown", "from 301 to 900"};
  QTest::newRow("in/out and busts")
      << "inout" << QStringList{"Any In/Out", "Double In/Out", "Triple In/Out", "bust"};
  QTest::newRow("double bull") << "bull" << QStringList{"Active", "Inactive", "50"};
  QTest::newRow("cricket") << "cricket"
                           << QStringList{"Random Cricket", "closed", "Auto Detect Win"};
  QTest::newRow("buttons and keys") << "buttons" << QStringList{"next player", "+ or ="};
  QTest::newRow("undo") << "undo" << QStringList{"Undo Hit (Cricket)"};
  QTest::newRow("score editing") << "edit" << QStringList{"Edit Score (301)", "Subtract"};
  QTest::newRow("preferences") << "options"
                               << QStringList{"Sound On", "Auto Detect Win", "Splash On"};
  QTest::newRow("high scores") << "high" << QStringList{"High Scores", "Reset to Default"};
}

void TestHelp::theDocumentCoversEveryTopic() {
  QFETCH(QString, anchor);
  QFETCH(QStringList, words);
  QFile file(kHelpDocument);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  const qsizetype start = html.indexOf(QString("<a name=\"%1\">").arg(anchor));
  QVERIFY2(start >= 0, qPrintable(anchor));
  QVERIFY(html.contains(QString("href=\"#%1\"").arg(anchor)));
  qsizetype end = html.indexOf("<h2>", start);
  const QString section = html.mid(start, end < 0 ? -1 : end - start);
  for (const QString& word : words) QVERIFY2(section.contains(word), qPrintable(word));
}

void TestHelp::aSecondRequestReusesTheWindow() {
  QWidget main;
  QWidget* first = showHelp(&main);
  QWidget* second = showHelp(&main);
  QCOMPARE(first, second);
  QCOMPARE(helpWindows(), 1);
  first->close();  // deleted on close; the next request opens a fresh one
  QTRY_COMPARE(helpWindows(), 0);
  QVERIFY(showHelp(&main));
}

void TestHelp::noDocumentMeansNoWindowAndNoMessage_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("missing") << "missing";
  QTest::newRow("a folder, not a file") << "folder";
  QTest::newRow("empty") << "empty";
  QTest::newRow("no name") << "noname";
}

void TestHelp::noDocumentMeansNoWindowAndNoMessage() {
  QFETCH(QString, kind);
  QTemporaryDir dir;
  QString path = dir.filePath("brindlemark.html");
  if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir("brindlemark.html"));
  if (kind == "empty") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
  }
  if (kind == "noname") path.clear();
  QWidget main;
  const QtMessageHandler previous = qInstallMessageHandler(collect);
  QWidget* help = showHelp(&main, path);
  qInstallMessageHandler(previous);
  QVERIFY(help == nullptr);
  QCOMPARE(helpWindows(), 0);
  QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
  // The embedded document still opens afterwards.
  QVERIFY(showHelp(&main));
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
