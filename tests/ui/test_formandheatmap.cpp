// The form chart and the heatmap of the statistics window: the chart's series are the
// figures of each game read from the journal, a hovered point names its game, the heatmap
// glows where the darts landed, either picture saves as a PNG, and an empty history draws
// both empty.

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "journal/journalsession.h"
#include "ui/figuretables.h"
#include "ui/formview.h"
#include "ui/pictures.h"
#include "ui/statisticswindow.h"

namespace {

// Landing points of known beds, in twips.
constexpr QPointF kT20(3600, 2300);
constexpr QPointF kS20(3600, 1800);
constexpr QPointF kMiss(3600, 300);

// Plays a game of Ann against Bob with the darts given, recording it as the window does.
void play(JournalSession& session, int16_t type, const std::vector<QPointF>& darts,
          const std::array<std::string, kSeats + 1>& names = {"", "Ann", "Bob", "", ""}) {
  Game game([&session] { return session.draw(); });
  game.options = {.gameType = type, .playerCount = 2};
  game.setPlayerNames(names);
  session.aboutToSetUp();
  game.startGame();
  session.beginGame(game);
  for (const QPointF& at : darts) {
    const GameInput input = GameInput::boardDart(float(at.x()), float(at.y()));
    session.record(input, game.autoWin);
    game.apply(input);
    session.afterInput(game);
  }
}

QList<QPointF> pointsOf(StatisticsWindow& window, const QString& series) {
  auto* chart = window.findChild<QChartView*>("chtform")->chart();
  for (QAbstractSeries* s : chart->series()) {
    if (s->name() == series) return static_cast<QLineSeries*>(s)->points();
  }
  return {};
}

}  // namespace

