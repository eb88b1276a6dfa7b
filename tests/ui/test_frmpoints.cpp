// The score-editing dialog: its controls, the seat enabling, each choice it stores and
// the difference between "OK" and any other way of closing it.

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include "ui/fonts.h"
#include "ui/frmpoints.h"
#include "ui/twips.h"

namespace {

void click(QWidget* w) {
  QVERIFY(w);
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
}

}  // namespace

class TestFrmpoints : public QObject {
  Q_OBJECT

  template <typename T = QRadioButton>
  static T* child(const frmpoints& dlg, const QString& name) {
    auto* w = dlg.findChild<T*>(name);
    if (!w) qWarning("no child %s", qPrintable(name));
    return w;
  }

 private slots:
  void initTestCase() { installFontSubstitutes(); }  // as the program does at start
  void should_have_default_values();
  void controls_at_their_places_data();
  void controls_at_their_places();
  void every_caption_fits();
  void seats_enabled_up_to_the_players_data();
  void seats_enabled_up_to_the_players();
  void every_amount_is_its_own_index_data();
  void every_amount_is_its_own_index();
  void ok_confirms_the_choice_data();
  void ok_confirms_the_choice();
  void closing_otherwise_changes_nothing_data();
  void closing_otherwise_changes_nothing();
};

void TestFrmpoints::should_have_default_values() {
  frmpoints dlg(2);
  QCOMPARE(dlg.edit_points, 1);
  QCOMPARE(dlg.edit_add, true);
  QCOMPARE(dlg.edit_player, 1);
  QVERIFY(!dlg.confirmed());
  QVERIFY(dlg.windowTitle().isEmpty());
  QCOMPARE(dlg.size(), QSize(192, 264));
  QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

  const auto options = dlg.findChildren<QRadioButton*>();
  QCOMPARE(options.size(), 4 + 2 + 22);
  const QStringList checked{"optpoints_1", "Option5", "optplayer_1"};
  for (auto* r : options)
    QVERIFY2(r->isChecked() == checked.contains(r->objectName()), qPrintable(r->objectName()));
  QVERIFY(child(dlg, "optplayer_2")->isEnabled());
  QVERIFY(!child(dlg, "optplayer_3")->isEnabled());
  QVERIFY(!child(dlg, "optplayer_4")->isEnabled());
}

void TestFrmpoints::controls_at_their_places_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QRect>("place");
  auto row = [](const QString& n, const QString& c, const char* p, QRect r) {
    QTest::newRow(qPrintable(n)) << n << c << QString(p) << r;
  };
  row("Frame2", "Player:", "frmpoints", twipsRect(90, 45, 735, 1545));
  const int seatTop[] = {270, 585, 900, 1215};
  for (int i = 1; i <= 4; ++i)
    row(QString("optplayer_%1").arg(i), QString::number(i), "Frame2",
        twipsRect(180, seatTop[i - 1], 500, 195));
  row("Option5", "Add", "frmpoints", twipsRect(90, 1935, 690, 330));
  row("Option6", "Subtract", "frmpoints", twipsRect(90, 2520, 960, 330));
  row("Frame1", "How many points?", "frmpoints", twipsRect(1170, 45, 1635, 3480));
  const int firstTop[] = {360, 630, 900, 1170, 1440, 1710, 1980, 2250, 2520, 2790, 3060};
  for (int k = 1; k <= 11; ++k)
    row(QString("optpoints_%1").arg(k), QString::number(k), "Frame1",
        twipsRect(225, firstTop[k - 1], 735, 240));
  const int secondAmount[] = {12, 13, 14, 15, 16, 17, 18, 19, 20, 25, 50};
  const int secondTop[] = {360, 675, 945, 1215, 1485, 1755, 2025, 2295, 2565, 2835, 3105};
  for (int k = 0; k < 11; ++k)
    row(QString("optpoints_%1").arg(secondAmount[k]), QString::number(secondAmount[k]), "Frame1",
        twipsRect(855, secondTop[k], 735, 240));
  row("Command1", "OK", "frmpoints", twipsRect(855, 3600, 1140, 330));
}

