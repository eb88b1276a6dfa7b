// The counts of a match on the scoreboard and its result: nothing at all for a single game,
// "Legs: N" (and "Sets: N" with sets) for the seats in play only, the result over the board
// once the match is won; and in either layout, for any number of players, the counts
// cover nothing of the scoreboard, the checkout hint, the board or the status bar.

#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include "game/game.h"
#include "game/match.h"
#include "ui/checkoutlabel.h"
#include "ui/fonts.h"
#include "ui/matchpanel.h"
#include "ui/scoreboard.h"
#include "ui/twips.h"

namespace {

QString accessibleName(QWidget* w) {
  return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// The labels of the panel on the area: the seats' counts and the result.
bool isPanelLabel(const QWidget* w) {
  const QString n = w->objectName();
  return n.startsWith("lbllegs_") || n.startsWith("lblsets_") || n == "lblmatch";
}

}  // namespace

class TestMatchPanel : public QObject {
  Q_OBJECT
  // The window's client area with what lies on it around the panel: the scoreboard, the
  // checkout hint, the board picture and the status bar.
  std::unique_ptr<QWidget> area_;
  Scoreboard* scoreboard_ = nullptr;
  CheckoutLabel* checkout_ = nullptr;
  QWidget* board_ = nullptr;
  MatchPanel* panel_ = nullptr;
  Game game_;

  QLabel* label(const QString& name) { return area_->findChild<QLabel*>(name); }
  QLabel* legs(int seat) { return label(QString("lbllegs_%1").arg(seat)); }
  QLabel* sets(int seat) { return label(QString("lblsets_%1").arg(seat)); }
  bool shown(QWidget* w) { return w && w->isVisible(); }

  // A new game (a leg) as the window sets it up, drawn with the match as it stands.
  void newGame(const GameOptions& options) {
    game_.options = options;
    game_.setPlayerNames({"", "Ann", "Bob", "Cy", "Di"});
    game_.startGame();
  }
  void draw(const GameState& s, const MatchOptions& match, const MatchScore& score,
            const std::string& result = {}) {
    scoreboard_->render(game_.options, s);
    checkout_->render(game_.options, s, true);
    board_->setVisible(
        !(game_.options.gameType <= kRandomCricket && !game_.options.useBoard && s.started));
    panel_->render(game_.options, s, match, score, result);
  }

 private slots:
  void initTestCase() { installFontSubstitutes(); }  // as the program does at start

  void init() {
    area_ = std::make_unique<QWidget>();
    area_->setFixedSize(twips(11895), twips(7620));
    area_->setFont(classicFont(kSansFace, 9.75));
    scoreboard_ = new Scoreboard(area_.get(), [](int) {});
    checkout_ = new CheckoutLabel(area_.get());
    panel_ = new MatchPanel(area_.get());  // before the board: the banner must rise over it
    board_ = new QWidget(area_.get());
    board_->setObjectName("picboard");
    board_->setGeometry(twipsRect(2400, 0, 7200, 7200));
    auto* status = new QWidget(area_.get());
    status->setObjectName("StatusBar1");
    status->setGeometry(0, twips(7200), twips(11895), twips(7620) - twips(7200));
    game_ = Game();
    area_->show();
    QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
  }

  // One leg and one set is a single game: nothing of the panel is made, in any game,
  // before the first game or after it.
  void singleGameShowsNothing() {
    const MatchOptions single;
    const QList<QWidget*> before = area_->findChildren<QWidget*>();
    draw(game_.state(), {.legsToWin = 3, .setsToWin = 2}, {});  // no game yet
    for (int16_t type : {kCricket, k301, kRandomCountdown}) {
      for (int16_t players = 1; players <= kSeats; ++players) {
        newGame({.gameType = type, .playerCount = players});
        draw(game_.state(), single, {});
      }
    }
    QCOMPARE(area_->findChildren<QWidget*>(), before);
  }

  // The same panel through games one after another, as the window draws them: the counts
  // of the seats in play only, the sets only while they are played, and none again for a
  // single game after a match.
  void countsShowForTheSeatsInPlay() {
    struct Row {
      int16_t type, players;
      MatchOptions match;
      std::array<int16_t, kSeats + 1> legs, sets;
    };
    const Row rows[] = {
        {kCricket, 2, {.legsToWin = 3, .setsToWin = 1}, {0, 2, 1, 0, 0}, {}},
        {k501, 3, {.legsToWin = 2, .setsToWin = 3}, {0, 1, 0, 1, 0}, {0, 2, 0, 1, 0}},
        {kRandomCountdown, 4, {.legsToWin = 1, .setsToWin = 2}, {}, {0, 0, 1, 0, 1}},
        {kRandomCricket, 1, {.legsToWin = 11, .setsToWin = 7}, {0, 10, 0, 0, 0}, {0, 6, 0, 0, 0}},
        {k301, 4, {.legsToWin = 5, .setsToWin = 1}, {0, 4, 3, 2, 1}, {}},
        {kCricket, 4, {.legsToWin = 1, .setsToWin = 1}, {}, {}},
    };
    for (const Row& row : rows) {
      newGame({.gameType = row.type, .playerCount = row.players});
      draw(game_.state(), row.match, {.legs = row.legs, .sets = row.sets});
      const QByteArray what = "game " + QByteArray::number(row.type) + ", " +
                              QByteArray::number(row.players) + " players, seat ";
      for (int seat = 1; seat <= kSeats; ++seat) {
        const auto i = static_cast<std::size_t>(seat);
        const bool inPlay = seat <= row.players && !row.match.singleGame();
        QVERIFY2(shown(legs(seat)) == inPlay, what + QByteArray::number(seat));
        QVERIFY2(shown(sets(seat)) == (inPlay && row.match.playsSets()),
                 what + QByteArray::number(seat));
        if (!inPlay) continue;
        QCOMPARE(legs(seat)->text(), QString("Legs: %1").arg(row.legs[i]));
        QCOMPARE(accessibleName(legs(seat)), legs(seat)->text());
        if (!row.match.playsSets()) continue;
        QCOMPARE(sets(seat)->text(), QString("Sets: %1").arg(row.sets[i]));
        QCOMPARE(accessibleName(sets(seat)), sets(seat)->text());
      }
      QVERIFY(!shown(label("lblmatch")));
    }
  }

