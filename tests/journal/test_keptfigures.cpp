// The figures kept in the journal for each game: written when a game ends, brought up to
// date for the games in progress when they are asked for, filled in for every game of an
// older file, and summed by the database over the games a player's figures are asked for.
#include <gtest/gtest.h>

#include "journal/historyfigures.h"
#include "journalfiles.h"

namespace {

const GameOptions kDoubleOut{.gameType = k301, .playerCount = 2, .inOutRule = 2};

// Ann in with D20 and 301 down to 0 in four turns, at a finish three times; Bob never in.
// Ann: D20 T20 T20 (160, 141 left)  T20 T20 S1 (121, 20 left)  S10 S9 M (1 left: a bust)
// D10 M M.
constexpr const char* kAnnWins =
    "D20 T20 T20  S1 S1 S1  T20 T20 S1  S1 S1 S1  S10 S9 M  S1 S1 S1  D10 M M";
// The same without the bust: the leg in seven darts.
constexpr const char* kAnnWinsSooner = "D20 T20 T20  S1 S1 S1  T20 T20 S1  S1 S1 S1  D10 M M";

CountdownFigures tallied(const RecordedGame& game, std::size_t seat) {
  return seatFigures(game)[seat].countdown;
}

TEST(KeptFigures, KeptWhenAGameEndsAndForAGameInProgressWhenAskedFor) {
  JournalFolder folder;
  JournalSession session(folder.path());
  RecordedPlay play(session);
  play.start(kDoubleOut, {"", "Ann", "Bob", "", ""});
  play.play("D20 T20 T20");
  const auto rows = [&] { return peek(folder.path(), "SELECT count(*) FROM figures").toInt(); };
  EXPECT_EQ(0, rows());
  play.play(std::string(kAnnWins).substr(12));
  ASSERT_FALSE(play.game.state().inPlay);
  EXPECT_EQ(2, rows());
  EXPECT_EQ(0, peek(folder.path(), "SELECT count(*) FROM entries WHERE thrower IS NULL").toInt());
  EXPECT_EQ(12, peek(folder.path(), "SELECT count(*) FROM entries WHERE thrower = 1").toInt());

  play.start(kDoubleOut, {"", "Ann", "Bob", "", ""});
  play.play("D20 M M  S1");
  EXPECT_EQ(2, rows());
  play.start(kDoubleOut, {"", "Ann", "Bob", "", ""});  // the game before is left unfinished
  EXPECT_EQ(4, rows());
  const HistoryFigures history(*session.journal());
  EXPECT_EQ(6, rows());
  // The game in progress counts as it stands; the one before it as it was left.
  EXPECT_EQ(15, history.ofPlayer("Ann", GameScope::All, 0).countdown.darts);
  EXPECT_EQ(10, history.ofPlayer("Bob", GameScope::All, 0).countdown.darts);
}

TEST(KeptFigures, SummedOverTheGamesOfEachScope) {
  JournalFolder folder;
  JournalSession session(folder.path());
  std::vector<RecordedGame> games;
  // Eleven single games: Ann wins the first and every third (the fourth game sooner), the
  // others stop after her first turn; then a match of two legs that Ann wins.
  for (int g = 0; g < 11; ++g) {
    RecordedPlay play(session);
    play.start(kDoubleOut, {"", "Ann", "Bob", "", ""});
    play.play(g == 3 ? kAnnWinsSooner : g % 3 == 0 ? kAnnWins : "D20 T20 T20");
    games.push_back(*session.journal()->game(*session.currentGame()));
  }
  RecordedMatch match(session);
  match.start(kDoubleOut, {.legsToWin = 2, .setsToWin = 1});
  match.play(kAnnWins);  // leg 1; Bob throws first in leg 2
  match.play(std::string("S1 S1 S1  ") + kAnnWins);
  ASSERT_FALSE(match.game.state().inPlay);
  for (const RecordedGame& leg : session.journal()->legsOf(session.journal()->games().back().match))
    games.push_back(leg);
  ASSERT_EQ(13u, games.size());

  const HistoryFigures history(*session.journal());
  const auto sumOf = [&](std::size_t from, std::size_t to) {
    CountdownFigures sum;
    for (std::size_t i = from; i < to; ++i) {
      const CountdownFigures f = tallied(games[i], 0);
      sum.games += f.games;
      sum.won += f.won;
      sum.darts += f.darts;
      sum.points += f.points;
      sum.finishDarts += f.finishDarts;
      sum.checkouts += f.checkouts;
      sum.highestCheckout = std::max(sum.highestCheckout, f.highestCheckout);
      if (f.bestLeg > 0 && (sum.bestLeg == 0 || f.bestLeg < sum.bestLeg)) sum.bestLeg = f.bestLeg;
    }
    return sum;
  };
  const int64_t shown = games.back().id;
  const struct {
    GameScope scope;
    std::size_t from, to;
  } rows[] = {
      {GameScope::ThisGame, 12, 13},
      {GameScope::ThisMatch, 11, 13},
      {GameScope::LastTen, 3, 13},
      {GameScope::All, 0, 13},
  };
  for (const auto& row : rows) {
    const CountdownFigures want = sumOf(row.from, row.to);
    const CountdownFigures got = history.ofPlayer("Ann", row.scope, shown).countdown;
    const int scope = static_cast<int>(row.scope);
    EXPECT_EQ(static_cast<int>(row.to - row.from), got.games) << scope;
    EXPECT_EQ(want.won, got.won) << scope;
    EXPECT_EQ(want.darts, got.darts) << scope;
    EXPECT_EQ(want.points, got.points) << scope;
    EXPECT_EQ(want.finishDarts, got.finishDarts) << scope;
    EXPECT_EQ(want.checkouts, got.checkouts) << scope;
    EXPECT_EQ(want.highestCheckout, got.highestCheckout) << scope;
    EXPECT_EQ(want.bestLeg, got.bestLeg) << scope;
  }
  // Worked out by hand for one won game: three darts at a finish, one checkout, 20 out,
  // the leg in ten darts.
  const CountdownFigures one = history.ofPlayer("Ann", GameScope::ThisGame, games[0].id).countdown;
  EXPECT_EQ(3, one.finishDarts);
  EXPECT_EQ(1, one.checkouts);
  EXPECT_EQ(20, one.highestCheckout);
  EXPECT_EQ(10, one.bestLeg);
  EXPECT_EQ(0, history.ofPlayer("Cy", GameScope::All, 0).countdown.games);
}

// A file of version 3 gets the figures of every game it holds, and the throwers of their
// darts, when it is opened; its games read back as they were.
TEST(KeptFigures, FilledInForEveryGameOfAnOlderFile) {
  JournalFolder folder;
  std::vector<RecordedGame> before;
  {
    JournalSession session(folder.path());
    for (const char* script : {kAnnWins, "D20 T20 T20  D1"}) {
      RecordedPlay play(session);
      play.start(kDoubleOut, {"", "Ann", "Bob", "", ""});
      play.play(script);
    }
    RecordedPlay cricket(session);
    cricket.start({.gameType = kCricket, .playerCount = 2}, {"", "Bob", "Ann", "", ""});
    cricket.play("T20 T20 M  S19 M M");
    before = session.journal()->games();
  }
  const QString old = folder.dir.path() + "/old.sqlite";
  writeOldJournal(old, 3, before);
  Journal journal(old);
  ASSERT_TRUE(journal.available()) << journal.unavailableReason().toStdString();
  EXPECT_EQ(Journal::latestVersion(), peek(old, "PRAGMA user_version").toInt());
  EXPECT_EQ(6, peek(old, "SELECT count(*) FROM figures").toInt());
  EXPECT_EQ(0, peek(old, "SELECT count(*) FROM entries WHERE thrower IS NULL").toInt());
  const std::vector<RecordedGame> after = journal.games();
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(before[i].entries, after[i].entries);

  const HistoryFigures history(journal);
  const PlayerFigures ann = history.ofPlayer("Ann", GameScope::All, 0);
  EXPECT_EQ(2, ann.countdown.games);
  EXPECT_EQ(1, ann.countdown.won);
  EXPECT_EQ(tallied(before[0], 0).darts + tallied(before[1], 0).darts, ann.countdown.darts);
  EXPECT_EQ(1, ann.countdown.checkouts);
  EXPECT_EQ(10, ann.countdown.bestLeg);
  EXPECT_EQ(1, ann.cricket.games);
  EXPECT_EQ(1, ann.cricket.marks);  // her S19, from seat 2
  EXPECT_EQ(6, history.ofPlayer("Bob", GameScope::All, 0).cricket.marks);
  EXPECT_EQ(12 + 3 + 3, history.landingsOf("Ann", GameScope::All, 0).darts);
}

// Figures that cannot be written, or games whose figures cannot be read, turn the journal
// unavailable rather than leave games without their figures.
TEST(KeptFigures, FiguresThatCannotBeKeptTurnTheJournalUnavailable) {
  const struct {
    const char* what;
    const char* fault;
  } faults[] = {
      {"rows refused",
       "CREATE TRIGGER refuse BEFORE INSERT ON figures BEGIN SELECT RAISE(ABORT, 'no'); END"},
      {"games unreadable", "ALTER TABLE games RENAME COLUMN started TO begun"},
  };
  for (const auto& [what, fault] : faults) {
    JournalFolder folder;
    JournalSession session(folder.path());
    RecordedPlay play(session);
    play.start(kDoubleOut, {"", "Ann", "Bob", "", ""});
    play.play("D20 T20 T20");
    ASSERT_TRUE(session.journal()->available()) << what;
    peek(folder.path(), fault);
    const HistoryFigures history(*session.journal());  // keeps the game in progress
    EXPECT_FALSE(session.journal()->available()) << what;
    EXPECT_TRUE(session.journal()->unavailableReason().contains("reading the figures"))
        << what << ": " << session.journal()->unavailableReason().toStdString();
    EXPECT_EQ(0, peek(folder.path(), "SELECT count(*) FROM figures").toInt()) << what;
  }
}

}  // namespace
