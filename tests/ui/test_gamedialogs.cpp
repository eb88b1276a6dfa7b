// The new-game dialog (the enabling as the user clicks, the options it writes at once, the
// match counts it starts from and writes, the second showing and the capitalisation of
// names) and the score-editing dialog (the seat
// enabling, the choices it stores, and "OK" against any other way of closing it).

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "ui/fonts.h"
#include "ui/newgamedialog.h"
#include "ui/scoreeditdialog.h"
#include "ui/twips.h"

class TestGameDialogs : public QObject {
  Q_OBJECT
  GameOptions options_;
  MatchOptions match_;
  std::unique_ptr<NewGameDialog> newGame_;  // shown before each case
  std::unique_ptr<ScoreEditDialog> edit_;
  QWidget* shown_ = nullptr;  // the dialog the clicks go to

  QRadioButton* opt(const QString& n) { return shown_->findChild<QRadioButton*>(n); }
  QLineEdit* box(int i) { return newGame_->findChild<QLineEdit*>(QString("txtname_%1").arg(i)); }
  QSpinBox* spin(const char* name) { return newGame_->findChild<QSpinBox*>(name); }
  void click(const QString& n) {
    auto* w = shown_->findChild<QAbstractButton*>(n);
    QVERIFY2(w, qPrintable(n));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }
  void open(int players) {
    edit_ = std::make_unique<ScoreEditDialog>(players);
    shown_ = edit_.get();
    edit_->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown_));
  }

 private slots:
  void initTestCase() { installFontSubstitutes(); }  // as the program does at start
  void init() {
    // every field away from what loading the dialog writes
    options_ = {
        .gameType = k501, .playerCount = 4, .inOutRule = 3, .doubleBull = false, .useBoard = false};
    match_ = {.legsToWin = 3, .setsToWin = 2};  // as saved after the game before
    newGame_ = std::make_unique<NewGameDialog>(options_, match_);
    shown_ = newGame_.get();
    newGame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown_));
  }

  void newGameStartsFromTheDefaults() {
    QCOMPARE(options_.gameType, kCricket);
    QCOMPARE(options_.playerCount, 2);
    QCOMPARE(options_.inOutRule, 0);
    QVERIFY(options_.doubleBull);
    QVERIFY(options_.useBoard);
    QCOMPARE(newGame_->windowTitle(), QString("Choose Your Game..."));
    const QStringList checked{"optplay_2", "optgame_0", "optctop_0", "optbull_1", "optboard_1"};
    for (auto* r : newGame_->findChildren<QRadioButton*>())
      QVERIFY2(r->isChecked() == checked.contains(r->objectName()), qPrintable(r->objectName()));
    for (int i = 1; i <= 4; ++i) QCOMPARE(box(i)->text(), QString("Player %1").arg(i));
    QCOMPARE(newGame_->findChild<QGroupBox*>("Frame3")->title(),
             QString("301/501/Countdown Options"));
  }

  // Each click stores its choice at once and changes nothing else. The players enable the
  // name boxes; the game type enables either the in/out or the board options, and a
  // disabled group keeps its choice.
  void newGameClicksStoreAndEnableAtOnce() {
    GameOptions want = options_;
    const std::pair<const char*, void (*)(GameOptions&)> steps[] = {
        {"optctop_2", [](GameOptions&) {}},  // disabled in Cricket
        {"optboard_2", [](GameOptions& w) { w.useBoard = false; }},
        {"optgame_3", [](GameOptions& w) { w.gameType = k501; }},
        {"optctop_1", [](GameOptions& w) { w.inOutRule = 2; }},
        {"optgame_1", [](GameOptions& w) { w.gameType = kRandomCricket; }},
        {"optbull_2", [](GameOptions& w) { w.doubleBull = false; }},
        {"optgame_4", [](GameOptions& w) { w.gameType = kRandomCountdown; }},
        {"optgame_0", [](GameOptions& w) { w.gameType = kCricket; }},
        {"optgame_5", [](GameOptions& w) { w.gameType = k701; }},
        {"optgame_6", [](GameOptions& w) { w.gameType = kCutThroatCricket; }},
        {"optgame_7", [](GameOptions& w) { w.gameType = kAroundTheClock; }},
        {"optgame_8", [](GameOptions& w) { w.gameType = kShanghai; }},
        {"optgame_9", [](GameOptions& w) { w.gameType = kCountUp; }},
        {"optgame_0", [](GameOptions& w) { w.gameType = kCricket; }},
        {"optplay_1", [](GameOptions& w) { w.playerCount = 1; }},
        {"optplay_4", [](GameOptions& w) { w.playerCount = 4; }},
    };
    for (const auto& [name, change] : steps) {
      click(name);
      change(want);
      QVERIFY2(options_ == want, name);
      // In/out for the games counted down, board or buttons for those with targets; the
      // others are played on the board with neither.
      const int16_t type = options_.gameType;
      QCOMPARE(opt("optctop_1")->isEnabled(), type >= k301 && type <= k701);
      QCOMPARE(opt("optboard_2")->isEnabled(), type <= kRandomCricket || type == kCutThroatCricket);
      for (int i = 1; i <= 4; ++i) QCOMPARE(box(i)->isEnabled(), i <= options_.playerCount);
    }
    QVERIFY(opt("optboard_2")->isChecked());
    QVERIFY(opt("optctop_1")->isChecked());
  }

  // Any seat but the first can be the computer's, at a level 1..10 stored as it changes;
  // its seat is named for it unless the players named it, and it plays on the board.
  void newGameComputerSeats() {
    QCOMPARE(options_.computerLevels, (std::array<int16_t, kSeats + 1>{}));
    QVERIFY(!newGame_->findChild<QAbstractButton*>("chkcomputer_1"));
    auto* level2 = spin("spinlevel_2");
    QVERIFY(newGame_->findChild<QAbstractButton*>("chkcomputer_2")
                ->accessibleName()
                .contains("Computer"));
    QVERIFY(level2->accessibleName().contains("level"));
    QVERIFY(!level2->isEnabled());
    QVERIFY(!newGame_->findChild<QAbstractButton*>("chkcomputer_3")->isEnabled());  // 2 players
    click("chkcomputer_2");
    QCOMPARE(options_.computerLevels[2], 5);
    QVERIFY(level2->isEnabled());
    level2->setValue(8);
    QCOMPARE(options_.computerLevels[2], 8);
    level2->setValue(11);
    QCOMPARE(options_.computerLevels[2], 10);
    QCOMPARE(newGame_->names()[2], std::string("Computer (level 10)"));
    QVERIFY(!opt("optboard_2")->isEnabled());  // Cricket: the computer throws at the board
    QVERIFY(opt("optboard_1")->isChecked());
    box(2)->setText("hal");
    QCOMPARE(newGame_->names()[2], std::string("Hal"));
    click("optplay_4");
    click("chkcomputer_4");
    QCOMPARE(options_.computerLevels, (std::array<int16_t, kSeats + 1>{0, 0, 10, 0, 5}));
    click("chkcomputer_2");
    QCOMPARE(options_.computerLevels[2], 0);
    QCOMPARE(newGame_->names()[2], std::string("Hal"));
    click("chkcomputer_4");
    QVERIFY(opt("optboard_2")->isEnabled());  // people alone may play on the buttons
  }

  void newGameShownAgainKeepsTheChoices() {
    const QStringList clicks{"optplay_3", "optgame_3", "optctop_2", "optbull_2"};
    for (const QString& n : clicks) click(n);
    box(3)->selectAll();
    QTest::keyClicks(box(3), "ann");
    spin("spinlegs")->setValue(5);
    click("cmdstart");
    QVERIFY(!newGame_->isVisible());
    QVERIFY(newGame_->begun());
    const GameOptions first = options_;
    newGame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(newGame_.get()));
    QVERIFY(!newGame_->begun());
    QVERIFY(options_ == first);
    QCOMPARE(spin("spinlegs")->value(), 5);
    QVERIFY((match_ == MatchOptions{.legsToWin = 5, .setsToWin = 2}));
    for (const QString& n : clicks) {
      QVERIFY2(opt(n)->isChecked(), qPrintable(n));
      QVERIFY2(opt(n)->isEnabled(), qPrintable(n));
    }
    QVERIFY(!opt("optboard_1")->isEnabled());
    QVERIFY(box(3)->isEnabled());
    QVERIFY(!box(4)->isEnabled());
    QCOMPARE(newGame_->names()[3], std::string("Ann"));  // the box kept "ann"
    // Escape closes without beginning; the click before it is stored all the same.
    click("optgame_2");
    QTest::keyClick(newGame_.get(), Qt::Key_Escape);
    QVERIFY(!newGame_->isVisible());
    QVERIFY(!newGame_->begun());
    QCOMPARE(options_.gameType, k301);
  }

  // The counts start from the match passed in (the saved one), brought into range, each
  // with its caption as the buddy that names it, on a row of their own below the classic
  // controls, which keep their places.
  void newGameCountsStartFromTheSavedMatch() {
    const struct {
      MatchOptions saved, shown;
    } rows[] = {
        {{.legsToWin = 1, .setsToWin = 1}, {.legsToWin = 1, .setsToWin = 1}},
        {{.legsToWin = 5, .setsToWin = 4}, {.legsToWin = 5, .setsToWin = 4}},
        {{.legsToWin = 11, .setsToWin = 7}, {.legsToWin = 11, .setsToWin = 7}},
        {{.legsToWin = 12, .setsToWin = 8}, {.legsToWin = 11, .setsToWin = 7}},
        {{.legsToWin = 0, .setsToWin = -2}, {.legsToWin = 1, .setsToWin = 1}},
    };
    for (const auto& [saved, shown] : rows) {
      const QByteArray row = QByteArray::number(saved.legsToWin) + " legs, " +
                             QByteArray::number(saved.setsToWin) + " sets";
      MatchOptions match = saved;
      NewGameDialog dialog(options_, match);
      QVERIFY2(match == shown, row);
      QCOMPARE(dialog.findChild<QSpinBox*>("spinlegs")->value(), shown.legsToWin);
      QCOMPARE(dialog.findChild<QSpinBox*>("spinsets")->value(), shown.setsToWin);
    }
    const struct {
      const char* name;
      QString caption;
      int most;
    } counts[] = {{"spinlegs", "Legs to win", 11}, {"spinsets", "Sets to win", 7}};
    QList<QWidget*> rowWidgets;
    for (const auto& [name, caption, most] : counts) {
      QSpinBox* count = spin(name);
      QVERIFY2(count, name);
      QCOMPARE(count->minimum(), 1);
      QCOMPARE(count->maximum(), most);
      QCOMPARE(count->accessibleName(), caption);
      auto* label = newGame_->findChild<QLabel*>(QString("lbl") + name);
      QVERIFY2(label && label->isVisible(), name);
      QCOMPARE(label->text(), caption);
      QVERIFY(label->buddy() == count);
      QVERIFY2(label->fontMetrics().horizontalAdvance(caption) <= label->width(), name);
      rowWidgets << count << label;
    }
    QCOMPARE(newGame_->findChild<QPushButton*>("cmdstart")->geometry(),
             QRect(twips(2520), twips(3840), twips(2415), twips(375)));
    QCOMPARE(newGame_->findChild<QGroupBox*>("Frame2")->geometry(),
             QRect(twips(60), twips(2040), twips(2235), twips(2175)));
    QVERIFY(newGame_->findChild<QPushButton*>("cmdstart")->isDefault());
    for (QWidget* w : rowWidgets) {
      QVERIFY2(newGame_->rect().contains(w->geometry()), qPrintable(w->objectName()));
      for (QWidget* other : newGame_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == w || rowWidgets.contains(other) || !other->isVisible()) continue;
        QVERIFY2(!w->geometry().intersects(other->geometry()),
                 qPrintable(w->objectName() + " covers " + other->objectName()));
      }
    }
  }

  // A count is stored as it is typed or stepped, and never leaves its range; Tab goes
  // from the counts on to "Lets Begin", and Enter in a count begins the game with it.
  void newGameCountsAreStoredAsTheyChange() {
    QSpinBox* legs = spin("spinlegs");
    QSpinBox* sets = spin("spinsets");
    legs->setFocus();
    legs->selectAll();
    QTest::keyClicks(legs, "10");
    QCOMPARE(match_.legsToWin, 10);
    QTest::keyClick(legs, Qt::Key_Up);
    QTest::keyClick(legs, Qt::Key_Up);  // already the most
    QCOMPARE(match_.legsToWin, 11);
    QTest::keyClick(legs, Qt::Key_Tab);
    QVERIFY(sets->hasFocus());
    QTest::keyClick(sets, Qt::Key_Down);
    QTest::keyClick(sets, Qt::Key_Down);  // already the least
    QCOMPARE(match_.setsToWin, 1);
    sets->selectAll();
    QTest::keyClicks(sets, "8");  // beyond the most: refused
    QCOMPARE(sets->value(), 1);
    QTest::keyClick(sets, Qt::Key_Tab);
    QVERIFY(newGame_->findChild<QPushButton*>("cmdstart")->hasFocus());
    sets->setFocus();
    sets->selectAll();
    QTest::keyClicks(sets, "7");
    QTest::keyClick(sets, Qt::Key_Return);
    QVERIFY(!newGame_->isVisible());
    QVERIFY(newGame_->begun());
    QVERIFY((match_ == MatchOptions{.legsToWin = 11, .setsToWin = 7}));
    QCOMPARE(options_.gameType, kCricket);  // the game options as they were
  }

  void capitalisesNames() {
    const QString rows[][2] = {
        {"", ""},
        {"mary ANN", "Mary ann"},
        {" scorpion ", " scorpion "},  // nothing trimmed
        {"élise", "Élise"},
        {"ΟΔΥΣΣΕΑΣ ΣΟΦΟΣ", "Οδυσσεας σοφος"},  // final sigma at a word's end
        {"ǆemal", "ǅemal"},                    // the title form of a digraph
        {"\U00010428ABC", "\U00010400abc"},    // Deseret: both halves of the first character
    };
    for (const auto& [in, out] : rows) QCOMPARE(capitaliseName(in), out);
    QCOMPARE(capitaliseName(QChar(0xD83C) + QString("AB")), QChar(0xD83C) + QString("ab"));
  }
  void scoreEditStartsAtOnePointForSeatOne() {
    open(2);
    const QStringList checked{"optpoints_1", "Option5", "optplayer_1"};
    for (auto* r : edit_->findChildren<QRadioButton*>())
      QVERIFY2(r->isChecked() == checked.contains(r->objectName()), qPrintable(r->objectName()));
  }

  // Only "OK" confirms; the close box and Escape leave the score as it was.
  void scoreEditOnlyOkConfirms() {
    // The players, then the amount, sign and seat the clicks make; seats beyond the players
    // cannot be chosen, seat 1 always can.
    struct Row {
      int players, points;
      bool add;
      int seat;
      QStringList clicks;
    };
    // clang-format off
    const Row rows[] = {
        {.players = 4, .points = 1, .add = true, .seat = 1, .clicks = {}},
        {.players = 2, .points = 25, .add = false, .seat = 2,
         .clicks = {"optpoints_25", "Option6", "optplayer_2", "optplayer_3"}},
        {.players = 9, .points = 50, .add = true, .seat = 4,
         .clicks = {"optplayer_4", "optpoints_12", "optpoints_50"}},
        {.players = 3, .points = 7, .add = true, .seat = 3,
         .clicks = {"Option6", "optplayer_3", "Option5", "optpoints_7", "optplayer_4"}},
        {.players = 0, .points = 1, .add = true, .seat = 1, .clicks = {"optplayer_2"}}
    };
    // clang-format on
    for (const auto& [players, points, add, seat, clicks] : rows) {
      const QString row = QString("%1 players, clicks %2: ").arg(players).arg(clicks.join(' '));
      open(players);
      QVERIFY(edit_->findChild<QRadioButton*>("optplayer_1")->isEnabled());
      for (const QString& name : clicks) click(name);
      click("Command1");
      QVERIFY2(!edit_->isVisible(), qPrintable(row + "still open"));
      QVERIFY2(edit_->confirmed(), qPrintable(row + "not confirmed"));
      QVERIFY2(edit_->points == points,
               qPrintable(row + "points " + QString::number(edit_->points)));
      QVERIFY2(edit_->add == add, qPrintable(row + (edit_->add ? "adds" : "subtracts")));
      QVERIFY2(edit_->seat == seat, qPrintable(row + "seat " + QString::number(edit_->seat)));
    }
    for (bool escape : {true, false}) {
      open(2);
      for (int a : {2, 11, 12, 19, 20, 25, 50}) {  // both columns: each option its own amount
        click(QString("optpoints_%1").arg(a));
        QCOMPARE(edit_->points, a);
      }
      escape ? QTest::keyClick(edit_.get(), Qt::Key_Escape) : void(edit_->close());
      QVERIFY2(!edit_->isVisible(), escape ? "Escape" : "close box");
      QVERIFY2(!edit_->confirmed(), escape ? "Escape" : "close box");
    }
  }
};

QTEST_MAIN(TestGameDialogs)
#include "test_gamedialogs.moc"