  // The result shows over the board, above it, as soon as there is one, and goes with the
  // next game; a name too long for the banner is cut short on it but read out whole.
  void resultShowsOnceTheMatchIsWon() {
    const MatchOptions match{.legsToWin = 2, .setsToWin = 1};
    const struct {
      QString result;
      bool whole;
    } rows[] = {{"Ann wins the match 2-1-0", true},
                {QString(60, 'W') + " wins the match 2-1-0", false},
                {"Bob wins the match 2-0-1", true}};
    for (const auto& [result, whole] : rows) {
      newGame({.gameType = k501, .playerCount = 3});
      draw(game_.state(), match, {.legs = {0, 1, 1, 0, 0}});
      QVERIFY(!shown(label("lblmatch")));
      board_->raise();  // whatever was raised meanwhile, the result goes over it
      draw(game_.state(), match, {.legs = {0, 2, 1, 0, 0}, .winner = 1}, result.toStdString());
      QLabel* banner = label("lblmatch");
      QVERIFY(shown(banner));
      QCOMPARE(banner->text() == result, whole);
      QCOMPARE(accessibleName(banner), result);
      QVERIFY(board_->geometry().contains(banner->geometry()));
      for (QPoint at : {banner->geometry().center(), banner->geometry().topLeft() + QPoint(4, 4)})
        QVERIFY(area_->childAt(at) == banner);
    }
  }

  // In both layouts, on the board or on the buttons, for one to four players, with and
  // without sets, and with the checkout hint under any thrower's score: no count touches
  // anything else on the area, each stays inside it, and its longest text fits its box
  // in the size it was given.
  void countsCoverNothingOfTheScoreboard() {
    const struct {
      int16_t type;
      bool useBoard;
    } forms[] = {{kCricket, true}, {kRandomCricket, false}, {k301, true}, {k501, true}};
    for (const auto& [type, useBoard] : forms) {
      for (int16_t players = 1; players <= kSeats; ++players) {
        for (int16_t setsToWin : {1, 7}) {
          newGame({.gameType = type, .playerCount = players, .useBoard = useBoard});
          const MatchOptions match{.legsToWin = 11, .setsToWin = setsToWin};
          const MatchScore score{.legs = {0, 10, 11, 10, 11}, .sets = {0, 6, 7, 6, 7}};
          for (int16_t thrower = 1; thrower <= players; ++thrower) {
            GameState s = game_.state();
            s.thrower = thrower;
            s.players[static_cast<std::size_t>(thrower)].setScore(40);  // a checkout: D20
            draw(s, match, score);
            const QString what = QString("game %1 %2, %3 players, %4 sets, seat %5 throws: ")
                                     .arg(type)
                                     .arg(useBoard ? "board" : "buttons")
                                     .arg(players)
                                     .arg(setsToWin)
                                     .arg(thrower);
            if (type >= k301) QVERIFY2(shown(label("lblcheckout")), qPrintable(what + "no hint"));
            checkNothingCovered(what, players * (setsToWin > 1 ? 2 : 1));
          }
        }
      }
    }
  }

 private:
  void checkNothingCovered(const QString& what, int countsShown) {
    QList<QLabel*> counts;
    QList<QWidget*> others;
    for (QWidget* w : area_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!w->isVisible()) continue;
      auto* l = qobject_cast<QLabel*>(w);
      if (l && isPanelLabel(w)) {
        counts << l;
      } else {
        others << w;
      }
    }
    QVERIFY2(counts.size() == countsShown, qPrintable(what + QString::number(counts.size())));
    QVERIFY2(others.size() >= 6, qPrintable(what + "too little to compare with"));
    for (QLabel* count : counts) {
      const QString name = what + count->objectName();
      QVERIFY2(area_->rect().contains(count->geometry()), qPrintable(name + " outside"));
      for (QWidget* other : others + QList<QWidget*>(counts.begin(), counts.end())) {
        if (other == count) continue;
        QVERIFY2(!count->geometry().intersects(other->geometry()),
                 qPrintable(name + " covers " + other->objectName()));
      }
      const QFontMetrics metrics = count->fontMetrics();
      QVERIFY2(metrics.horizontalAdvance(count->text()) <= count->width(), qPrintable(name));
      QVERIFY2(metrics.height() <= count->height(), qPrintable(name));
      QVERIFY2(count->font().pixelSize() >= 9, qPrintable(name + " too small to read"));
    }
  }
};

QTEST_MAIN(TestMatchPanel)
#include "test_matchpanel.moc"
