// Everything without the mouse: each dialog's Tab order follows its layout and Enter
// answers its default button; every menu item has an access key of its own in its menu;
// and once a dialog closes the keys go to the main window again.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "../store/storefiles.h"
#include "store/highscores.h"
#include "store/settingsstore.h"
#include "ui/highscoresdialog.h"
#include "ui/scoreeditdialog.h"
#include "windowsetup.h"

namespace {

// The controls the Tab key visits from the one with the focus, once round.
QStringList tabOrder() {
  QStringList order;
  for (int i = 0; i < 40; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return order << "(nothing)";
    if (!order.isEmpty() && focus->objectName() == order.first()) break;
    order << focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return order;
}

void pressOnFocus(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

// Keys typed into the dialog that opens next, once it is shown.
void whenShown(std::function<void(QWidget&)> keys) {
  QTimer::singleShot(0, [keys = std::move(keys)] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog);
    keys(*dialog);
  });
}

}  // namespace

class TestKeyboard : public QObject {
  Q_OBJECT
  PrivateHome home_;

 private slots:
  void newGameTabFollowsTheLayout() {
    GameOptions options;
    MatchOptions match;
    NewGameDialog d(options, match);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    const QStringList counts{"spinlegs", "spinsets", "cmdstart"};
    // The right column: the computer may take the seats in play.
    QCOMPARE(tabOrder(), QStringList({"optplay_2", "txtname_1", "txtname_2", "optgame_0",
                                      "optboard_1", "optbull_1", "chkcomputer_2"}) +
                             counts);
    // The arrows choose within a group: four players, then 301 and Double In/Out.
    d.findChild<QWidget*>("optplay_2")->setFocus();
    pressOnFocus(Qt::Key_Down);
    pressOnFocus(Qt::Key_Down);
    QCOMPARE(options.playerCount, int16_t{4});
    d.findChild<QWidget*>("optgame_0")->setFocus();
    pressOnFocus(Qt::Key_Down);
    pressOnFocus(Qt::Key_Down);
    QCOMPARE(options.gameType, int16_t{k301});
    d.findChild<QWidget*>("optctop_0")->setFocus();
    pressOnFocus(Qt::Key_Down);
    QCOMPARE(options.inOutRule, int16_t{2});
    // The games in the column of more games are one group with the classic ones.
    d.findChild<QWidget*>("optgame_4")->setFocus();
    pressOnFocus(Qt::Key_Down);
    QCOMPARE(options.gameType, int16_t{k701});
    pressOnFocus(Qt::Key_Down);
    QCOMPARE(options.gameType, int16_t{kCutThroatCricket});
    pressOnFocus(Qt::Key_Up);
    pressOnFocus(Qt::Key_Up);
    QCOMPARE(options.gameType, int16_t{kRandomCountdown});
    d.findChild<QWidget*>("optgame_2")->setFocus();
    pressOnFocus(Qt::Key_Space);
    d.findChild<QWidget*>("optplay_4")->setFocus();
    QCOMPARE(tabOrder(), QStringList({"optplay_4", "txtname_1", "txtname_2", "txtname_3",
                                      "txtname_4", "optgame_2", "optctop_1", "optbull_1",
                                      "chkcomputer_2", "chkcomputer_3", "chkcomputer_4"}) +
                             counts);
    // Enter, from a name box too, is "Lets Begin".
    d.findChild<QWidget*>("txtname_3")->setFocus();
    pressOnFocus(Qt::Key_Return);
    QVERIFY(!d.isVisible());
    QVERIFY(d.begun());
  }

  void scoreEditTabAndEnter() {
    ScoreEditDialog e(3);
    e.show();
    QVERIFY(QTest::qWaitForWindowActive(&e));
    QCOMPARE(tabOrder(), QStringList({"optplayer_1", "Option5", "optpoints_1", "Command1"}));
    e.findChild<QWidget*>("optplayer_1")->setFocus();
    pressOnFocus(Qt::Key_Down);
    e.findChild<QWidget*>("Option5")->setFocus();
    pressOnFocus(Qt::Key_Down);
    pressOnFocus(Qt::Key_Return);
    QVERIFY(e.confirmed());
    QCOMPARE(e.seat, 2);
    QVERIFY(!e.add);
  }

  void highScoresEnterGoesBackWithoutAReset() {
    const StoreFolder folder;
    SettingsStore store(folder.path());
    HighScores scores(store);
    scores.load();
    scores.offerWin("Ann", 10);
    HighScoresDialog dialog(scores);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(tabOrder(), QStringList({"cmdok", "Command1"}));
    pressOnFocus(Qt::Key_Return);  // the focus starts on "Back to the Game"
    QVERIFY(!dialog.isVisible());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QWidget*>("Command1")->setFocus();
    pressOnFocus(Qt::Key_Tab);
    pressOnFocus(Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(scores.table[0].name, std::string("Ann"));
  }

  void everyMenuItemHasAnAccessKeyOfItsOwn() {
    Said said;
    const auto w = startWindow(said);
    QSet<QChar> titles;
    for (QAction* title : w->menuBar()->actions()) {
      const QString text = title->text();
      const auto key = text.indexOf('&');
      QVERIFY2(key >= 0 && key + 1 < text.size(), qPrintable(text));
      QVERIFY2(!titles.contains(text.at(key + 1).toLower()), qPrintable(text));
      titles.insert(text.at(key + 1).toLower());
      QSet<QChar> keys;
      for (QAction* item : title->menu()->actions()) {
        if (item->isSeparator()) continue;
        const QString caption = item->text();
        const auto at = caption.indexOf('&');
        QVERIFY2(at >= 0 && at + 1 < caption.size(), qPrintable(caption));
        QVERIFY2(!keys.contains(caption.at(at + 1).toLower()), qPrintable(caption));
        keys.insert(caption.at(at + 1).toLower());
      }
    }
    QCOMPARE(titles.size(), 4);
  }

  // Alt+F, N, Enter: a new game with the options of the last, and the keys back on the
  // main window, where a typed dart lands.
  void aNewGameFromTheKeysAndTheKeysBack() {
    Said said;
    const auto w = startWindow(said);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    beginGame(*w, {.gameType = k501, .playerCount = 3});
    QCOMPARE(w->game().player(1).score(), int16_t{501});
    w->game().editScore(1, 1, false);  // a game in progress is asked about first
    whenShown([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    w->newGame();
    QCOMPARE(said.lines, QStringList({"Start New Game: Are you Sure"}));
    QCOMPARE(w->game().options.gameType, int16_t{k501});
    QCOMPARE(w->game().options.playerCount, int16_t{3});
    QCOMPARE(w->game().player(1).score(), int16_t{501});
    QTRY_COMPARE(QApplication::activeWindow(), w.get());
    QTest::keyClicks(QApplication::focusWidget(), "t20");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w->game().state().turnTotal, int16_t{60});
  }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
