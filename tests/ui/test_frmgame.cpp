// The new-game dialog: its controls, the enabling as the user clicks, the options it
// writes, the second showing and the capitalisation of names.

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include "ui/fonts.h"
#include "ui/frmgame.h"
#include "ui/twips.h"

namespace {

// Options that differ from every default, to see that loading writes the defaults.
GameOptions unusualOptions() {
  GameOptions o;
  o.game_type = k501;
  o.num_players = 4;
  o.in_out_rule = 3;
  o.double_bull = false;
  o.use_board = false;
  return o;
}

void click(QWidget* w) {
  QVERIFY(w);
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
}

}  // namespace

class TestFrmgame : public QObject {
  Q_OBJECT

  template <typename T>
  static T* child(const frmgame& dlg, const QString& name) {
    auto* w = dlg.findChild<T*>(name);
    if (!w) qWarning("no child %s", qPrintable(name));
    return w;
  }
  static QRadioButton* opt(const frmgame& dlg, const QString& name) {
    return child<QRadioButton>(dlg, name);
  }

 private slots:
  void initTestCase() { installFontSubstitutes(); }  // as the program does at start
  void should_have_default_values();
  void controls_at_their_places_data();
  void controls_at_their_places();
  void every_caption_fits();
  void players_enable_name_boxes_data();
  void players_enable_name_boxes();
  void game_type_enables_groups_data();
  void game_type_enables_groups();
  void options_store_at_once_data();
  void options_store_at_once();
  void disabled_group_keeps_its_choice();
  void disabled_option_cannot_be_chosen();
  void second_showing_keeps_choices();
  void closing_without_begin();
  void names_are_capitalised_for_every_seat();
  void cap_it_data();
  void cap_it();
};

void TestFrmgame::should_have_default_values() {
  GameOptions o = unusualOptions();
  frmgame dlg(o);
  QCOMPARE(o.use_board, true);
  QCOMPARE(o.num_players, 2);
  QCOMPARE(o.game_type, kCricket);
  QCOMPARE(o.double_bull, true);
  QCOMPARE(o.in_out_rule, 0);

  QCOMPARE(dlg.windowTitle(), QString("Choose Your Game..."));
  QCOMPARE(dlg.size(), QSize(336, 289));
  QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
  QVERIFY(!dlg.begun());

  const QStringList checked{"optplay_2", "optgame_0", "optctop_0", "optbull_1", "optboard_1"};
  for (auto* r : dlg.findChildren<QRadioButton*>())
    QVERIFY2(r->isChecked() == checked.contains(r->objectName()), qPrintable(r->objectName()));
  for (int i = 0; i <= 2; ++i) QVERIFY(!opt(dlg, QString("optctop_%1").arg(i))->isEnabled());
  for (const char* n : {"optgame_0", "optgame_1", "optgame_2", "optgame_3", "optgame_4",
                        "optbull_1", "optbull_2", "optboard_1", "optboard_2"})
    QVERIFY2(opt(dlg, n)->isEnabled(), n);
  for (int i = 1; i <= 4; ++i) {
    auto* box = child<QLineEdit>(dlg, QString("txtname_%1").arg(i));
    QCOMPARE(box->text(), QString("Player %1").arg(i));
    QCOMPARE(box->isEnabled(), i <= 2);
    QCOMPARE(box->maxLength(), 32767);  // QLineEdit's own ceiling: no limit of ours
    QVERIFY(!box->validator());
    QVERIFY(box->inputMask().isEmpty());
  }
}

