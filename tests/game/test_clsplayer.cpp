// The player record: marks, closing, taking a mark back, the history and the reset.

#include <gtest/gtest.h>

#include <cstdint>

#include "game/clsplayer.h"

TEST(ClsPlayer, ThirdMarkClosesAndLaterMarksOnlyCount) {
  clsPlayer p;
  p.Score(7);
  const bool closedAfter[] = {false, false, true, true, true};
  for (int mark = 1; mark <= 5; ++mark) {
    p.Hit(20);
    EXPECT_EQ(p.TimesHit(20), mark);
    EXPECT_EQ(p.Closed(20), closedAfter[mark - 1]) << "after mark " << mark;
  }
  EXPECT_EQ(p.Score(), 7);  // marks never score by themselves
  EXPECT_FALSE(p.Closed(19));
}

// Four marks on the bull, then two undos: the first takes back a mark beyond the third
// (scored or not), the second re-opens the bull and never touches the score.
class UndoHitOnBull : public ::testing::TestWithParam<bool> {};

TEST_P(UndoHitOnBull, TakesBackScoredMarksOnlyBeyondTheThird) {
  const bool scored = GetParam();
  clsPlayer p;
  p.Score(100);
  for (int i = 0; i < 4; ++i) p.Hit(25);
  p.Undo_Hit(scored);
  EXPECT_EQ(p.TimesHit(25), 3);
  EXPECT_TRUE(p.Closed(25));
  EXPECT_EQ(p.Score(), scored ? 75 : 100);
  p.Undo_Hit(scored);
  EXPECT_EQ(p.TimesHit(25), 2);
  EXPECT_FALSE(p.Closed(25));
  EXPECT_EQ(p.Score(), scored ? 75 : 100);
}

INSTANTIATE_TEST_SUITE_P(Scored, UndoHitOnBull, ::testing::Bool());

TEST(ClsPlayer, HistoryNamesTheLatestMarkAndUndoKeepsIt) {
  clsPlayer p;
  EXPECT_EQ(p.LHit(), 0);
  p.Hit(20);
  p.Hit(19);
  EXPECT_EQ(p.LHit(), 19);
  p.Undo_Hit(false);
  EXPECT_EQ(p.LHit(), 19);
  EXPECT_EQ(p.TimesHit(19), 0);
  EXPECT_EQ(p.TimesHit(20), 1);
}

TEST(ClsPlayer, UndoOnARecordWithoutMarksChangesNothing) {
  clsPlayer p;
  p.Score(40);
  const clsPlayer before = p;
  p.Undo_Hit(true);
  EXPECT_EQ(p, before);
}

TEST(ClsPlayer, ResetClearsPlayButKeepsNameAndHistory) {
  clsPlayer p;
  p.Name("Ann");
  for (int n : {1, 7, 15, 20, 25, 25, 25, 25}) p.Hit(n);
  p.Score(123);
  p.IsIn(true);
  p.Reset();
  for (int n = 1; n <= 25; ++n) {
    EXPECT_EQ(p.TimesHit(n), 0) << n;
    EXPECT_FALSE(p.Closed(n)) << n;
  }
  EXPECT_EQ(p.Score(), 0);
  EXPECT_FALSE(p.IsIn());
  EXPECT_EQ(p.Name(), "Ann");
  EXPECT_EQ(p.LHit(), 25);
}

TEST(ClsPlayer, CountsAndScoresHoldAtSixteenBitLimits) {
  clsPlayer p;
  for (int i = 0; i < 32767 + 5; ++i) p.Hit(5);
  EXPECT_EQ(p.TimesHit(5), INT16_MAX);
  EXPECT_TRUE(p.Closed(5));

  clsPlayer low;
  low.Score(INT16_MIN + 10);
  for (int i = 0; i < 5; ++i) low.Hit(20);
  low.Undo_Hit(true);  // would take 20 off
  EXPECT_EQ(low.Score(), INT16_MIN);
}
