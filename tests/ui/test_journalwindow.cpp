// The window and its game journal: a game left behind comes back after a restart, silently
// and exactly; the statistics window reads this game; the export writes the history; and a
// history that cannot be used changes nothing but what the statistics window says.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ui/mainwindow.h"
#include "ui/newgamedialog.h"
#include "ui/statisticswindow.h"

class TestJournalWindow : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> home_;
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
    QTimer::singleShot(0, [&w, type, players] {
      w.game().options = {.gameType = int16_t(type), .playerCount = int16_t(players)};
      w.findChild<NewGameDialog*>()->findChild<QPushButton*>("cmdstart")->click();
    });
    w.newGame();
  }
  // A triple 19 on the board picture (a step of 11 twentieths clockwise from the top).
  static void triple19(MainWindow& w) {
    const QPoint at(int((3600 + 1375 * std::sin(11 * M_PI / 10)) / 15),
                    int((3600 - 1375 * std::cos(11 * M_PI / 10)) / 15));
    QTest::mouseClick(w.findChild<QWidget*>("picboard"), Qt::LeftButton, {}, at);
  }

 private slots:
  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", (home_->path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home_->path() + "/data").toUtf8());
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

  void statisticsShowThisGame() {
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
  }

  void exportWritesTheHistory() {
    auto w = startWindow();
    newGame(*w, k501, 2);
    triple19(*w);
    const QString path = home_->path() + "/history.csv";
    w->chooseExportFile = [path] { return path; };
    w->exportHistory();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3);  // header, one dart, and the end of the last line
    QVERIFY(lines[1].contains(",501,1,Player 1,1,Dart,Triple Nineteen,57\r"));
  }

  void unusableHistoryOnlyChangesWhatStatisticsSay() {
    QDir().mkpath(home_->path() + "/data");
    QFile blocker(home_->path() + "/data/brindlemark");  // a file where the folder belongs
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