void TestFrmgame::controls_at_their_places_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QRect>("place");
  auto row = [](const char* n, const char* c, QRect r) { QTest::newRow(n) << n << c << r; };
  row("Frame1", "Players:", twipsRect(60, 120, 2235, 1815));
  row("optplay_1", "1", twipsRect(240, 300, 495, 315));
  row("optplay_3", "3", twipsRect(240, 1020, 495, 315));
  row("optplay_4", "4", twipsRect(240, 1380, 495, 255));
  row("txtname_1", "", twipsRect(780, 300, 1275, 285));
  row("txtname_4", "", twipsRect(780, 1380, 1275, 285));
  row("Frame2", "Game Type", twipsRect(60, 2040, 2235, 2175));
  row("optgame_0", "Cricket", twipsRect(180, 300, 1095, 255));
  row("optgame_1", "Random Cricket", twipsRect(180, 660, 1755, 255));
  row("optgame_2", "301", twipsRect(180, 1020, 1335, 255));
  row("optgame_3", "501", twipsRect(180, 1380, 1455, 255));
  row("optgame_4", "Random Countdown", twipsRect(180, 1740, 1995, 255));
  row("Frame3", "301/501/Countdown Options", twipsRect(2460, 1320, 2475, 1395));
  row("optctop_0", "Any In/Out", twipsRect(480, 300, 1635, 255));
  row("optctop_1", "Double In/Out", twipsRect(480, 660, 1515, 255));
  row("optctop_2", "Triple In/Out", twipsRect(480, 1020, 1515, 255));
  row("Frame4", "Double Bull", twipsRect(2460, 2880, 2475, 795));
  row("optbull_1", "Active", twipsRect(180, 360, 915, 255));
  row("optbull_2", "Inactive", twipsRect(1260, 360, 975, 255));
  row("Frame5", "Cricket Options", twipsRect(2460, 120, 2475, 1035));
  row("optboard_1", "Use Board Picture", twipsRect(240, 300, 1995, 195));
  row("optboard_2", "Use Buttons Instead", twipsRect(240, 660, 1935, 195));
  row("cmdstart", "Lets Begin", twipsRect(2520, 3840, 2415, 375));
}

void TestFrmgame::controls_at_their_places() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QRect, place);
  GameOptions o;
  frmgame dlg(o);
  auto* w = child<QWidget>(dlg, name);
  QVERIFY(w);
  QCOMPARE(w->pos(), place.topLeft());
  QCOMPARE(w->height(), place.height());
  // An option may be wider than its table width so that its caption is read in full.
  if (qobject_cast<QRadioButton*>(w))
    QVERIFY(w->width() >= place.width());
  else
    QCOMPARE(w->width(), place.width());
  // Controls in a frame sit inside it; frames and the button sit on the dialog.
  const bool framed = !name.startsWith("Frame") && name != "cmdstart";
  QCOMPARE(qobject_cast<QGroupBox*>(w->parentWidget()) != nullptr, framed);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) QCOMPARE(b->text(), caption);
  if (auto* g = qobject_cast<QGroupBox*>(w)) QCOMPARE(g->title(), caption);
}

void TestFrmgame::players_enable_name_boxes_data() {
  QTest::addColumn<int>("players");
  QTest::addColumn<QList<bool>>("enabled");  // boxes 1..4
  QTest::newRow("1") << 1 << QList<bool>{true, false, false, false};
  QTest::newRow("2") << 2 << QList<bool>{true, true, false, false};
  QTest::newRow("3") << 3 << QList<bool>{true, true, true, false};
  QTest::newRow("4") << 4 << QList<bool>{true, true, true, true};
}

void TestFrmgame::players_enable_name_boxes() {
  QFETCH(int, players);
  QFETCH(QList<bool>, enabled);
  GameOptions o;
  frmgame dlg(o);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  // From four players down, so that every count also disables boxes.
  click(opt(dlg, "optplay_4"));
  click(opt(dlg, QString("optplay_%1").arg(players)));
  QCOMPARE(o.num_players, players);
  for (int i = 1; i <= 4; ++i) {
    auto* box = child<QLineEdit>(dlg, QString("txtname_%1").arg(i));
    QCOMPARE(box->isEnabled(), enabled[i - 1]);
    QCOMPARE(box->text(), QString("Player %1").arg(i));
  }
}

void TestFrmgame::game_type_enables_groups_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<bool>("countdown");
  QTest::newRow("Cricket") << 0 << false;
  QTest::newRow("Random Cricket") << 1 << false;
  QTest::newRow("301") << 2 << true;
  QTest::newRow("501") << 3 << true;
  QTest::newRow("Random Countdown") << 4 << true;
}

void TestFrmgame::game_type_enables_groups() {
  QFETCH(int, index);
  QFETCH(bool, countdown);
  GameOptions o;
  frmgame dlg(o);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  // Start from the other kind of game so that every row changes the enabling.
  click(opt(dlg, countdown ? "optgame_1" : "optgame_3"));
  click(opt(dlg, QString("optgame_%1").arg(index)));
  QCOMPARE(o.game_type, index);
  for (int i = 0; i <= 2; ++i)
    QCOMPARE(opt(dlg, QString("optctop_%1").arg(i))->isEnabled(), countdown);
  for (int i = 1; i <= 2; ++i) {
    QCOMPARE(opt(dlg, QString("optboard_%1").arg(i))->isEnabled(), !countdown);
    QVERIFY(opt(dlg, QString("optbull_%1").arg(i))->isEnabled());
  }
  for (int i = 0; i <= 4; ++i) QVERIFY(opt(dlg, QString("optgame_%1").arg(i))->isEnabled());
}

