// Matches in the journal: each leg is a game of its match, a match left in the middle comes
// back at the same leg with the same count, and files of earlier versions are brought
// forward with each of their games a match of one leg.
#include <gtest/gtest.h>

#include "journalfiles.h"

namespace {

// Ann wins the first leg of a 501 match; Bob, throwing first, is in the middle of the second.
void playIntoTheSecondLeg(RecordedMatch& play) {
  play.start({.gameType = k501, .playerCount = 2}, {.legsToWin = 2, .setsToWin = 2});
  play.apply(GameInput::editScore(1, 501 - 40, false));
  play.play("T20 D20 M");  // Ann: 60 is a bust; the edit is kept
  play.play("S1 S1 S1");
  play.play("D20");  // 40 with the first dart; the leg ends with the turn
  play.play("M M");
  ASSERT_EQ(1, play.match.score().legs[1]);
  ASSERT_EQ(2, play.match.score().leg);
  play.play("T20 T20");  // Bob, one dart left
}

TEST(JournalMatches, EachLegIsAGameOfItsMatch) {
  JournalFolder folder;
  JournalSession session(folder.path());
  RecordedMatch play(session);
  playIntoTheSecondLeg(play);
  const std::vector<RecordedGame> games = session.journal()->games();
  ASSERT_EQ(2u, games.size());
  EXPECT_EQ(games[0].match, games[1].match);
  EXPECT_EQ(Outcome::Won, games[0].outcome);
  EXPECT_EQ(Outcome::Playing, games[1].outcome);
  EXPECT_EQ(1, games[0].setup.leg);
  EXPECT_EQ(2, games[1].setup.leg);
  EXPECT_EQ(1, games[0].setup.firstThrower);
  EXPECT_EQ(2, games[1].setup.firstThrower);
  EXPECT_EQ((MatchOptions{.legsToWin = 2, .setsToWin = 2}), games[1].setup.match);
  EXPECT_EQ(1, peek(folder.path(), "SELECT count(*) FROM matches").toInt());

  // A new match is a match of its own; a single game too.
  play.start({.gameType = kCricket, .playerCount = 2}, {});
  RecordedPlay single(session);
  single.start({.gameType = k301, .playerCount = 1});
  EXPECT_EQ(3, peek(folder.path(), "SELECT count(DISTINCT match) FROM games").toInt());
  EXPECT_EQ("unfinished", peek(folder.path(), "SELECT outcome FROM games WHERE id = 2").toString());
}

// The program is killed in the middle of the second leg: the next run offers that leg and
// continues the match at the same leg, set, count, scores, thrower and darts left.
TEST(JournalMatches, AMatchLeftInTheMiddleIsResumedAtTheSameLeg) {
  JournalFolder folder;
  MatchScore score;
  GameState left;
  {
    JournalSession first(folder.path());
    RecordedMatch play(first);
    playIntoTheSecondLeg(play);
    score = play.match.score();
    left = play.game.state();
  }
  JournalSession next(folder.path());
  const std::optional<RecordedGame> unfinished = next.takeUnfinished();
  ASSERT_TRUE(unfinished);
  RecordedMatch resumed(next);
  next.resume(resumed.match, *unfinished);
  EXPECT_EQ(score, resumed.match.score());
  EXPECT_EQ((MatchOptions{.legsToWin = 2, .setsToWin = 2}), resumed.match.options);
  EXPECT_EQ(left, resumed.game.state());
  EXPECT_EQ(2, resumed.game.state().dartsThrown);

  // Play goes on into the same match: Bob's leg levels it, and the next leg is its third.
  resumed.play("M  M M M");
  resumed.apply(GameInput::editScore(2, resumed.game.player(2).score() - 50, false));
  resumed.play("IB M M");
  EXPECT_EQ(1, resumed.match.score().legs[2]);
  resumed.apply(GameInput::editScore(1, resumed.game.player(1).score() - 50, false));
  resumed.play("IB M M");  // Ann takes the first set
  EXPECT_EQ(1, resumed.match.score().sets[1]);
  EXPECT_EQ(2, resumed.match.score().set);
  const std::vector<RecordedGame> legs = next.journal()->legsOf(unfinished->match);
  ASSERT_EQ(4u, legs.size());
  EXPECT_EQ(2, legs[3].setup.set);
  EXPECT_EQ(1, legs[3].setup.leg);
  EXPECT_EQ(2, legs[3].setup.firstThrower);  // the second set begins one seat along
}

class OldJournal : public testing::TestWithParam<int> {};

// Files of versions 1 and 2 open as version 3 with every game kept, each a match of one leg
// whose first thrower was seat 1, and new matches are numbered after them.
TEST_P(OldJournal, EveryEarlierGameBecomesAMatchOfOneLeg) {
  JournalFolder folder;
  std::vector<RecordedGame> before;
  {
    JournalSession session(folder.path());
    RecordedPlay play(session);
    play.start({.gameType = k501, .playerCount = 2});
    play.play("T20 T20 S19 D16 OB IB");
    play.start({.gameType = kCricket, .playerCount = 3, .useBoard = false});
    play.play("b1 b1 n b7 u");
    before = session.journal()->games();
  }
  const QString old = folder.dir.path() + "/old.sqlite";
  writeOldJournal(old, GetParam(), before);
  {
    Journal journal(old);
    ASSERT_TRUE(journal.available()) << journal.unavailableReason().toStdString();
    EXPECT_EQ(Journal::latestVersion(), peek(old, "PRAGMA user_version").toInt());
    const std::vector<RecordedGame> after = journal.games();
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(before[i].setup, after[i].setup) << i;
      EXPECT_EQ(before[i].entries, after[i].entries) << i;
      EXPECT_EQ(after[i].id, after[i].match) << i;
      EXPECT_EQ(after[i].setup.match, MatchOptions{}) << i;
      EXPECT_EQ(ReplayedGame(before[i]).game().state(), ReplayedGame(after[i]).game().state());
    }
  }
  JournalSession session(old);
  RecordedMatch play(session);
  play.start({.gameType = k301, .playerCount = 2}, {.legsToWin = 3, .setsToWin = 1});
  EXPECT_EQ(3, peek(old, "SELECT match FROM games WHERE id = 3").toInt());
  EXPECT_EQ(3, peek(old, "SELECT legs_to_win FROM matches WHERE id = 3").toInt());
}

INSTANTIATE_TEST_SUITE_P(Versions, OldJournal, testing::Values(1, 2));

}  // namespace