void TestFrmpoints::controls_at_their_places() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QString, parent);
  QFETCH(QRect, place);
  frmpoints dlg(4);
  auto* w = child<QWidget>(dlg, name);
  QVERIFY(w);
  QCOMPARE(w->pos(), place.topLeft());
  QCOMPARE(w->height(), place.height());
  // An option may be wider than its table width so that its caption is read in full.
  if (qobject_cast<QRadioButton*>(w))
    QVERIFY(w->width() >= place.width());
  else
    QCOMPARE(w->width(), place.width());
  QCOMPARE(w->parentWidget()->objectName(), parent);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) QCOMPARE(b->text(), caption);
  if (auto* g = qobject_cast<QGroupBox*>(w)) QCOMPARE(g->title(), caption);
}

void TestFrmpoints::seats_enabled_up_to_the_players_data() {
  QTest::addColumn<int>("players");
  QTest::addColumn<int>("enabledUpTo");
  QTest::newRow("1") << 1 << 1;
  QTest::newRow("2") << 2 << 2;
  QTest::newRow("3") << 3 << 3;
  QTest::newRow("4") << 4 << 4;
  QTest::newRow("none yet") << 0 << 1;  // seat 1 is always there to choose
  QTest::newRow("out of range") << 9 << 4;
}

void TestFrmpoints::seats_enabled_up_to_the_players() {
  QFETCH(int, players);
  QFETCH(int, enabledUpTo);
  frmpoints dlg(players);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  for (int i = 1; i <= 4; ++i) {
    auto* seat = child(dlg, QString("optplayer_%1").arg(i));
    QCOMPARE(seat->isEnabled(), i <= enabledUpTo);
    click(seat);
    QCOMPARE(dlg.edit_player, std::min(i, enabledUpTo));
  }
}

void TestFrmpoints::every_amount_is_its_own_index_data() {
  QTest::addColumn<int>("amount");
  for (int a : {50, 25, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2})
    QTest::newRow(qPrintable(QString::number(a))) << a;
}

void TestFrmpoints::every_amount_is_its_own_index() {
  QFETCH(int, amount);
  frmpoints dlg(2);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(child(dlg, QString("optpoints_%1").arg(amount)));
  QCOMPARE(dlg.edit_points, amount);
  QVERIFY(!child(dlg, "optpoints_1")->isChecked());
  click(child(dlg, "optpoints_1"));
  QCOMPARE(dlg.edit_points, 1);
  QVERIFY(!child(dlg, QString("optpoints_%1").arg(amount))->isChecked());
}

void TestFrmpoints::ok_confirms_the_choice_data() {
  QTest::addColumn<QStringList>("clicks");
  QTest::addColumn<int>("points");
  QTest::addColumn<bool>("add");
  QTest::addColumn<int>("seat");
  QTest::newRow("unchanged is +1 to seat 1") << QStringList{} << 1 << true << 1;
  QTest::newRow("25 off seat 2") << QStringList{"optpoints_25", "Option6", "optplayer_2"} << 25
                                 << false << 2;
  QTest::newRow("50 to seat 4") << QStringList{"optplayer_4", "optpoints_50"} << 50 << true << 4;
  QTest::newRow("subtract then add again")
      << QStringList{"Option6", "optplayer_3", "Option5", "optpoints_7"} << 7 << true << 3;
}

void TestFrmpoints::ok_confirms_the_choice() {
  QFETCH(QStringList, clicks);
  QFETCH(int, points);
  QFETCH(bool, add);
  QFETCH(int, seat);
  frmpoints dlg(4);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  for (const QString& name : clicks) click(child(dlg, name));
  click(child<QPushButton>(dlg, "Command1"));
  QVERIFY(!dlg.isVisible());
  QVERIFY(dlg.confirmed());
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
  QCOMPARE(dlg.edit_points, points);
  QCOMPARE(dlg.edit_add, add);
  QCOMPARE(dlg.edit_player, seat);
  QCOMPARE(child(dlg, "Option6")->isChecked(), !add);
}

void TestFrmpoints::closing_otherwise_changes_nothing_data() {
  QTest::addColumn<bool>("escape");
  QTest::newRow("Escape") << true;
  QTest::newRow("close box") << false;
}

void TestFrmpoints::closing_otherwise_changes_nothing() {
  QFETCH(bool, escape);
  frmpoints dlg(2);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  click(child(dlg, "optpoints_20"));
  if (escape)
    QTest::keyClick(&dlg, Qt::Key_Escape);
  else
    dlg.close();
  QVERIFY(!dlg.isVisible());
  QVERIFY(!dlg.confirmed());
  QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void TestFrmpoints::every_caption_fits() {
  frmpoints dlg(4);
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

QTEST_MAIN(TestFrmpoints)
#include "test_frmpoints.moc"