void TestFrmgame::options_store_at_once_data() {
  QTest::addColumn<QString>("game");  // chosen first, so that the group is enabled
  QTest::addColumn<QString>("option");
  QTest::addColumn<GameOptions>("expected");
  auto with = [](auto change) {
    GameOptions o;
    o.num_players = 2;
    change(o);
    return o;
  };
  QTest::newRow("Double In/Out") << "optgame_2"
                                 << "optctop_1" << with([](GameOptions& o) {
                                      o.game_type = k301;
                                      o.in_out_rule = 2;
                                    });
  QTest::newRow("Triple In/Out") << "optgame_3"
                                 << "optctop_2" << with([](GameOptions& o) {
                                      o.game_type = k501;
                                      o.in_out_rule = 3;
                                    });
  QTest::newRow("Bull inactive") << "optgame_4"
                                 << "optbull_2" << with([](GameOptions& o) {
                                      o.game_type = kRandomCountdown;
                                      o.double_bull = false;
                                    });
  QTest::newRow("Buttons") << "optgame_1"
                           << "optboard_2" << with([](GameOptions& o) {
                                o.game_type = kRandomCricket;
                                o.use_board = false;
                              });
  QTest::newRow("Three players") << "optgame_0"
                                 << "optplay_3" << with([](GameOptions& o) { o.num_players = 3; });
}

void TestFrmgame::options_store_at_once() {
  QFETCH(QString, game);
  QFETCH(QString, option);
  QFETCH(GameOptions, expected);
  GameOptions o;
  frmgame dlg(o);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(opt(dlg, game));
  click(opt(dlg, option));
  QVERIFY(o == expected);
  QVERIFY(dlg.isVisible());  // stored while the dialog is still open
}

void TestFrmgame::disabled_group_keeps_its_choice() {
  GameOptions o;
  frmgame dlg(o);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(opt(dlg, "optboard_2"));
  click(opt(dlg, "optgame_2"));
  click(opt(dlg, "optctop_1"));
  QVERIFY(!opt(dlg, "optboard_2")->isEnabled());
  QVERIFY(opt(dlg, "optboard_2")->isChecked());
  QCOMPARE(o.use_board, false);
  // Back to Cricket: the board choice comes back as it was, the in/out one is kept too.
  click(opt(dlg, "optgame_0"));
  QVERIFY(opt(dlg, "optboard_2")->isEnabled());
  QVERIFY(opt(dlg, "optboard_2")->isChecked());
  QVERIFY(opt(dlg, "optctop_1")->isChecked());
  QCOMPARE(o.use_board, false);
  QCOMPARE(o.in_out_rule, 2);
  QCOMPARE(o.game_type, kCricket);
}

void TestFrmgame::disabled_option_cannot_be_chosen() {
  GameOptions o;
  frmgame dlg(o);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(opt(dlg, "optctop_2"));
  click(opt(dlg, "optplay_1"));
  auto* box = child<QLineEdit>(dlg, "txtname_2");
  QTest::keyClicks(box, "x");
  QCOMPARE(o.in_out_rule, 0);
  QVERIFY(opt(dlg, "optctop_0")->isChecked());
  QCOMPARE(box->text(), QString("Player 2"));
}

void TestFrmgame::second_showing_keeps_choices() {
  GameOptions o;
  frmgame dlg(o);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(opt(dlg, "optplay_3"));
  click(opt(dlg, "optgame_3"));
  click(opt(dlg, "optctop_2"));
  click(opt(dlg, "optbull_2"));
  auto* box = child<QLineEdit>(dlg, "txtname_3");
  box->selectAll();
  QTest::keyClicks(box, "ann");
  click(child<QPushButton>(dlg, "cmdstart"));
  QVERIFY(!dlg.isVisible());
  QVERIFY(dlg.begun());
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
  const GameOptions afterFirst = o;

  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  QVERIFY(!dlg.begun());
  QVERIFY(o == afterFirst);
  QCOMPARE(o.num_players, 3);
  QVERIFY(opt(dlg, "optplay_3")->isChecked());
  QVERIFY(opt(dlg, "optgame_3")->isChecked());
  QVERIFY(opt(dlg, "optctop_2")->isChecked());
  QVERIFY(opt(dlg, "optctop_2")->isEnabled());
  QVERIFY(opt(dlg, "optbull_2")->isChecked());
  QVERIFY(!opt(dlg, "optboard_1")->isEnabled());
  QCOMPARE(box->text(), QString("ann"));
  QVERIFY(child<QLineEdit>(dlg, "txtname_3")->isEnabled());
  QVERIFY(!child<QLineEdit>(dlg, "txtname_4")->isEnabled());
}

