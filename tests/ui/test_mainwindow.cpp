// The main window as the players see it: its menus and scoreboard at start, a new game of
// each kind, darts on the board, buttons and keys, and the questions asked. (The status
// captions, the button captions and the values shown as a game goes on are read out in the
// end-to-end games.)

#include <QAction>
#include <QLabel>
#include <QLockFile>
#include <QtTest>

#include "windowsetup.h"

class TestMainWindow : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  Said said_{false};  // every question answered No
  std::unique_ptr<MainWindow> w_;

  QAction* action(const char* name) { return w_->findChild<QAction*>(name); }
  QLabel* label(const QString& name) { return ::label(*w_, name); }
  QString panel(int n) { return ::panel(*w_, n); }
  QPushButton* button(int n) { return hitButton(*w_, n); }
  // n players, b the board shown (otherwise the buttons).
  void newGame(GameType type, int n, bool b = true) {
    beginGame(*w_, {.gameType = int16_t(type), .playerCount = int16_t(n), .useBoard = b});
  }

 private slots:
  void init() {
    home_ = std::make_unique<PrivateHome>();
    said_.lines.clear();
    w_ = startWindow(said_, 1);
  }

  void startsWithMenusAndAnEmptyScoreboard() {
    QStringList menus;  // caption, then "-" when disabled and "x" when checked
    for (const char* name : {"mnunew", "mnuhigh", "mnuexit", "mnusound", "mnuautowin", "mnusplash",
                             "mnuundo", "mnuescore", "mnucontents", "mnuabout"})
      menus << action(name)->text() + (action(name)->isEnabled() ? "" : " -") +
                   (action(name)->isChecked() ? " x" : "");
    QCOMPARE(menus, QStringList({"&New Game", "&High Scores", "E&xit", "&Sound On x",
                                 "&Auto Detect Win x", "S&plash On x", "&Undo Hit (Cricket) -",
                                 "&Edit Score (301) -", "&Contents", "&About"}));
    for (QLabel* l : w_->findChildren<QLabel*>(QRegularExpression("^lblp(layer|score)_[1-4]$")))
      QVERIFY2(!l->isVisible(), qPrintable(l->objectName()));  // an empty scoreboard
    // The icon, set once the window is on the screen, in the largest size a switcher shows.
    QCOMPARE(w_->windowHandle()->icon().pixmap(256).size(), QSize(256, 256));
  }

  void countdownGameUsesTheLargeLayout() {
    newGame(k501, 3);
    QVERIFY(action("mnuescore")->isEnabled());
    QVERIFY(!action("mnuundo")->isEnabled());
    QCOMPARE(panel(2) + "|" + panel(6) + "|" + panel(8), QString("Player 1|0|1"));
    // The player to throw in 40 points, the others in 20.
    QCOMPARE(label("lblpscore_1")->font().pixelSize(), qRound(40 * 96.0 / 72.0));
    QCOMPARE(label("lblpscore_3")->font().pixelSize(), qRound(20 * 96.0 / 72.0));
    QVERIFY(!label("lblplayer_4")->isVisible());
    QVERIFY(!label("lblnum_0")->isVisible());
  }

  void cricketOnButtonsAndKeys() {
    newGame(kCricket, 2, false);
    QVERIFY(!action("mnuescore")->isEnabled());
    // Typing "0" three times closes 20 for player 1, whatever has the focus.
    button(3)->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(w_.get(), '0');
    QCOMPARE(w_->game().player(1).marks(20), int16_t{3});
    QVERIFY(action("mnuundo")->isEnabled());
    // Two marks more are too many on a closed number to take back: the undo is refused.
    for (int i = 0; i < 2; ++i) QTest::keyClick(w_.get(), '0');
    w_->undoLatestEntry();
    QCOMPARE(said_.lines, QStringList{"Can't Undo: Sorry Can't Undo That Hit"});
    QVERIFY(!action("mnuundo")->isEnabled());
    QCOMPARE(w_->game().player(1).marks(20), int16_t{5});
    QTest::keyClick(w_.get(), '+');
    QCOMPARE(label("lblplayer_2")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QTest::mouseClick(button(7), Qt::LeftButton);
    QCOMPARE(w_->game().player(2).marks(25), int16_t{1});
  }

  void boardClicksScoreWhereTheyLand() {
    newGame(k301, 2);
    QWidget* board = w_->findChild<QWidget*>("picboard");
    // No pointer movement before the clicks: each dart counts where it lands.
    QTest::mouseClick(board, Qt::LeftButton, {}, bedPixel(11, 1375));  // triple 19
    QCOMPARE(panel(4) + " " + panel(6), QString("Triple Nineteen 57"));
    QVERIFY(!label("StatusBar1_12")->isVisible());
    // A double click arrives as a click and then a double-click event: two darts.
    QTest::mouseClick(board, Qt::LeftButton, {}, bedPixel(0, 2590));
    QTest::mouseDClick(board, Qt::LeftButton, {}, bedPixel(0, 2590));
    QCOMPARE(label("lblpscore_1")->text() + " " + panel(2), QString("164 Player 2"));
    QVERIFY(label("StatusBar1_12")->isVisible());
    // New game and exit ask first during a game; No changes nothing.
    const GameState before = w_->game().state();
    w_->newGame();
    w_->exitProgram();
    QCOMPARE(said_.lines,
             QStringList({"Start New Game: Are you Sure", "Quit Brindlemark: Are you Sure"}));
    QVERIFY(w_->game().state() == before);
    QVERIFY(w_->isVisible());
  }

  // Until a "Lets Begin" names them, the players are called "Player", as the name labels
  // read before any game: on the scoreboard, in the status bar and in the high scores.
  // Preferences reach the file at once. A high score waits for the file while another copy
  // of the program holds it, but the win does not; the next start reads them both.
  void preferencesAndHighScoresReachTheFile() {
    action("mnusound")->trigger();  // sound off
    QTimer::singleShot(0, [this] {
      w_->game().options.useBoard = false;
      w_->findChild<NewGameDialog*>()->close();  // the close box, not "Lets Begin"
    });
    w_->newGame();
    QCOMPARE(label("lblplayer_1")->text() + "|" + label("lblplayer_2")->text() + "|" + panel(2),
             QString("Player|Player|Player"));
    w_->playClips = [](auto&, auto&, auto&) { QFAIL("a clip played with the sound off"); };
    QLockFile otherCopy(home_->settingsPath() + ".lock");
    QVERIFY(otherCopy.lock());
    QElapsedTimer clicks;
    clicks.start();
    for (int i = 0; i < 21; ++i) button(1 + i / 3)->click();  // player 1 closes everything
    QVERIFY(!w_->game().state().inPlay);
    QCOMPARE_LT(clicks.elapsed(), 2000);
    otherCopy.unlock();
    w_.reset();
    QFile file(home_->settingsPath());
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    for (const char* line :
         {"[Brindlemark]", "SoundOn=False", "AutoWin=True", "Name1=Player\n", "Rounds1=1"})
      QVERIFY2(text.contains(line), line);
    w_ = startWindow(said_, 1);
    QVERIFY(!action("mnusound")->isChecked());
  }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
