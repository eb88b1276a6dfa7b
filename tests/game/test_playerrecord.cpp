// The player record: taking a mark back.

#include <gtest/gtest.h>

#include "game/playerrecord.h"

// Four marks on the bull, then two undos: the first takes back a mark beyond the third
// and its points only when it had scored, the second re-opens the bull and keeps the score.
TEST(ClsPlayer, UndoTakesBackScoredPointsOnlyBeyondTheThirdMark) {
  for (bool scored : {false, true}) {
    PlayerRecord p;
    p.setScore(100);
    p.takeBackMark(true);  // no mark yet: nothing to take back
    for (int i = 0; i < 4; ++i) p.addMark(25);
    p.takeBackMark(scored);
    const int scoreKept = scored ? 75 : 100;
    EXPECT_EQ(p.marks(25), 3) << "scored " << scored;
    EXPECT_TRUE(p.isClosed(25)) << "scored " << scored;
    EXPECT_EQ(p.score(), scoreKept) << "scored " << scored;
    p.takeBackMark(scored);
    EXPECT_EQ(p.marks(25), 2) << "scored " << scored;
    EXPECT_FALSE(p.isClosed(25)) << "scored " << scored;
    EXPECT_EQ(p.score(), scoreKept) << "scored " << scored;
  }
}
