// The player record: taking a mark back, and the 16-bit limits.

#include <gtest/gtest.h>

#include <cstdint>

#include "game/clsplayer.h"

// Four marks on the bull, then two undos: the first takes back a mark beyond the third
// and its points only when it had scored, the second re-opens the bull and keeps the score.
TEST(ClsPlayer, UndoTakesBackScoredPointsOnlyBeyondTheThirdMark) {
  for (bool scored : {false, true}) {
    clsPlayer p;
    p.Score(100);
    p.Undo_Hit(true);  // no mark yet: nothing to take back
    for (int i = 0; i < 4; ++i) p.Hit(25);
    p.Undo_Hit(scored);
    EXPECT_TRUE(p.TimesHit(25) == 3 && p.Closed(25) && p.Score() == (scored ? 75 : 100)) << scored;
    p.Undo_Hit(scored);
    EXPECT_TRUE(p.TimesHit(25) == 2 && !p.Closed(25) && p.Score() == (scored ? 75 : 100)) << scored;
  }
}

TEST(ClsPlayer, CountsAndScoresHoldAtSixteenBitLimits) {
  clsPlayer p;
  for (int i = 0; i < INT16_MAX + 5; ++i) p.Hit(5);
  EXPECT_EQ(p.TimesHit(5), INT16_MAX);
  p.Score(INT16_MIN + 10);
  for (int i = 0; i < 5; ++i) p.Hit(20);
  p.Undo_Hit(true);  // would take 20 off
  EXPECT_EQ(p.Score(), INT16_MIN);
}
