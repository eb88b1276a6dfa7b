// An unfinished game comes back exactly as it was left: every game type, the random
// targets and start included, and only to a later run, never to a copy still playing.
#include <gtest/gtest.h>

#include "journalfiles.h"

namespace {

struct ResumeCase {
  const char* what;
  GameOptions options;
  const char* script;
};

// clang-format off
const ResumeCase kGames[] = {
    {.what = "cricket_board", .options = {.gameType = kCricket, .playerCount = 2},
     .script = "T20 T19 M S20 D18 IB T20 u T17 S16 OB T20"},
    {.what = "cricket_buttons",
     .options = {.gameType = kCricket, .playerCount = 3, .useBoard = false},
     .script = "b1 b1 b2 n b7 b7 u n b3 b1 b1 b1 b1 n b6"},
    {.what = "random_cricket",
     .options = {.gameType = kRandomCricket, .playerCount = 2, .doubleBull = false},
     .script = "T20 T19 IB OB S1 S2 S3 D4 T5 S6 S7"},
    {.what = "301_double_in_out", .options = {.gameType = k301, .playerCount = 2, .inOutRule = 2},
     .script = "S20 D20 T20 D1 S5 S5 T20 T20 T20 e2-40 S1"},
    {.what = "501_triple_in", .options = {.gameType = k501, .playerCount = 3, .inOutRule = 3},
     .script = "T20 S1 S1 S20 S20 T1 M M e1+17 IB"},
    {.what = "random_countdown", .options = {.gameType = kRandomCountdown, .playerCount = 1},
     .script = "T20 T20 T20 S5 S5"},
    {.what = "nothing_thrown", .options = {.gameType = kRandomCountdown, .playerCount = 4},
     .script = ""},
};
// clang-format on

class Resume : public testing::TestWithParam<ResumeCase> {};

TEST_P(Resume, NextRunRebuildsTheStateLeftBehind) {
  JournalFolder folder;
  GameState left;
  {
    JournalSession first(folder.path());
    RecordedPlay play(first);
    play.start(GetParam().options, {"", "Ann", "Bob", "Cy", "Di"});
    play.play(GetParam().script);
    left = play.game.state();
    ASSERT_TRUE(left.inPlay);
  }  // the program ends with the game in progress

  std::optional<RecordedGame> unfinished;
  GameState later;
  {
    JournalSession next(folder.path());
    unfinished = next.takeUnfinished();
    ASSERT_TRUE(unfinished);
    Game game([&next] { return next.draw(); });
    next.resume(game, *unfinished);
    EXPECT_EQ(left, game.state());  // the players' mark histories too

    // Play continues into the same game, and the run after finds it with both parts.
    RecordedPlay more(next);
    next.resume(more.game, *unfinished);
    more.play("M n");
    later = more.game.state();
  }
  JournalSession third(folder.path());
  const std::optional<RecordedGame> again = third.takeUnfinished();
  ASSERT_TRUE(again);
  EXPECT_EQ(unfinished->id, again->id);
  EXPECT_EQ(later, ReplayedGame(*again).game().state());
}

INSTANTIATE_TEST_SUITE_P(Journal, Resume, testing::ValuesIn(kGames), kByWhat);

TEST(ResumeOffer, OnlyGamesNoRunningCopyPlays) {
  JournalFolder folder;
  auto first = std::make_unique<JournalSession>(folder.path());
  RecordedPlay play(*first);
  play.start({.gameType = k501, .playerCount = 2});
  play.play("T20");
  {
    JournalSession second(folder.path());  // started while the first still runs
    EXPECT_FALSE(second.takeUnfinished());
    RecordedPlay other(second);
    other.start({.gameType = kCricket, .playerCount = 2});
    other.play("T20");
    EXPECT_EQ(2, peek(folder.path(), "SELECT count(DISTINCT owner) FROM games").toInt());
  }
  // The second copy ended with its game in progress: the first may take that one, not its own.
  const std::optional<RecordedGame> found = first->takeUnfinished();
  ASSERT_TRUE(found);
  EXPECT_EQ(kCricket, found->setup.options.gameType);
}

TEST(ResumeOffer, ClosedGamesAreNotOffered) {
  JournalFolder folder;
  {
    JournalSession run(folder.path());
    RecordedPlay play(run);
    play.start({.gameType = k301, .playerCount = 1});  // replaced by the next game: unfinished
    play.play("T20");
    play.start({.gameType = k301, .playerCount = 1});  // won
    play.play("T20 T20 T20 T20 T20 S1");
    ASSERT_FALSE(play.game.state().inPlay);
  }
  {
    JournalSession run(folder.path());
    EXPECT_FALSE(run.takeUnfinished());
    EXPECT_EQ("unfinished",
              peek(folder.path(), "SELECT outcome FROM games WHERE id = 1").toString());
    EXPECT_EQ("won", peek(folder.path(), "SELECT outcome FROM games WHERE id = 2").toString());
    RecordedPlay play(run);
    play.start({.gameType = kCricket, .playerCount = 2});
    play.play("T20");
  }
  {
    JournalSession run(folder.path());
    const std::optional<RecordedGame> offered = run.takeUnfinished();
    ASSERT_TRUE(offered);
    run.decline(*offered);  // No: kept as unfinished, not offered again
  }
  JournalSession run(folder.path());
  EXPECT_FALSE(run.takeUnfinished());
  EXPECT_EQ(3u, run.journal()->games().size());
}

}  // namespace
