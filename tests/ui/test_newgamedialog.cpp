// The new-game dialog: the enabling as the user clicks, the options it writes at once, the
// second showing and the capitalisation of names.

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "ui/fonts.h"
#include "ui/newgamedialog.h"

class TestNewGameDialog : public QObject {
  Q_OBJECT
  GameOptions options_;
  std::unique_ptr<NewGameDialog> dialog_;

  QRadioButton* opt(const QString& n) { return dialog_->findChild<QRadioButton*>(n); }
  QLineEdit* box(int i) { return dialog_->findChild<QLineEdit*>(QString("txtname_%1").arg(i)); }
  void click(const QString& n) {
    auto* w = dialog_->findChild<QAbstractButton*>(n);
    QVERIFY2(w, qPrintable(n));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }

 private slots:
  void initTestCase() { installFontSubstitutes(); }  // as the program does at start
  void init() {
    // every field away from what loading the dialog writes
    options_ = {
        .gameType = k501, .playerCount = 4, .inOutRule = 3, .doubleBull = false, .useBoard = false};
    dialog_ = std::make_unique<NewGameDialog>(options_);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
  }

  void shouldHaveDefaultValues() {
    QCOMPARE(options_.gameType, kCricket);
    QCOMPARE(options_.playerCount, 2);
    QCOMPARE(options_.inOutRule, 0);
    QVERIFY(options_.doubleBull);
    QVERIFY(options_.useBoard);
    QCOMPARE(dialog_->windowTitle(), QString("Choose Your Game..."));
    QCOMPARE(dialog_->size(), QSize(336, 289));
    const QStringList checked{"optplay_2", "optgame_0", "optctop_0", "optbull_1", "optboard_1"};
    for (auto* r : dialog_->findChildren<QRadioButton*>())
      QVERIFY2(r->isChecked() == checked.contains(r->objectName()), qPrintable(r->objectName()));
    for (int i = 1; i <= 4; ++i) QCOMPARE(box(i)->text(), QString("Player %1").arg(i));
    QCOMPARE(dialog_->findChild<QGroupBox*>("Frame3")->title(),
             QString("301/501/Countdown Options"));
    QCOMPARE(dialog_->findChild<QWidget*>("cmdstart")->geometry(),
             QRect(168, 256, 161, 25));  // twips 2520, 3840, 2415 by 375
  }

  // Each click stores its choice at once and changes nothing else. The players enable the
  // name boxes; the game type enables either the in/out or the board options, and a
  // disabled group keeps its choice.
  void clicksStoreAndEnableAtOnce() {
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

  void secondShowingKeepsChoices() {
    const QStringList clicks{"optplay_3", "optgame_3", "optctop_2", "optbull_2"};
    for (const QString& n : clicks) click(n);
    box(3)->selectAll();
    QTest::keyClicks(box(3), "ann");
    click("cmdstart");
    QVERIFY(!dialog_->isVisible());
    QVERIFY(dialog_->begun());
    const GameOptions first = options_;
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    QVERIFY(!dialog_->begun());
    QVERIFY(options_ == first);
    for (const QString& n : clicks) {
      QVERIFY2(opt(n)->isChecked(), qPrintable(n));
      QVERIFY2(opt(n)->isEnabled(), qPrintable(n));
    }
    QVERIFY(!opt("optboard_1")->isEnabled());
    QVERIFY(box(3)->isEnabled());
    QVERIFY(!box(4)->isEnabled());
    QCOMPARE(dialog_->names()[3], std::string("Ann"));  // the box kept "ann"
    // Escape closes without beginning; the click before it is stored all the same.
    click("optgame_2");
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    QVERIFY(!dialog_->isVisible());
    QVERIFY(!dialog_->begun());
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
};

QTEST_MAIN(TestNewGameDialog)
#include "test_newgamedialog.moc"
