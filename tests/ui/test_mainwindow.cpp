// The main window as the players see it: its controls, menus and status bar at start,
// a new game of each kind, darts on the board, buttons and keys, and the questions asked.

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "input/board.h"
#include "ui/frmgame.h"
#include "ui/mainwindow.h"
#include "ui/twips.h"

namespace {

QAction* action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }
QLabel* label(MainWindow& w, const QString& name) { return w.findChild<QLabel*>(name); }
QString panel(MainWindow& w, int n) { return label(w, QString("StatusBar1_%1").arg(n))->text(); }

// Sets the options and names of the next game, as the new-game dialog would.
void newGame(MainWindow& w, GameType type, int players, bool useBoard = true) {
  QTimer::singleShot(0, [&w, type, players, useBoard] {
    auto* dialog = w.findChild<frmgame*>();
    QVERIFY(dialog);
    w.game().options.game_type = type;
    w.game().options.num_players = static_cast<int16_t>(players);
    w.game().options.use_board = useBoard;
    dialog->findChild<QPushButton*>("cmdstart")->click();
  });
  w.mnunew_Click();
}

// The centre of a bed in widget pixels: sector n at a distance in twips from the centre.
QPoint bedPixel(int sector, double radiusTwips) {
  int index = 0;
  while (board::kClockwise[static_cast<std::size_t>(index)] != sector) ++index;
  const double angle = index * (M_PI / 10);  // clockwise from the top
  const double x = 3600 + radiusTwips * std::sin(angle);
  const double y = 3600 - radiusTwips * std::cos(angle);
  return QPoint(static_cast<int>(x / 15), static_cast<int>(y / 15));
}

}  // namespace

// Starts the window as the program does, with a sound device whose clips are recorded
// and without the splash window.
void start(MainWindow& w, QStringList* heard = nullptr) {
  w.countAudioOutputs = [] { return 1; };
  w.showSplash = nullptr;
  w.playClip = [heard](Clip c) {
    if (heard) heard->append(QString::fromUtf8(clipName(c).data(), int(clipName(c).size())));
  };
  w.start();
}

