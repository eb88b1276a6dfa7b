// The new-game dialog (the enabling as the user clicks, the options it writes at once, the
// second showing and the capitalisation of names) and the score-editing dialog (the seat
// enabling, the choices it stores, and "OK" against any other way of closing it).

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "ui/fonts.h"
#include "ui/newgamedialog.h"
#include "ui/scoreeditdialog.h"

class TestGameDialogs : public QObject {
  Q_OBJECT
  GameOptions options_;
  std::unique_ptr<NewGameDialog> newGame_;  // shown before each case
  std::unique_ptr<ScoreEditDialog> edit_;
  QWidget* shown_ = nullptr;  // the dialog the clicks go to

  QRadioButton* opt(const QString& n) { return shown_->findChild<QRadioButton*>(n); }
  QLineEdit* box(int i) { return newGame_->findChild<QLineEdit*>(QString("txtname_%1").arg(i)); }
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
    newGame_ = std::make_unique<NewGameDialog>(options_);
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
        {"optplay_1", [](GameOptions& w) { w.playerCount = 1; }},
        {"optplay_4", [](GameOptions& w) { w.playerCount = 4; }},
    };
    for (const auto& [name, change] : steps) {
      click(name);
      change(want);
      QVERIFY2(options_ == want, name);
      QCOMPARE(opt("optctop_1")->isEnabled(), options_.gameType >= k301);
      QCOMPARE(opt("optboard_2")->isEnabled(), options_.gameType < k301);
      for (int i = 1; i <= 4; ++i) QCOMPARE(box(i)->isEnabled(), i <= options_.playerCount);
    }
    QVERIFY(opt("optboard_2")->isChecked());
    QVERIFY(opt("optctop_1")->isChecked());
  }

  void newGameShownAgainKeepsTheChoices() {
    const QStringList clicks{"optplay_3", "optgame_3", "optctop_2", "optbull_2"};
    for (const QString& n : clicks) click(n);
    box(3)->selectAll();
    QTest::keyClicks(box(3), "ann");
    click("cmdstart");
    QVERIFY(!newGame_->isVisible());
    QVERIFY(newGame_->begun());
    const GameOptions first = options_;
    newGame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(newGame_.get()));
    QVERIFY(!newGame_->begun());
    QVERIFY(options_ == first);
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
