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
  GameOptions o;
  std::unique_ptr<NewGameDialog> dlg;

  QRadioButton* opt(const QString& n) { return dlg->findChild<QRadioButton*>(n); }
  QLineEdit* box(int i) { return dlg->findChild<QLineEdit*>(QString("txtname_%1").arg(i)); }
  void click(const QString& n) {
    auto* w = dlg->findChild<QAbstractButton*>(n);
    QVERIFY2(w, qPrintable(n));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }

 private slots:
  void initTestCase() { installFontSubstitutes(); }  // as the program does at start
  void init() {
    // every field away from what loading the dialog writes
    o = {
        .gameType = k501, .playerCount = 4, .inOutRule = 3, .doubleBull = false, .useBoard = false};
    dlg = std::make_unique<NewGameDialog>(o);
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
  }

  void shouldHaveDefaultValues() {
    QCOMPARE(o.gameType, kCricket);
    QCOMPARE(o.playerCount, 2);
    QCOMPARE(o.inOutRule, 0);
    QVERIFY(o.doubleBull);
    QVERIFY(o.useBoard);
    QCOMPARE(dlg->windowTitle(), QString("Choose Your Game..."));
    QCOMPARE(dlg->size(), QSize(336, 289));
    const QStringList checked{"optplay_2", "optgame_0", "optctop_0", "optbull_1", "optboard_1"};
    for (auto* r : dlg->findChildren<QRadioButton*>())
      QVERIFY2(r->isChecked() == checked.contains(r->objectName()), qPrintable(r->objectName()));
    for (int i = 1; i <= 4; ++i) QCOMPARE(box(i)->text(), QString("Player %1").arg(i));
    QCOMPARE(dlg->findChild<QGroupBox*>("Frame3")->title(), QString("301/501/Countdown Options"));
    QCOMPARE(dlg->findChild<QWidget*>("cmdstart")->geometry(),
             QRect(168, 256, 161, 25));  // twips 2520, 3840, 2415 by 375
  }

  // Each click stores its choice at once and changes nothing else. The players enable the
  // name boxes; the game type enables either the in/out or the board options, and a
  // disabled group keeps its choice.
  void clicksStoreAndEnableAtOnce() {
    GameOptions want = o;
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
      QVERIFY2(o == want, name);
      QCOMPARE(opt("optctop_1")->isEnabled(), o.gameType >= k301);
      QCOMPARE(opt("optboard_2")->isEnabled(), o.gameType < k301);
      for (int i = 1; i <= 4; ++i) QCOMPARE(box(i)->isEnabled(), i <= o.playerCount);
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
    QVERIFY(!dlg->isVisible());
    QVERIFY(dlg->begun());
    const GameOptions first = o;
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    QVERIFY(!dlg->begun());
    QVERIFY(o == first);
    for (const QString& n : clicks) {
      QVERIFY2(opt(n)->isChecked(), qPrintable(n));
      QVERIFY2(opt(n)->isEnabled(), qPrintable(n));
    }
    QVERIFY(!opt("optboard_1")->isEnabled());
    QVERIFY(box(3)->isEnabled());
    QVERIFY(!box(4)->isEnabled());
    QCOMPARE(dlg->names()[3], std::string("Ann"));  // the box kept "ann"
    // Escape closes without beginning; the click before it is stored all the same.
    click("optgame_2");
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    QVERIFY(!dlg->isVisible());
    QVERIFY(!dlg->begun());
    QCOMPARE(o.gameType, k301);
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
