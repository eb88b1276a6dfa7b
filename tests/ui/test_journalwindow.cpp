// The window and its game journal: a game left behind is offered after a restart and comes
// back silently; the statistics window and the export read this game; and a history that
// cannot be used changes nothing but what the statistics window says. (That the game comes
// back exactly is the journal's resume test and the end-to-end kill test.)

#include <QFile>
#include <QTableWidget>
#include <QtTest>

#include "ui/statisticswindow.h"
#include "windowsetup.h"

class TestJournalWindow : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  Said said_;
  int clips_ = 0;

  std::unique_ptr<MainWindow> startWindow() {
    return ::startWindow(said_, 1, [this](MainWindow& w) {
      w.playClips = [this](const std::vector<Clip>& clips, auto&, auto&) {
        clips_ += int(clips.size());
      };
    });
  }
  // A 501 for two, with three treble 19s by seat 1.
  static void play501(MainWindow& w) {
    beginGame(w, {.gameType = k501, .playerCount = 2});
    for (int i = 0; i < 3; ++i) clickBoard(w, bedPixel(11, 1375));
  }

 private slots:
  void init() {
    home_ = std::make_unique<PrivateHome>();
    said_ = Said();
  }

  void gameLeftBehindComesBackSilentlyOnYesOnly() {
    play501(*startWindow());  // closed with the game in progress
    const int heard = clips_;
    QCOMPARE(startWindow()->game().player(1).score(), int16_t(330));
    QCOMPARE(said_.lines, QStringList{"Brindlemark: Continue the unfinished game?"});
    QCOMPARE(clips_, heard);  // rebuilt without a sound
    said_ = Said(false);
    QVERIFY(!startWindow()->game().state().inPlay);
    said_.lines.clear();
    startWindow();
    QVERIFY(said_.lines.isEmpty());  // kept as unfinished, never asked about again
  }

  void thisGameReachesTheStatisticsAndTheExport() {
    auto w = startWindow();
    play501(*w);
    StatisticsWindow window(w->journal(), w.get());
    auto* table = window.findChild<QTableWidget*>("Countdown figures of this game");
    QVERIFY(table);
    const int last = table->columnCount() - 1;
    QCOMPARE(table->horizontalHeaderItem(last)->text(), QString("Highest Turn"));
    QCOMPARE(table->item(0, 0)->text() + " " + table->item(0, last)->text(),
             QString("Player 1 171"));
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QString("3-dart average"));
    const QString path = home_->dir.filePath("history.csv");
    w->chooseExportFile = [path] { return QString(path); };
    w->exportHistory();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // header, three darts, and the end of the last line
    QVERIFY(lines[3].contains(",501,3,Player 1,1,Dart,Triple Nineteen,57,1,1,1\r"));
  }

  void unusableHistoryOnlyChangesWhatStatisticsSay() {
    QFile blocker(home_->dir.filePath("brindlemark"));  // a file where the folder belongs
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto w = startWindow();
    play501(*w);
    QCOMPARE(w->game().player(1).score(), int16_t(330));
    StatisticsWindow window(w->journal(), w.get());
    auto* why = window.findChild<QLabel*>("lblunavailable");
    QVERIFY(why);
    QVERIFY2(why->text().startsWith("History is unavailable: the folder "),
             qPrintable(why->text()));
    w->exportHistory();
    QCOMPARE(said_.lines.size(), 1);
    QVERIFY(said_.lines[0].startsWith("Export History: History is unavailable"));
  }
};

QTEST_MAIN(TestJournalWindow)
#include "test_journalwindow.moc"
