// The main window as the players see it: its controls, menus and status bar at start,
// a new game of each kind, darts on the board, buttons and keys, and the questions asked.

#include <QAction>
#include <QLabel>
#include <QtTest>

#include "windowsetup.h"

class TestMainWindow : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  std::unique_ptr<MainWindow> w_;
  QStringList said_;  // the questions and messages shown; every question answered No

  // Starts the window as the program does, without the splash window, with a sound device.
  void startWindow() {
    w_ = std::make_unique<MainWindow>();
    w_->countAudioOutputs = [] { return 1; };
    w_->showSplash = nullptr;
    w_->playClips = [](auto&, auto&) {};
    w_->askYesNo = [this](auto text, auto title) { return said_ << title + ": " + text, false; };
    w_->tellOk = [this](auto text, auto title) { said_ << title + ": " + text; };
    w_->start();
  }
  QAction* action(const char* name) { return w_->findChild<QAction*>(name); }
  QLabel* label(const QString& name) { return w_->findChild<QLabel*>(name); }
  QString panel(int n) { return label(QString("StatusBar1_%1").arg(n))->text(); }
  QPushButton* button(int n) { return w_->findChild<QPushButton*>(QString("CmdHit_%1").arg(n)); }
  // n players, b the board shown (otherwise the buttons).
  void newGame(GameType type, int n, bool b = true) {
    beginGame(*w_, {.gameType = int16_t(type), .playerCount = int16_t(n), .useBoard = b});
  }

 private slots:
  void init() {
    home_ = std::make_unique<PrivateHome>();
    said_.clear();
    startWindow();
  }

  void startsWithMenusPanelsAndAnEmptyScoreboard() {
    QStringList menus;  // caption, then "-" when disabled and "x" when checked
    for (const char* name : {"mnunew", "mnuhigh", "mnuexit", "mnusound", "mnuautowin", "mnusplash",
                             "mnuundo", "mnuescore", "mnucontents", "mnuabout"})
      menus << action(name)->text() + (action(name)->isEnabled() ? "" : " -") +
                   (action(name)->isChecked() ? " x" : "");
    QCOMPARE(menus, QStringList({"&New Game", "&High Scores", "E&xit", "&Sound On x",
                                 "&Auto Detect Win x", "S&plash On x", "&Undo Hit (Cricket) -",
                                 "&Edit Score (301) -", "&Contents", "&About"}));
    QCOMPARE(panel(1) + "|" + panel(3) + "|" + panel(5) + "|" + panel(7) + "|" + panel(9),
             QString("Player:|Mouse Over:|Total Hit:|Round:|Darts Remaining:"));
    for (int n : {2, 4, 6, 8}) QVERIFY2(panel(n).isEmpty(), qPrintable(QString::number(n)));
    for (QLabel* l : w_->findChildren<QLabel*>(QRegularExpression("^lblp(layer|score)_[1-4]$")))
      QVERIFY2(!l->isVisible(), qPrintable(l->objectName()));  // an empty scoreboard
  }

  void countdownGameUsesTheLargeLayout() {
    newGame(k501, 3);
    QVERIFY(action("mnuescore")->isEnabled());
    QVERIFY(!action("mnuundo")->isEnabled());
    QCOMPARE(panel(2) + "|" + panel(6) + "|" + panel(8), QString("Player 1|0|1"));
    // The player to throw in large green, the others smaller in blue: name place, point size.
    const struct {
      QString seat;
      QRect name;
      int pt;
      QColor colour;
    } seats[] = {
        // (the places in twips: 60, 1000 and 60, 4700; 2235 by 735)
        {.seat = "1", .name = QRect(4, 66, 149, 49), .pt = 40, .colour = QColor(0, 255, 0)},
        {.seat = "3", .name = QRect(4, 313, 149, 49), .pt = 20, .colour = QColor(0, 0, 255)}};
    for (const auto& [seat, place, pt, colour] : seats) {
      const QLabel *name = label("lblplayer_" + seat), *score = label("lblpscore_" + seat);
      QCOMPARE(name->geometry(), place);
      QCOMPARE(score->text(), QString("501"));
      QCOMPARE(score->font().pixelSize(), qRound(pt * 96.0 / 72.0));
      QCOMPARE(name->palette().color(QPalette::WindowText), colour);
    }
    QVERIFY(!label("lblplayer_4")->isVisible());
    QVERIFY(!label("lblnum_0")->isVisible());
  }

  void cricketOnButtonsAndKeys() {
    newGame(kCricket, 2, false);
    QStringList shown{w_->findChild<QWidget*>("picboard")->isVisible() ? "board" : "buttons:"};
    for (int i = 1; i <= 7; ++i) shown << (button(i)->isVisible() ? button(i)->text() : "-");
    QCOMPARE(shown.join(' '), QString("buttons: 20 19 18 17 16 15 Bull"));
    // Typing "0" three times closes 20 for player 1, whatever has the focus.
    button(3)->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(w_.get(), '0');
    QCOMPARE(w_->game().player(1).marks(20), int16_t{3});
    QVERIFY(!label("ImgChalk_1")->pixmap().isNull());
    QVERIFY(label("ImgChalk_2")->pixmap().isNull());
    // Two marks more are too many on a closed number to take back: the undo is refused.
    for (int i = 0; i < 2; ++i) QTest::keyClick(w_.get(), '0');
    w_->undoLatestEntry();
    QCOMPARE(said_, QStringList{"Can't Undo: Sorry Can't Undo That Hit"});
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
    QCOMPARE(said_,
             QStringList({"Start New Game: Are you Sure", "Quit Brindlemark: Are you Sure"}));
    QVERIFY(w_->game().state() == before);
    QVERIFY(w_->isVisible());
  }

  // Until a "Lets Begin" names them, the players are called "Player", as the name labels
  // read before any game: on the scoreboard, in the status bar and in the high scores.
  // Preferences and high scores reach the file at once; the next start reads them.
  void preferencesAndHighScoresReachTheFile() {
    action("mnusound")->trigger();  // sound off
    QTimer::singleShot(0, [this] {
      w_->game().options.useBoard = false;
      w_->findChild<NewGameDialog*>()->close();  // the close box, not "Lets Begin"
    });
    w_->newGame();
    QCOMPARE(label("lblplayer_1")->text() + "|" + label("lblplayer_2")->text() + "|" + panel(2),
             QString("Player|Player|Player"));
    w_->playClips = [](auto&, auto&) { QFAIL("a clip played with the sound off"); };
    for (int i = 0; i < 21; ++i) button(1 + i / 3)->click();  // player 1 closes everything
    QVERIFY(!w_->game().state().inPlay);
    w_.reset();
    QFile file(home_->settingsPath());
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    for (const char* line :
         {"[Brindlemark]", "SoundOn=False", "AutoWin=True", "Name1=Player\n", "Rounds1=1"})
      QVERIFY2(text.contains(line), line);
    startWindow();
    QVERIFY(!action("mnusound")->isChecked());
  }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
