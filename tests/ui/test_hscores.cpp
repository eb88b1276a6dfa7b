#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "store/highscores.h"
#include "store/settingsstore.h"
#include "ui/hscores.h"
#include "ui/twips.h"

class TestHscores : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<SettingsStore>(dir_->filePath("Vellander Software.conf"));
    scores_ = std::make_unique<HighScores>(*store_);
    scores_->Get_Hscores();
  }

  void shouldHaveDefaultValues() {
    hscores dialog(*scores_);
    QCOMPARE(dialog.windowTitle(), QString("                Cricket High Scores"));
    QCOMPARE(dialog.size(), QSize(twips(3555), twips(3765)));
    const char* names[] = {"Tam Vellander", "Orrin Bascombe", "Pell", "Corvo", "Illo"};
    const char* rounds[] = {"20", "31", "43", "54", "67"};
    const int playerTop[] = {810, 1260, 1710, 2160, 2610};
    const int roundsTop[] = {810, 1250, 1710, 2160, 2610};
    for (int i = 0; i < 5; ++i) {
      auto* player = dialog.findChild<QLabel*>(QString("lblplayer_%1").arg(i));
      auto* round = dialog.findChild<QLabel*>(QString("lblrounds_%1").arg(i));
      QVERIFY(player && round);
      QCOMPARE(player->text(), QString(names[i]));
      QCOMPARE(round->text(), QString(rounds[i]));
      QCOMPARE(player->geometry(), twipsRect(90, playerTop[i], 1995, 330));
      QCOMPARE(round->geometry(), twipsRect(2475, roundsTop[i], 735, 330));
      QVERIFY(player->font().bold());
      QCOMPARE(player->font().pixelSize(), 13);
    }
    auto* heading = dialog.findChild<QLabel*>("Label1");
    QVERIFY(heading);
    QCOMPARE(heading->text(), QString("Player Name"));
    QCOMPARE(heading->font().pixelSize(), 18);
    QCOMPARE(dialog.findChild<QLabel*>("Label2")->geometry(), twipsRect(2070, 135, 1320, 375));
    auto* line = dialog.findChild<QFrame*>("Line1");
    QVERIFY(line);
    QCOMPARE(line->geometry().left(), twips(90));
    QCOMPARE(line->geometry().right(), twips(3420) - 1);
    QCOMPARE(line->geometry().top(), twips(540));
    auto* reset = dialog.findChild<QPushButton*>("Command1");
    auto* ok = dialog.findChild<QPushButton*>("cmdok");
    QVERIFY(reset && ok);
    QCOMPARE(reset->text(), QString("Reset to Default"));
    QCOMPARE(reset->geometry(), twipsRect(180, 3300, 1395, 375));
    QCOMPARE(ok->text(), QString("Back to the Game"));
    QCOMPARE(ok->geometry(), twipsRect(1860, 3330, 1545, 375));
  }

  void namesAreShownAsPlainText() {
    scores_->check_HScores("<b>Bold</b> & Co", 10);
    hscores dialog(*scores_);
    auto* player = dialog.findChild<QLabel*>("lblplayer_0");
    QCOMPARE(player->textFormat(), Qt::PlainText);
    QCOMPARE(player->text(), QString("<b>Bold</b> & Co"));
    QCOMPARE(dialog.findChild<QLabel*>("lblplayer_1")->text(), QString("Tam Vellander"));
  }

  void resetRestoresDefaultsAndCloses() {
    scores_->check_HScores("Winner", 10);
    hscores dialog(*scores_);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(scores_->hstable == HighScores::defaultTable());
    QCOMPARE(store_->read("Name1"), std::optional<std::string>("Tam Vellander"));
    // the dialog closes without being refreshed
    QCOMPARE(dialog.findChild<QLabel*>("lblplayer_0")->text(), QString("Winner"));
  }

  void backToTheGameChangesNothing() {
    scores_->check_HScores("Winner", 10);
    const auto before = scores_->hstable;
    hscores dialog(*scores_);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdok"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(scores_->hstable == before);
    QCOMPARE(store_->read("Name1"), std::optional<std::string>("Winner"));
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<HighScores> scores_;
};

QTEST_MAIN(TestHscores)
#include "test_hscores.moc"