void TestFrmgame::closing_without_begin() {
  GameOptions o;
  frmgame dlg(o);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(child<QPushButton>(dlg, "cmdstart"));
  QVERIFY(dlg.begun());
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(opt(dlg, "optgame_2"));
  QTest::keyClick(&dlg, Qt::Key_Escape);
  QVERIFY(!dlg.isVisible());
  QVERIFY(!dlg.begun());
  QCOMPARE(o.game_type, k301);  // stored at the click, kept however the dialog closed
}

void TestFrmgame::names_are_capitalised_for_every_seat() {
  GameOptions o;
  frmgame dlg(o);
  const QStringList typed{"SCORPION", " bob", "", "mcDonald"};
  for (int i = 1; i <= 4; ++i)
    child<QLineEdit>(dlg, QString("txtname_%1").arg(i))->setText(typed[i - 1]);
  const auto n = dlg.names();  // two players: seats 3 and 4 still get their names
  QCOMPARE(n[1], std::string("Scorpion"));
  QCOMPARE(n[2], std::string(" bob"));
  QCOMPARE(n[3], std::string());
  QCOMPARE(n[4], std::string("Mcdonald"));
}

void TestFrmgame::cap_it_data() {
  QTest::addColumn<QString>("in");
  QTest::addColumn<QString>("out");
  auto row = [](const char* name, const QString& in, const QString& out) {
    QTest::newRow(name) << in << out;
  };
  row("empty", "", "");
  row("one letter", "x", "X");
  row("words", "mary ANN", "Mary ann");
  row("inner capital", "mcDonald", "Mcdonald");
  row("shouting", "SCORPION", "Scorpion");
  row("leading space kept", " scorpion ", " scorpion ");
  row("only spaces", "   ", "   ");
  row("digit first", "1st PLACE", "1st place");
  row("accent", QString::fromUtf8("élise"), QString::fromUtf8("Élise"));
  row("accent shouting", QString::fromUtf8("ÉLISE"), QString::fromUtf8("Élise"));
  row("greek final sigma", QString::fromUtf8("ΑΛΕΞΗΣ"), QString::fromUtf8("Αλεξης"));
  row("greek inner sigmas", QString::fromUtf8("ΟΔΥΣΣΕΑΣ ΣΟΦΟΣ"),
      QString::fromUtf8("Οδυσσεας σοφος"));
  row("greek sigma alone", QString::fromUtf8("Α Σ"), QString::fromUtf8("Α σ"));
  row("cyrillic", QString::fromUtf8("иВАН"), QString::fromUtf8("Иван"));
  row("digraph title form", QString::fromUtf8("ǆemal"), QString::fromUtf8("ǅemal"));
  // Deseret small long I (U+10428) raises to U+10400: both halves of the pair change.
  row("outside the basic plane", QString::fromUtf8("\U00010428ABC"),
      QString::fromUtf8("\U00010400abc"));
  row("emoji first", QString::fromUtf8("\U0001F3AFDARTS"), QString::fromUtf8("\U0001F3AFdarts"));
  row("lone high surrogate", QString(QChar(0xD83C)) + "AB", QString(QChar(0xD83C)) + "ab");
}

void TestFrmgame::cap_it() {
  QFETCH(QString, in);
  QFETCH(QString, out);
  QCOMPARE(Cap_it(in), out);
}

void TestFrmgame::every_caption_fits() {
  GameOptions o;
  frmgame dlg(o);
  for (auto* r : dlg.findChildren<QRadioButton*>()) {
    QStyleOptionButton look;
    look.initFrom(r);
    look.text = r->text();
    const QRect caption = r->style()->subElementRect(QStyle::SE_RadioButtonContents, &look, r);
    const int text = r->fontMetrics().horizontalAdvance(r->text());
    QVERIFY2(caption.width() >= text, qPrintable(r->objectName()));
    // Inside its frame, and clear of the circle of an option to its right.
    QVERIFY2(r->geometry().right() < r->parentWidget()->width() - 1, qPrintable(r->objectName()));
    for (auto* other : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
      const bool sameRow =
          other->y() < r->geometry().bottom() && r->y() < other->geometry().bottom();
      if (sameRow && other->x() > r->x())
        QVERIFY2(r->x() + caption.left() + text <= other->x(),
                 qPrintable(r->objectName() + " runs into " + other->objectName()));
    }
  }
}

QTEST_MAIN(TestFrmgame)
#include "test_frmgame.moc"
