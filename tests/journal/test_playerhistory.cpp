// One player's history as the database reads it from the figures kept for each game: the
// form chart's points against the figures of each game, and the landing points of the
// heatmap for each choice of games.
#include <gtest/gtest.h>

#include "journal/bed.h"
#include "journal/historyfigures.h"
#include "journal/playerhistory.h"
#include "journalfiles.h"

#include <map>

namespace {

struct History {
  JournalFolder folder;
  JournalSession session{folder.path()};
  std::vector<int64_t> ids;

  void play(GameOptions options, const std::string& script,
            const std::array<std::string, kSeats + 1>& names = {"", "Ann", "Bob", "", ""}) {
    RecordedPlay play(session);
    play.start(options, names);
    play.play(script);
    ids.push_back(*session.currentGame());
  }
};

const GameOptions k501Pair{k501, 2, 0, true, true};
const GameOptions kCricketPair{kCricket, 2, 0, true, true};

TEST(PlayerHistory, FormPointsAreEachGamesFigureWithTheMeanOfTheLastFive) {
  History h;
  // Ann's countdown games: T20, S<i>, S1, Bob's three singles, then Ann's three S20s,
  // (61 + i + 60) x 3 / 6 each; two Cricket games and one game without Ann in between.
  for (int i = 1; i <= 7; ++i) {
    h.play(k501Pair, "T20 S" + std::to_string(i) + " S1  S1 S1 S1  S20 S20 S20");
    if (i == 2) h.play(kCricketPair, "T20 S19 M  S1 S1 S1  D18 M M");
    if (i == 4) h.play(k501Pair, "T20 T20 T20", {"", "Cy", "Di", "", ""});
  }
  h.play(kCricketPair, "S17 S17 S17  S1 S1 S1");  // Ann's first turn only, still in progress
  h.play(k501Pair, "S1 S1", {"", "Bob", "Ann", "", ""});  // Ann has no settled turn yet
  const std::vector<RecordedGame> games = h.session.journal()->games();
  ASSERT_EQ(11u, games.size());

  const HistoryFigures history(*h.session.journal());
  EXPECT_EQ((std::vector<std::string>{"Ann", "Bob", "Cy", "Di"}), history.playerNames());
  const std::vector<PlayerGame> ann = history.gamesOf("Ann");
  ASSERT_EQ(10u, ann.size());
  EXPECT_EQ(h.ids.back(), ann.back().game);
  const PlayerForm form = playerForm(ann);

  // Each countdown game's point is Ann's average in it, at its place among her games.
  std::vector<int> orders;
  std::vector<double> averages;
  for (const FormPoint& p : form.countdown) orders.push_back(p.order), averages.push_back(p.value);
  EXPECT_EQ((std::vector<int>{1, 2, 4, 5, 6, 7, 8}), orders);
  EXPECT_EQ((std::vector<double>{61, 61.5, 62, 62.5, 63, 63.5, 64}), averages);  // (121 + i) / 2
  EXPECT_DOUBLE_EQ(61.0, form.countdown[0].movingAverage);
  EXPECT_DOUBLE_EQ((61.0 + 61.5 + 62.0) / 3, form.countdown[2].movingAverage);
  EXPECT_DOUBLE_EQ((62.0 + 62.5 + 63.0 + 63.5 + 64.0) / 5, form.countdown[6].movingAverage);

  ASSERT_EQ(2u, form.cricket.size());
  EXPECT_EQ(3, form.cricket[0].order);
  EXPECT_DOUBLE_EQ(3.0, form.cricket[0].value);  // six marks in two turns
  EXPECT_DOUBLE_EQ(3.0, form.cricket[1].value);  // three marks in one turn
  EXPECT_DOUBLE_EQ(3.0, form.cricket[1].movingAverage);

  // The label names the game: its date, its type and what became of it for Ann.
  const std::string date = games[0].started.substr(0, 10) + " " + games[0].started.substr(11, 5);
  EXPECT_EQ(date + ", 501, unfinished", form.countdown[0].label);
  EXPECT_EQ(", Cricket, unfinished", form.cricket[1].label.substr(16));
}

TEST(PlayerHistory, ResultNamesWinsAndLosses) {
  History h;
  EXPECT_FALSE(HistoryFigures(*h.session.journal()).latestGame());
  h.play({k301, 2, 0, true, true}, "T20 T20 T20  S1 S1 S1  T20 T20 S1");
  // Ann closes every number and wins the Cricket game 60 to 0.
  h.play(kCricketPair, "T20 T20 T19  M M M  T18 T17 T16  M M M  T15 IB OB");
  h.play(k501Pair, "S1");
  const HistoryFigures history(*h.session.journal());
  ASSERT_EQ(Outcome::Won, h.session.journal()->games()[0].outcome);
  ASSERT_EQ(Outcome::Won, h.session.journal()->games()[1].outcome);
  EXPECT_EQ(h.ids.back(), history.latestGame());
  EXPECT_EQ("won", resultFor(history.gamesOf("Ann")[0]));
  EXPECT_EQ("lost", resultFor(history.gamesOf("Bob")[0]));
  EXPECT_EQ("won", resultFor(history.gamesOf("Ann")[1]));
  // 24 marks in three turns, the bull's three among them
  EXPECT_EQ(24, history.gamesOf("Ann")[1].figures.cricket.marks);
  EXPECT_EQ("lost", resultFor(history.gamesOf("Bob")[1]));
  EXPECT_EQ("in progress", resultFor(history.gamesOf("Bob")[2]));
}

TEST(PlayerHistory, LandingsAreThePlayersOwnDartsInTheChosenGames) {
  History h;
  // Twelve games: in game g Ann throws g darts at the treble twenty (a turn at most),
  // Bob three at the treble nineteen.
  for (int g = 1; g <= 12; ++g) {
    std::string script;
    for (int d = 1; d <= 3; ++d) script += d <= std::min(g, 3) ? "T20 " : "M ";
    h.play(k501Pair, script + "T19 T19 T19");
  }
  // A Cricket game on buttons has no landing points; the game that follows it is this game.
  h.play({kCricket, 2, 0, true, false}, "b1 b1 n b2");
  h.play(k501Pair, "D20 D20 S20", {"", "Bob", "Ann", "", ""});
  const HistoryFigures history(*h.session.journal());
  ASSERT_EQ(14u, history.gamesOf("Ann").size());
  const auto ann = [&](GameScope scope, int64_t shown = 0) {
    return history.landingsOf("Ann", scope, shown);
  };

  const auto beds = [](const LandingCounts& landings) { return landings.beds; };
  using Beds = std::map<std::string, int>;
  EXPECT_EQ((Beds{{"T20", 1 + 2 + 3 * 10}, {"Miss", 3}}), beds(ann(GameScope::All)));
  EXPECT_EQ((Beds{{"T20", 3 * 8}}), beds(ann(GameScope::LastTen)));
  EXPECT_EQ((Beds{}), beds(ann(GameScope::ThisGame, h.ids.back())));
  EXPECT_EQ((Beds{{"T20", 2}, {"Miss", 1}}), beds(ann(GameScope::ThisGame, h.ids[1])));
  EXPECT_EQ((Beds{{"D20", 2}, {"20", 1}}),
            beds(history.landingsOf("Bob", GameScope::ThisGame, h.ids.back())));
  // The three darts of the first game, counted in the cells they landed in.
  const DensityGrid grid;
  const LandingCounts one = ann(GameScope::ThisGame, h.ids[0]);
  EXPECT_EQ(3, one.darts);
  using Cells = std::vector<std::array<int, 3>>;
  const int column = grid.cellOf(bedPoint("T20").x);
  EXPECT_EQ(column, grid.cellOf(bedPoint("M").x));
  EXPECT_EQ((Cells{{column, grid.cellOf(bedPoint("M").y), 2},
                   {column, grid.cellOf(bedPoint("T20").y), 1}}),
            one.cells);
}

// The database counts a player's darts by cell as the heatmap counts them itself, however
// the cells follow one another: along a row, down a column, and with counts that equal a
// neighbour's column or row.
TEST(PlayerHistory, LandingsCountedByTheDatabaseAreTheDartsCountedByCell) {
  History h;
  RecordedPlay play(h.session);
  play.start(k501Pair, {"", "Ann", "Bob", "", ""});
  const DensityGrid grid;
  const std::pair<int, int> cells[] = {{5, 7}, {5, 7}, {5, 7}, {5, 7}, {5, 7}, {5, 7},
                                       {5, 8}, {6, 8}, {7, 3}, {7, 7}, {8, 1}, {8, 1},
                                       {8, 1}, {8, 1}, {8, 4}, {8, 9}, {9, 9}};
  std::vector<Landing> landings;
  for (const auto& [column, row] : cells) {
    const auto middle = [&](int cell) {
      return static_cast<float>((cell + 0.5) * grid.cellTwips());
    };
    landings.push_back({middle(column), middle(row), bedAt(middle(column), middle(row))});
    play.apply(GameInput::boardDart(landings.back().x, landings.back().y));
    if (landings.size() % 3 == 0) play.play("M M M");  // Bob
  }
  const LandingCounts counted =
      HistoryFigures(*h.session.journal()).landingsOf("Ann", GameScope::All, 0);
  EXPECT_EQ(countLandings(landings, grid).cells, counted.cells);
  EXPECT_EQ(17, counted.darts);
}

}  // namespace
