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
    EXPECT_TRUE(p.marks(25) == 3 && p.isClosed(25) && p.score() == (scored ? 75 : 100)) << scored;
    p.takeBackMark(scored);
    EXPECT_TRUE(p.marks(25) == 2 && !p.isClosed(25) && p.score() == (scored ? 75 : 100)) << scored;
  }
}
