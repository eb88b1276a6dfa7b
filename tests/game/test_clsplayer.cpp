// The player record: taking a mark back.

#include <gtest/gtest.h>

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
