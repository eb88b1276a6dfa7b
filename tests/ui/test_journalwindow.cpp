// The window and its game journal: a game left behind comes back after a restart, silently
// and exactly; the statistics window and the export read this game; and a history that
// cannot be used changes nothing but what the statistics window says.

#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "ui/statisticswindow.h"
#include "windowsetup.h"

class TestJournalWindow : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  QStringList said_;
  int clips_ = 0;
  bool answer_ = true;

  std::unique_ptr<MainWindow> startWindow() {
    auto w = std::make_unique<MainWindow>();
    w->countAudioOutputs = [] { return 1; };
    w->showSplash = nullptr;
    w->playClips = [this](const std::vector<Clip>& clips, auto&) { clips_ += int(clips.size()); };
    w->askYesNo = [this](auto text, auto title) { return said_ << title + ": " + text, answer_; };
    w->tellOk = [this](auto text, auto title) { said_ << title + ": " + text; };
    w->start();
    return w;
  }
  static void newGame(MainWindow& w, GameType type, int players) {
    beginGame(w, {.gameType = int16_t(type), .playerCount = int16_t(players)});
  }
  static void triple19(MainWindow& w) { clickBoard(w, bedPixel(11, 1375)); }

 private slots:
  void init() {
    home_ = std::make_unique<PrivateHome>();
    said_.clear();
    answer_ = true;
  }

  void gameLeftBehindComesBackSilentlyOnYesOnly() {
    GameState left;
    {
      auto w = startWindow();
      newGame(*w, kRandomCountdown, 2);
      for (int i = 0; i < 4; ++i) triple19(*w);
      left = w->game().state();
    }  // closed with the game in progress
    auto again = startWindow();
    QCOMPARE(said_, QStringList{"Brindlemark: Continue the unfinished game?"});
    const int heard = clips_;
    QCOMPARE(again->game().state(), left);
    QCOMPARE(clips_, heard);  // rebuilt without a sound
    QCOMPARE(again->findChild<QLabel*>("StatusBar1_2")->text(), QString("Player 2"));
    again.reset();

    answer_ = false;
    auto declined = startWindow();
    QVERIFY(!declined->game().state().inPlay);
    declined.reset();
    said_.clear();
    auto later = startWindow();
    QVERIFY(said_.isEmpty());  // kept as unfinished, never asked about again
  }

  void thisGameReachesTheStatisticsAndTheExport() {
    auto w = startWindow();
    newGame(*w, k501, 2);
    for (int i = 0; i < 3; ++i) triple19(*w);  // 171 for seat 1
    StatisticsWindow window(w->journal(), w.get());
    auto* table = window.findChild<QTableWidget*>("Countdown figures of this game");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QStringList seat1;
    for (int c = 0; c < table->columnCount(); ++c) seat1 << table->item(0, c)->text();
    QCOMPARE(seat1,
             QStringList({"Player 1", "1", "0", "3", "171.00", "171.00", "171", "0", "1", "0"}));
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QString("3-Dart Average"));

    const QString path = home_->dir.filePath("history.csv");
    w->chooseExportFile = [path] { return QString(path); };
    w->exportHistory();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // header, three darts, and the end of the last line
    QVERIFY(lines[3].contains(",501,3,Player 1,1,Dart,Triple Nineteen,57\r"));
  }

  void unusableHistoryOnlyChangesWhatStatisticsSay() {
    QFile blocker(home_->dir.filePath("brindlemark"));  // a file where the folder belongs
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto w = startWindow();
    newGame(*w, k501, 2);
    for (int i = 0; i < 3; ++i) triple19(*w);
    QCOMPARE(w->game().player(1).score(), int16_t(330));
    StatisticsWindow window(w->journal(), w.get());
    auto* why = window.findChild<QLabel*>("lblunavailable");
    QVERIFY(why);
    QVERIFY2(why->text().startsWith("History is unavailable: the folder "),
             qPrintable(why->text()));
    w->exportHistory();
    QCOMPARE(said_.size(), 1);
    QVERIFY(said_[0].startsWith("Export History: History is unavailable"));
  }
};

QTEST_MAIN(TestJournalWindow)
#include "test_journalwindow.moc"