class TestMainWindow : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> config_;

 private slots:
  void init() {
    config_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
  }

  void shouldHaveDefaultValues() {
    MainWindow w;
    start(w);
    QCOMPARE(w.windowTitle(), QString("Brindlemark 1.4"));
    QCOMPARE(w.centralWidget()->size(), QSize(793, 508));
    const struct { const char* name; const char* caption; bool enabled; bool checked; } items[] = {
        {"mnunew", "&New Game", true, false},         {"mnuhigh", "&High Scores", true, false},
        {"mnuexit", "E&xit", true, false},            {"mnusound", "&Sound On", true, true},
        {"mnuautowin", "&Auto Detect Win", true, true}, {"mnusplash", "S&plash On", true, true},
        {"mnuundo", "&Undo Hit (Cricket)", false, false},
        {"mnuescore", "&Edit Score (301)", false, false},
        {"mnucontents", "&Contents", true, false},     {"mnuabout", "&About", true, false}};
    for (const auto& item : items) {
      QAction* a = action(w, item.name);
      QVERIFY2(a, item.name);
      QCOMPARE(a->text(), QString(item.caption));
      QCOMPARE(a->isEnabled(), item.enabled);
      QCOMPARE(a->isChecked(), item.checked);
    }
    QCOMPARE(panel(w, 1), QString("Player:"));
    QCOMPARE(panel(w, 3), QString("Mouse Over:"));
    QCOMPARE(panel(w, 5), QString("Total Hit:"));
    QCOMPARE(panel(w, 7), QString("Round:"));
    QCOMPARE(panel(w, 9), QString("Darts Remaining:"));
    for (int n : {2, 4, 6, 8}) QVERIFY(panel(w, n).isEmpty());
    for (int seat = 1; seat <= 4; ++seat) {
      QVERIFY(!label(w, QString("lblplayer_%1").arg(seat))->isVisible());
      QVERIFY(!label(w, QString("lblpscore_%1").arg(seat))->isVisible());
    }
    QCOMPARE(w.findChild<QWidget*>("picboard")->geometry(), QRect(160, 0, 480, 480));
    QCOMPARE(label(w, "ImgChalk_19")->geometry(), twipsRect(9800, 4260, 675, 675));
  }

  void countdownGameUsesTheLargeLayout() {
    MainWindow w;
    start(w);
    newGame(w, k501, 3);
    QVERIFY(action(w, "mnuescore")->isEnabled());
    QVERIFY(!action(w, "mnuundo")->isEnabled());
    QCOMPARE(panel(w, 2), QString("Player 1"));
    QCOMPARE(panel(w, 6), QString("0"));
    QCOMPARE(panel(w, 8), QString("1"));
    const QRect expectedName[] = {{}, twipsRect(60, 1000, 2235, 735), twipsRect(9700, 1000, 2235, 735),
                                  twipsRect(60, 4700, 2235, 735)};
    for (int seat = 1; seat <= 3; ++seat) {
      QLabel* name = label(w, QString("lblplayer_%1").arg(seat));
      QLabel* score = label(w, QString("lblpscore_%1").arg(seat));
      QVERIFY(name->isVisible());
      QCOMPARE(name->geometry(), expectedName[seat]);
      QCOMPARE(score->text(), QString("501"));
      QCOMPARE(score->font().pixelSize(), qRound((seat == 1 ? 40 : 20) * 96.0 / 72.0));
      QCOMPARE(name->palette().color(QPalette::WindowText),
               seat == 1 ? QColor(0, 255, 0) : QColor(0, 0, 255));
    }
    QVERIFY(!label(w, "lblplayer_4")->isVisible());
    QVERIFY(!label(w, "lblnum_0")->isVisible());
  }

  void cricketOnButtonsAndKeys() {
    MainWindow w;
    start(w);
    newGame(w, kCricket, 2, false);
    QVERIFY(!w.findChild<QWidget*>("picboard")->isVisible());
    const char* captions[] = {"20", "19", "18", "17", "16", "15", "Bull"};
    for (int i = 1; i <= 7; ++i) {
      auto* b = w.findChild<QPushButton*>(QString("CmdHit_%1").arg(i));
      QVERIFY(b->isVisible());
      QCOMPARE(b->text(), QString(captions[i - 1]));
      QCOMPARE(b->geometry(), twipsRect(5670, 900 * i - 240, 675, 675));
    }
    QCOMPARE(label(w, "lblnum_6")->text(), QString("B"));
    QCOMPARE(label(w, "lblnum_7")->text(), QString("20"));
    QCOMPARE(label(w, "lblplayer_2")->geometry(), twipsRect(1260, 120, 1035, 315));
    // Typing "0" three times closes 20 for player 1, whatever has the focus.
    w.findChild<QPushButton*>("CmdHit_3")->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(&w, '0');
    QCOMPARE(w.game().player(1).TimesHit(20), int16_t{3});
    QVERIFY(!label(w, "ImgChalk_1")->pixmap().isNull());
    QVERIFY(label(w, "ImgChalk_2")->pixmap().isNull());
    QVERIFY(action(w, "mnuundo")->isEnabled());
    QTest::keyClick(&w, '+');
    QCOMPARE(w.game().state().cur_player, int16_t{2});
    QCOMPARE(label(w, "lblplayer_2")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QTest::mouseClick(w.findChild<QPushButton*>("CmdHit_7"), Qt::LeftButton);
    QCOMPARE(w.game().player(2).TimesHit(25), int16_t{1});
  }

  void boardClicksScoreWhereTheyLand() {
    MainWindow w;
    start(w);
    newGame(w, k301, 2);
    QWidget* board = w.findChild<QWidget*>("picboard");
    // No pointer movement before the clicks: each dart counts where it lands.
    QTest::mouseClick(board, Qt::LeftButton, {}, bedPixel(19, 1375));  // triple 19
    QCOMPARE(panel(w, 4), QString("Triple Nineteen"));
    QCOMPARE(panel(w, 6), QString("57"));
    QVERIFY(!label(w, "StatusBar1_12")->isVisible());
    // A double click arrives as a click and then a double-click event: two darts.
    QTest::mouseClick(board, Qt::LeftButton, {}, bedPixel(20, 2590));
    QTest::mouseDClick(board, Qt::LeftButton, {}, bedPixel(20, 2590));
    QCOMPARE(w.game().state().cur_player, int16_t{2});
    QCOMPARE(label(w, "lblpscore_1")->text(), QString::number(301 - 57 - 80));
    QCOMPARE(panel(w, 2), QString("Player 2"));
    QVERIFY(label(w, "StatusBar1_12")->isVisible());
  }

  void newGameDuringAGameAsks() {
    MainWindow w;
    start(w);
    newGame(w, k301, 2);
    w.game().editScore(1, 50, false);
    QString asked;
    w.askYesNo = [&asked](const QString& text, const QString& title) {
      asked = title + ": " + text;
      return false;
    };
    const GameState before = w.game().state();
    w.mnunew_Click();
    QCOMPARE(asked, QString("Start New Game: Are you Sure"));
    QVERIFY(w.game().state() == before);
    asked.clear();
    w.mnuexit_Click();
    QCOMPARE(asked, QString("Quit Brindlemark: Are you Sure"));
    QVERIFY(w.isVisible());
  }

  void preferencesAndHighScoresReachTheFile() {
    {
      MainWindow w;
      QStringList heard;
      start(w, &heard);
      action(w, "mnusound")->trigger();  // sound off, written at once
      QVERIFY(!action(w, "mnusound")->isChecked());
      newGame(w, kCricket, 1, false);
      for (int target = 1; target <= 7; ++target) {
        for (int mark = 0; mark < 3; ++mark) w.findChild<QPushButton*>(QString("CmdHit_%1").arg(target))->click();
      }
      QVERIFY(!w.game().state().game_on);  // a one-player game is won by closing everything
      QVERIFY(heard.isEmpty());             // with the sound off, not a clip
    }
    QFile file(config_->path() + "/Vellander Software.conf");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains("[Brindlemark]"));
    QVERIFY(text.contains("SoundOn=False"));
    QVERIFY(text.contains("AutoWin=True"));
    QVERIFY(text.contains("Name1=Player 1"));
    QVERIFY(text.contains("Rounds1=1"));
    MainWindow again;  // the next start reads what was written
    start(again);
    QVERIFY(!action(again, "mnusound")->isChecked());
  }

  void refusedUndoSaysSo() {
    MainWindow w;
    start(w);
    newGame(w, kCricket, 2, false);
    QString told;
    w.tellOk = [&told](const QString& text, const QString& title) { told = title + ": " + text; };
    for (int i = 0; i < 5; ++i) w.findChild<QPushButton*>("CmdHit_1")->click();
    w.mnuundo_Click();
    QCOMPARE(told, QString("Can't Undo: Sorry Can't Undo That Hit"));
    QVERIFY(!action(w, "mnuundo")->isEnabled());
    QCOMPARE(w.game().player(1).TimesHit(20), int16_t{5});
  }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