class TestFormAndHeatmap : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> home_;
  QString path() const { return home_->path() + "/games.sqlite"; }

 private slots:
  void init() { home_ = std::make_unique<QTemporaryDir>(); }

  // (How each game's figure is worked out is the player history's test.)
  void eachGamesFigureIsAPointOfTheChartThatNamesItsGame() {
    JournalSession session(path());
    // Ann's turns: 180 in a 501, 3 marks in Cricket, 80 in a 501, and one dart of a 301
    // that Bob opens; Bob never finishes a turn.
    play(session, k501, {kT20, kT20, kT20});
    play(session, kCricket, {kT20, kMiss, kMiss});
    play(session, k501, {kT20, kS20, kMiss});
    play(session, k301, {kMiss, kMiss, kMiss, kT20}, {"", "Bob", "Ann", "", ""});
    StatisticsWindow window(session);
    auto* player = window.findChild<QComboBox*>("cboplayer");
    QCOMPARE(player->currentText(), QString("Bob"));  // seat 1 of the latest game
    player->setCurrentText("Ann");
    QCOMPARE(pointsOf(window, "3-Dart Average"), (QList<QPointF>{{1, 180}, {3, 80}}));
    QCOMPARE(pointsOf(window, "3-Dart Average, Last Five").at(1).y(), (180 + 80) / 2.0);
    QCOMPARE(pointsOf(window, "Marks per Round"), (QList<QPointF>{{2, 3}}));
    QCOMPARE(window.findChild<QTableView*>("Form by game")->model()->rowCount(), 3);
    // Her darts of all four games, drawn once the heatmap is shown.
    window.findChild<QTabWidget*>("tabstats")->setCurrentIndex(4);
    QCOMPARE(window.findChild<QLabel*>("lblbeds")->text(), QString("T20 60%, Miss 30%, 20 10%"));
    QCOMPARE(window.findChild<QLabel*>("lbldarts")->text(), QString("10 darts on the board."));

    auto* chart = window.findChild<QChartView*>("chtform")->chart();
    auto* averages = static_cast<QLineSeries*>(chart->series().at(0));
    auto* marks = static_cast<QLineSeries*>(chart->series().at(2));
    const std::string date = session.journal()->games()[0].started.substr(0, 16);
    const QString day = QString::fromStdString(date).replace('T', ' ');
    emit averages->hovered(QPointF(1.2, 50), true);
    QCOMPARE(QToolTip::text(), day + ", 501, unfinished");
    emit marks->hovered(QPointF(1.7, 2), true);
    QCOMPARE(QToolTip::text().mid(16), QString(", Cricket, unfinished"));
  }

  // The chart's module is looked for beside the program, and in the build folder only by
  // a program inside it; one that cannot be loaded says why.
  void chartModuleIsFoundOnlyWhereItBelongs() {
    const QString beside = "/opt/b/lib/brindlemark/brindlemark-formchart.so";
    QCOMPARE(formChartModulePaths("/opt/b/bin", "/home/me/build"), QStringList{beside});
    QCOMPARE(formChartModulePaths("/home/me/build-old/bin", "/home/me/build").size(), 1);
    QCOMPARE(formChartModulePaths("/home/me/build/tests/ui", "/home/me/build"),
             (QStringList{"/home/me/build/tests/lib/brindlemark/brindlemark-formchart.so",
                          "/home/me/build/lib/brindlemark/brindlemark-formchart.so"}));

    const QString missing = home_->path() + "/none.so";
    QCOMPARE(loadFormChartModule({missing}).whyNot,
             "brindlemark-formchart.so was not found at " + missing);
    QFile notAModule(home_->path() + "/text.so");
    QVERIFY(notAModule.open(QIODevice::WriteOnly));
    notAModule.write("not a module");
    notAModule.close();
    const FormChartModule broken = loadFormChartModule({missing, notAModule.fileName()});
    QVERIFY(!broken.create);
    QVERIFY2(broken.whyNot.contains(notAModule.fileName()), qPrintable(broken.whyNot));
  }

  void heatmapGlowsWhereTheDartsLandedAndSavesAsPng() {
    JournalSession session(path());
    play(session, k501, std::vector<QPointF>(30, kT20));
    StatisticsWindow window(session);
    auto* tabs = window.findChild<QTabWidget*>("tabstats");
    auto* save = window.findChild<QPushButton*>("cmdsavepicture");
    QVERIFY(window.picture().isNull());  // the table of this game has no picture
    QVERIFY(!save->isEnabled());
    QVERIFY(!window.savePicture(home_->path() + "/none.png"));

    tabs->setCurrentIndex(4);  // Heatmap
    QVERIFY(save->isEnabled());
    const QImage heat = window.picture();
    const QImage board = pictures::boardImage();
    QCOMPARE(heat.size(), board.size());
    const QColor hot = heat.pixelColor(240, 2300 / 15);
    QVERIFY2(hot.red() > 200 && hot.blue() < 80, qPrintable(hot.name()));
    QCOMPARE(heat.pixel(60, 400), board.pixel(60, 400));  // no dart came near

    const QString file = home_->path() + "/heat.png";
    QVERIFY(window.savePicture(file));
    QCOMPARE(QImage(file, "PNG").convertToFormat(heat.format()), heat);
    window.choosePictureFile = [this] { return home_->path() + "/chart.png"; };
    tabs->setCurrentIndex(3);  // Form
    QVERIFY(!window.picture().isNull());
    save->click();
    QCOMPARE(QImage(home_->path() + "/chart.png").size(), window.picture().size());
  }

  // One row per figure, one column per choice of games; a figure without a value is "-".
  void playersFiguresStandInARowEachForEveryChoiceOfGames() {
    JournalSession session(path());
    for (int g = 0; g < 11; ++g) play(session, k501, {kT20, kT20, kT20, kMiss, kMiss, kMiss});
    play(session, k501, {kS20, kS20, kS20});
    StatisticsWindow window(session);
    auto* tabs = window.findChild<QTabWidget*>("tabstats");
    auto* table = window.findChild<QTableWidget*>("Figures of the player");
    QVERIFY(table);
    tabs->setCurrentWidget(table);
    QVERIFY(window.findChild<QComboBox*>("cboplayer")->isEnabled());
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
      headers << table->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, (QStringList{"Figure", "This Game", "Last Ten Games", "All Games"}));
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
      rows << cells.join(" | ");
    }
    // Ann: 180 in eleven games, 60 in the last; Any In/Out has no checkout, nobody won.
    QCOMPARE(rows, (QStringList{
                       "3-dart average | 60.00 | 168.00 | 170.00",
                       "First-nine average | 60.00 | 168.00 | 170.00",
                       "Checkout % | - | - | -",
                       "Highest checkout | - | - | -",
                       "Best leg | - | - | -",
                       "180s | 0 | 9 | 11",
                       "140+ | 0 | 0 | 0",
                       "100+ | 0 | 0 | 0",
                       "Marks per round | - | - | -",
                   }));
    window.findChild<QComboBox*>("cboplayer")->setCurrentText("Bob");
    QCOMPARE(table->item(0, 3)->text(), QString("0.00"));
  }

  void checkoutIsAShareOfTheDartsAtAFinish() {
    const auto text = [](int checkouts, int finishDarts) {
      return checkoutText({.finishDarts = finishDarts, .checkouts = checkouts});
    };
    QCOMPARE(text(1, 3), QString("33.3% (1/3)"));
    QCOMPARE(text(2, 2), QString("100.0% (2/2)"));
    QCOMPARE(text(0, 7), QString("0.0% (0/7)"));
    QCOMPARE(text(0, 0), QString("-"));
  }

  void aNameOnTwoLinesIsChosenOnOne() {
    JournalSession session(path());
    play(session, k501, {kT20, kT20, kT20}, {"", "Ann\nLee", "Bob", "", ""});
    StatisticsWindow window(session);
    auto* player = window.findChild<QComboBox*>("cboplayer");
    QCOMPARE(player->currentText(), QString("Ann\u240aLee"));
    QCOMPARE(pointsOf(window, "3-Dart Average"), (QList<QPointF>{{1, 180}}));
  }

  void emptyHistoryDrawsBothEmptyWithASentence() {
    JournalSession session(path());
    StatisticsWindow window(session);
    QVERIFY(window.findChild<QLabel*>("lblnogames"));
    QCOMPARE(window.findChild<QComboBox*>("cboplayer")->count(), 0);
    for (const char* series : {"3-Dart Average", "Marks per Round", "3-Dart Average, Last Five"})
      QVERIFY(pointsOf(window, series).isEmpty());
    QCOMPARE(window.findChild<QLabel*>("lblnoform")->text(), QString("No games to chart yet."));
    window.findChild<QTabWidget*>("tabstats")->setCurrentIndex(2);
    QCOMPARE(window.findChild<QLabel*>("lbldarts")->text(),
             QString("No darts landed on the board in these games."));
    QCOMPARE(window.findChild<QLabel*>("lblbeds")->text(), QString());
    QCOMPARE(window.picture(), pictures::boardImage().convertToFormat(window.picture().format()));
  }
};

QTEST_MAIN(TestFormAndHeatmap)
#include "test_formandheatmap.moc"
