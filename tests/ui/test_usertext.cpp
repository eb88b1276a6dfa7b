// Names a player might type, or a hand-edited settings file might hold, taken through
// every place a name is shown: the name labels in both scoreboard layouts, the status bar,
// their tooltips, the high-score table after the file is written again, and the statistics
// tables. (The journal and the history export have their own test of such names.)

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include "journal/journal.h"
#include "journal/journalsession.h"
#include "store/highscores.h"
#include "store/settingsstore.h"
#include "ui/highscoresdialog.h"
#include "ui/statisticswindow.h"
#include "ui/usertextlabel.h"
#include "windowsetup.h"

namespace {

// What a tooltip shows, read the way Qt reads it, without the invisible break points that
// let a long one wrap.
QString tooltipShows(const QString& tip) {
  QTextDocument doc;
  if (Qt::mightBeRichText(tip))
    doc.setHtml(tip);
  else
    doc.setPlainText(tip);
  return doc.toPlainText().remove(QChar(0x200B));
}

// A label showing a name: never read as markup, on one line inside its box, cut short only
// with an ellipsis, and whole in the tooltip and the accessible name.
void checkShown(QLabel* label, const QString& shown, const QString& caption = {}) {
  const QString where = label->objectName();
  const QString text = label->text();
  QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(where + " may draw markup"));
  QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width(),
           qPrintable(where + " runs out of its box"));
  if (text != shown) {  // cut short: an ellipsis after the start of the name
    QVERIFY2(text.endsWith(u'…'), qPrintable(where + " shows " + text.left(100)));
    QVERIFY2(shown.startsWith(text.chopped(1)), qPrintable(where + " shows " + text.left(100)));
  }
  QCOMPARE(tooltipShows(label->toolTip()), QString(shown).remove(QChar(0x200B)));
  QToolTip::showText(label->mapToGlobal(QPoint()), label->toolTip(), label);
  for (const QWidget* tip : QApplication::topLevelWidgets())
    if (tip->inherits("QTipLabel") && tip->isVisible())
      QVERIFY2(tip->width() <= tip->screen()->geometry().width(),
               qPrintable(where + "'s tooltip is wider than the screen"));
  QToolTip::hideText();
  QCOMPARE(label->accessibleName(), caption.isEmpty() ? shown : caption + " " + shown);
}

// A name in the first column of a table: one line in a cell of the usual height, the
// column no wider than before, and whole in the tooltip and for screen readers.
void checkCell(const QTableWidget* table, const QString& shown) {
  const QTableWidgetItem* cell = table->item(0, 0);
  QCOMPARE(cell->text(), shown);
  QCOMPARE(table->rowHeight(0), table->verticalHeader()->defaultSectionSize());
  QVERIFY2(table->columnWidth(0) <= 200, qPrintable(table->objectName()));
  QCOMPARE(tooltipShows(cell->toolTip()), QString(shown).remove(QChar(0x200B)));
  QCOMPARE(cell->data(Qt::AccessibleTextRole).toString(), shown);
}

}  // namespace

