// The Cricket high-score table: the labels it fills and what its two buttons do.

#include <QLabel>
#include <QtTest>

#include "../store/storefiles.h"
#include "store/settingsstore.h"
#include "ui/highscoresdialog.h"

class TestHscores : public QObject {
  Q_OBJECT

 private slots:
  // The labels show the table; "Back to the Game" changes nothing; "Reset to Default"
  // restores the built-in table, in memory and in the file, and closes.
  void labelsAndButtons() {
    const StoreFolder folder;
    SettingsStore store(folder.path());
    HighScores scores(store);
    scores.load();
    scores.offerWin("<b>Bold</b>", 10);  // a name is shown as typed, not as markup
    const QStringList names{"<b>Bold</b>", "Tam Vellander", "Orrin Bascombe", "Pell", "Corvo"};
    const QStringList rounds{"10", "20", "31", "43", "54"};
    for (const char* button : {"cmdok", "Command1"}) {
      HighScoresDialog dialog(scores);
      for (int i = 0; i < 5; ++i) {
        QCOMPARE(dialog.findChild<QLabel*>(QString("lblplayer_%1").arg(i))->text(), names[i]);
        QCOMPARE(dialog.findChild<QLabel*>(QString("lblrounds_%1").arg(i))->text(), rounds[i]);
      }
      QCOMPARE(dialog.findChild<QLabel*>("lblplayer_0")->textFormat(), Qt::PlainText);
      dialog.show();
      QTest::mouseClick(dialog.findChild<QWidget*>(button), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
      const bool reset = button == std::string("Command1");
      QCOMPARE(scores.table == kBuiltInTable, reset);
      QCOMPARE(store.read("Name1").value(),
               std::string(reset ? "Tam Vellander" : names[0].toStdString()));
    }
  }
};

QTEST_MAIN(TestHscores)
#include "test_highscoresdialog.moc"
