// The help window: the embedded document opens once; a missing or unreadable one opens
// nothing and says nothing.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "shell/help.h"

namespace {

QStringList messages;
void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

QWidget* visibleHelp() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmhelp" && w->isVisible()) return w;
  return nullptr;
}

}  // namespace

class TestHelp : public QObject {
  Q_OBJECT
 private slots:
  void theDocumentOpensInOneWindow() {
    QWidget main;
    QWidget* help = showHelp(&main);
    QVERIFY(help && help == visibleHelp() && !help->isModal());
    const QString text = help->findChild<QTextBrowser*>("txthelp")->toPlainText();
    QVERIFY(text.startsWith("Brindlemark Help"));
    QCOMPARE(showHelp(&main), help);  // a second request brings the same window forward
    help->close();                    // deleted on close; the next request opens a fresh one
    QTRY_VERIFY(visibleHelp() == nullptr);
    QVERIFY(showHelp(&main));
  }

  void noDocumentMeansNoWindowAndNoMessage() {
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath("empty.html")).open(QIODevice::WriteOnly));
    QVERIFY(QDir(dir.path()).mkdir("folder.html"));
    for (const QString& doc : {dir.filePath("missing.html"), dir.filePath("empty.html"),
                               dir.filePath("folder.html"), QString()}) {
      QWidget main;
      messages.clear();
      const QtMessageHandler previous = qInstallMessageHandler(collect);
      QWidget* help = showHelp(&main, doc);
      qInstallMessageHandler(previous);
      QVERIFY2(help == nullptr && visibleHelp() == nullptr, qPrintable(doc));
      QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    }
  }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
