// The score-editing dialog: the seat enabling, the choices it stores, and "OK" against any
// other way of closing it.

#include <QRadioButton>
#include <QtTest>

#include "ui/fonts.h"
#include "ui/scoreeditdialog.h"

class TestScoreEditDialog : public QObject {
  Q_OBJECT
  std::unique_ptr<ScoreEditDialog> dialog_;

  void open(int players) {
    dialog_ = std::make_unique<ScoreEditDialog>(players);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
  }
  void click(const QString& name) {
    auto* w = dialog_->findChild<QAbstractButton*>(name);
    QVERIFY2(w, qPrintable(name));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }

 private slots:
  void initTestCase() { installFontSubstitutes(); }  // as the program does at start

  void shouldHaveDefaultValues() {
    open(2);
    QCOMPARE(dialog_->size(), QSize(192, 264));
    const QStringList checked{"optpoints_1", "Option5", "optplayer_1"};
    for (auto* r : dialog_->findChildren<QRadioButton*>())
      QVERIFY2(r->isChecked() == checked.contains(r->objectName()), qPrintable(r->objectName()));
  }

  // Only "OK" confirms; the close box and Escape leave the score as it was.
  void okConfirmsTheChoice() {
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
      QVERIFY(dialog_->findChild<QRadioButton*>("optplayer_1")->isEnabled());
      for (const QString& name : clicks) click(name);
      click("Command1");
      QVERIFY2(!dialog_->isVisible(), qPrintable(row + "still open"));
      QVERIFY2(dialog_->confirmed(), qPrintable(row + "not confirmed"));
      QVERIFY2(dialog_->points == points,
               qPrintable(row + "points " + QString::number(dialog_->points)));
      QVERIFY2(dialog_->add == add, qPrintable(row + (dialog_->add ? "adds" : "subtracts")));
      QVERIFY2(dialog_->seat == seat, qPrintable(row + "seat " + QString::number(dialog_->seat)));
    }
    for (bool escape : {true, false}) {
      open(2);
      for (int a : {2, 11, 12, 19, 20, 25, 50}) {  // both columns: each option its own amount
        click(QString("optpoints_%1").arg(a));
        QCOMPARE(dialog_->points, a);
      }
      escape ? QTest::keyClick(dialog_.get(), Qt::Key_Escape) : void(dialog_->close());
      QVERIFY2(!dialog_->isVisible(), escape ? "Escape" : "close box");
      QVERIFY2(!dialog_->confirmed(), escape ? "Escape" : "close box");
    }
  }
};

QTEST_MAIN(TestScoreEditDialog)
#include "test_scoreeditdialog.moc"