class TestUserText : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  Said said_;  // a new game over the running one
  std::unique_ptr<MainWindow> w_;

  QLabel* label(const QString& name) { return ::label(*w_, name); }

  // Types the names into the new-game dialog and presses "Lets Begin".
  void newGame(GameType type, const QStringList& names) {
    const auto n = static_cast<int16_t>(names.size());
    beginGame(*w_, {.gameType = int16_t(type), .playerCount = n, .useBoard = false}, names);
  }

  // The geometry of every name label and status panel.
  QList<QRect> places() {
    QList<QRect> at;
    for (int seat = 1; seat <= 4; ++seat)
      at << label(QString("lblplayer_%1").arg(seat))->geometry();
    for (int n = 1; n <= 12; ++n) at << label(QString("StatusBar1_%1").arg(n))->geometry();
    return at;
  }

  void hostileNames() {
    // The name as the settings file keeps it (bytes), and as it looks in a box wide
    // enough. Typed names are written as the dialog capitalises them, so typing them
    // changes nothing; the last row cannot be typed and comes from a file edited by hand.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    auto row = [](const char* what, const QString& name, const QString& shown) {
      QTest::newRow(what) << name.toUtf8() << shown;
    };
    row("plain", "Tam vellander", "Tam vellander");
    row("heading", "<h1>big</h1>", "<h1>big</h1>");
    row("entities", "&lt;b&gt; &amp; <b>b</b>", "&lt;b&gt; &amp; <b>b</b>");
    row("formula =", "=hyperlink(\"http://x\";\"x\")", "=hyperlink(\"http://x\";\"x\")");
    row("tab first", "\t=1+1", "\u2409=1+1");
    row("bidi override", "\u202Eexe.txt", "\u202Eexe.txt");
    row("control characters", "Tab\tbell\aesc\x1b\r\nend\x7f",
        "Tab\u2409bell\u2407esc\u241B\u240D\u240Aend\u2421");
    row("separators", "Nel\u0085st\u009Cx\u2028y\u2029z", "Nel\u2424st\uFFFDx\u2424y\u2424z");
    row("NUL", QString::fromUtf8("Nul\0byte", 8), "Nul\u2400byte");
    row("zero-width", "Ann\u200Bie\u200C\u200D\uFEFF", "Ann\u200Bie\u200C\u200D\uFEFF");
    row("10,000 characters", "W" + QString(9999, u'w'), "W" + QString(9999, u'w'));
    row("blanks, quotes, backslashes", R"(  "pell\n" \\ ")", R"(  "pell\n" \\ ")");
    QTest::newRow("not UTF-8") << QByteArray("Bad\xff\xfe\xc3") << "Bad\uFFFD\uFFFD\uFFFD";
  }

 private slots:
  void init() {
    w_.reset();
    home_ = std::make_unique<PrivateHome>();
  }

  void scoreboardAndStatusBar_data() { hostileNames(); }
  void scoreboardAndStatusBar() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = QString::fromUtf8(bytes);
    if (name.toUtf8() != bytes) QSKIP("only a file edited by hand holds this name");
    QCOMPARE(capitaliseName(name), name);
    w_ = startWindow(said_);
    for (GameType type : {kCricket, k501}) {
      newGame(type, {"Player 1", "Player 2", "Player 3", "Player 4"});
      const QList<QRect> before = places();
      newGame(type, {name, name, name, name});
      for (int seat = 1; seat <= 4; ++seat)
        checkShown(label(QString("lblplayer_%1").arg(seat)), shown);
      checkShown(label("StatusBar1_2"), shown, "Player:");
      QCOMPARE(places(), before);
    }
  }

  // A label off the screen holds the whole name, since fitting it would measure text while
  // the window is built; on the screen it is fitted to its box.
  void fittedOnceShown() {
    QWidget window;
    auto* label = new UserTextLabel(&window);
    label->setFixedWidth(80);
    const QString name = "W" + QString(40, u'w');
    label->setUserText(name);
    QCOMPARE(label->text(), name);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(label->text().endsWith(u'…'));
    QVERIFY(name.startsWith(label->text().chopped(1)));
    QCOMPARE_LE(label->fontMetrics().horizontalAdvance(label->text()), 80);
  }

  void settingsFileAndHighScores_data() { hostileNames(); }
  void settingsFileAndHighScores() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const bool typed = QString::fromUtf8(bytes).toUtf8() == bytes;
    if (!typed) {
      QFile file(home_->settingsPath());
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("[Brindlemark]\nName1=" + bytes + "\nRounds1=1\n");
    }
    SettingsStore store(home_->settingsPath());
    HighScores scores(store);
    scores.load();
    if (typed) scores.offerWin(bytes.toStdString(), 1);
    scores.offerWin("Player 1", 1);  // a later winner moves the name down; it is written again
    store.waitUntilWritten();
    const SettingsStore reread(home_->settingsPath());
    QCOMPARE(QByteArray::fromStdString(reread.read("Name2").value_or("")), bytes);
    HighScoresDialog dialog(scores);
    dialog.show();
    checkShown(dialog.findChild<QLabel*>("lblplayer_1"), shown);
  }

  void journalAndStatistics_data() { hostileNames(); }
  void journalAndStatistics() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    if (QString::fromUtf8(bytes).toUtf8() != bytes) QSKIP("a game's names are always typed");
    const QString path = home_->dir.filePath("games.sqlite");
    {
      Journal journal(path);
      GameSetup setup;
      setup.options = {.gameType = kCricket, .playerCount = 1, .useBoard = false};
      setup.names[1] = bytes.toStdString();
      const std::optional<int64_t> game = journal.beginGame(setup, "test");
      QVERIFY(game);
      QVERIFY(journal.record(*game, 1, {.input = GameInput::targetPress(1)}));
    }
    JournalSession session(path);
    StatisticsWindow statistics(session);
    for (const char* table : {"Cricket figures of this game", "Cricket figures by player"})
      checkCell(statistics.findChild<QTableWidget*>(table), shown);
  }
};

QTEST_MAIN(TestUserText)
#include "test_usertext.moc"
