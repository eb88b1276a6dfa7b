// Cricket: marks and closing, points against open opponents, board darts on targets
// and off them, the win test, and which games take keys.

#include "session.h"

// Seat 1 closes 20 and marks it once more, with some opponents closed on 20: one mark
// scores once, however many opponents are open, and nothing against closed or absent seats.
TEST(Cricket, ScoresOncePerMarkWhileAnyOpponentIsOpen) {
  struct Case {
    int players;
    std::set<int> closed;  // the opponents' seats already closed on 20
    int points;
  };
  const Case cases[] = {{.players = 1, .closed = {}, .points = 0},
                        {.players = 4, .closed = {}, .points = 20},
                        {.players = 2, .closed = {2}, .points = 0},
                        {.players = 4, .closed = {2, 4}, .points = 20},
                        {.players = 4, .closed = {2, 3, 4}, .points = 0}};
  for (const auto& [players, closed, points] : cases) {
    Session s(kCricket, players, 0, false);
    s.play("b1 b1 b1 n");
    for (int seat = 2; seat <= players; ++seat) s.play(closed.count(seat) ? "b1 b1 b1 n" : "n");
    s.play("b1");
    EXPECT_EQ(s.seat(1).score(), points) << players << " players, " << closed.size() << " closed";
  }
}

// A dart on the board after seat 1's earlier turn and seat 2's: one mark per unit of its
// multiplier, each with its chalk and points.
TEST(Cricket, BoardDartsMarkOncePerMultiplier) {
  struct BoardDart {
    bool doubleBull;
    const char *before, *dart;
    int number, marks, points;
    const char* cues;
  };
  // clang-format off
  const BoardDart darts[] = {
      {.doubleBull = true, .before = "S19 S19 M M M M", .dart = "T19", .number = 19, .marks = 5,
       .points = 38, .cues = "CHALK CHALK CHALK"},
      // a double bull on a closed bull
      {.doubleBull = true, .before = "IB OB M M M M", .dart = "IB", .number = 25, .marks = 5,
       .points = 50, .cues = "CHALK CHALK"},
      // no double bull: one mark
      {.doubleBull = false, .before = "", .dart = "IB", .number = 25, .marks = 1, .points = 0,
       .cues = "CHALK"}};
  // clang-format on
  for (const auto& [doubleBull, before, dart, number, marks, points, cues] : darts) {
    Session s(kCricket, 2, 0, true, doubleBull);
    s.play(before);
    s.clips.cues().clear();
    s.play(dart);
    EXPECT_EQ(s.seat(1).marks(number), marks) << dart;
    EXPECT_EQ(s.seat(1).score(), points) << dart;
    EXPECT_EQ(s.clips.cues(), cues) << dart;
    EXPECT_TRUE(s.st().undoEnabled) << dart;
  }
}

TEST(Cricket, ABoardDartOffTheTargetsRecordsNothingAndDisablesUndo) {
  const int draws[] = {9, 20, 2, 14, 5, 18};  // random targets from a fixed source
  std::size_t next = 0;
  Session s([&] { return (static_cast<float>(draws[next++ % 6]) - 0.5f) / 20; });
  s.start(kRandomCricket, 2);
  ASSERT_EQ(s.st().targets, (std::array<int16_t, 8>{0, 20, 18, 14, 9, 5, 2, 25}));
  s.play("S14");
  const GameState before = s.st();
  s.clips.cues().clear();
  for (const char* off : {"T3", "M"}) {
    s.play(off);
    expectSameRecords(before, s.st());
    EXPECT_FALSE(s.st().undoEnabled);
  }
  EXPECT_EQ(s.clips.cues(), "CHANGE");  // no chalk; both darts counted, the turn is over
}

TEST(CricketWin, LevelWinsTrailingDoesNot) {
  Session s(kCricket, 3, 0, false);
  std::vector<std::pair<std::string, int>> wins;
  s.game.onCricketWin = [&](const std::string& name, int16_t rounds) {
    wins.emplace_back(name, rounds);
  };
  s.play("b2 b2 b2 b3 b3 b3 b4 b4 b4 b5 b5 b5 b6 b6 b6 b7 b7 b7 n");  // all but 20
  s.play("b1 b1 b1 b1 n n");                                          // seat 2 scores 20
  s.play("b1 b1 b1");                                                 // all closed, 0 to 20
  EXPECT_TRUE(s.st().inPlay);
  s.clips.cues().clear();
  s.play("b1");  // seat 3 has 20 open: 20 to 20
  EXPECT_FALSE(s.st().inPlay);
  EXPECT_FALSE(s.st().undoEnabled);
  EXPECT_TRUE(s.st().throwerMarked);
  EXPECT_EQ(s.st().thrower, 1);
  EXPECT_EQ(s.clips.cues(), "CHALK PLAYER ONE WINS");
  EXPECT_EQ(wins, (std::vector<std::pair<std::string, int>>{{"Ann", 2}}));
}

// One player on the buttons closes every target but one: no win until that one closes too.
TEST(CricketWin, EveryTargetMustBeClosed) {
  for (int open = 1; open <= kTargets; ++open) {
    Session s(kCricket, 1, 0, false);
    const auto close = [&s](int target) {
      for (int mark = 0; mark < 3; ++mark) s.game.pressTarget(target);
    };
    for (int target = 1; target <= kTargets; ++target)
      if (target != open) close(target);
    EXPECT_TRUE(s.st().inPlay) << "target " << open << " open";
    close(open);
    EXPECT_FALSE(s.st().inPlay) << "target " << open << " closed last";
  }
}

// One player on the board: a triple 20 closes the last target with its first mark, and
// wins there only while wins are detected.
TEST(CricketWin, OnePlayerWinsOnTheFirstMarkOfATriple) {
  for (bool autoWin : {true, false}) {
    Session s(kCricket, 1);
    int wins = 0;
    s.game.onCricketWin = [&](const std::string&, int16_t rounds) { wins += rounds == 4; };
    s.game.autoWin = autoWin;
    s.play("T19 T18 T17 T16 T15 IB S20 S20 OB");
    s.clips.cues().clear();
    s.play("T20");
    EXPECT_EQ(s.st().inPlay, !autoWin) << "autoWin " << autoWin;
    EXPECT_EQ(wins, autoWin ? 1 : 0) << "autoWin " << autoWin;
    EXPECT_EQ(s.seat(1).score(), 0) << "autoWin " << autoWin;
    EXPECT_EQ(s.seat(1).marks(20), autoWin ? 3 : 5);
    EXPECT_EQ(s.clips.cues(), autoWin ? "CHALK PLAYER ONE WINS" : "CHALK CHALK CHALK");
  }
}

// Keys press buttons only in plain Cricket on the buttons.
TEST(Cricket, KeysWorkOnlyInPlainCricketOnTheButtons) {
  struct Case {
    int16_t type;
    bool useBoard;
  };
  const Case cases[] = {{.type = kCricket, .useBoard = false},
                        {.type = kCricket, .useBoard = true},
                        {.type = kRandomCricket, .useBoard = false},
                        {.type = k301, .useBoard = false}};
  for (const auto& [type, useBoard] : cases) {
    Session s(type, 2, 0, useBoard);
    const GameState before = s.st();
    const bool works = type == kCricket && !useBoard;
    for (char32_t ch : std::u32string_view(U"0-1+"))
      EXPECT_EQ(s.game.keyTyped(ch), works && ch != U'1') << type;
    EXPECT_EQ(s.st() == before, !works) << type << useBoard;
    if (works) {
      EXPECT_EQ(s.seat(1).marks(20), 1) << type;
      EXPECT_EQ(s.seat(1).marks(25), 1) << type;
      EXPECT_EQ(s.st().thrower, 2) << type;
    }
  }
}

// Closing everything behind on points plays on, whichever seat does it: here the second,
// while the first has scored 20.
TEST(CricketWin, TheSecondSeatBehindOnPointsPlaysOn) {
  Session s(kCricket, 2, 0, false);
  std::string script = "b1 b1 b1 b1 n ";
  for (int t = 1; t <= kTargets; ++t) {
    const std::string b = "b" + std::to_string(t) + " ";
    for (int mark = 0; mark < 3; ++mark) script += b;
    script += "n n ";
  }
  s.play(script);
  EXPECT_EQ(s.seat(1).score(), 20);
  EXPECT_TRUE(s.seat(2).isClosed(25));
  EXPECT_TRUE(s.st().inPlay);
}

// A target press out of range (from a damaged journal) changes nothing.
TEST(CricketTargets, APressOutOfRangeDoesNothing) {
  Session s(kCricket, 2, 0, false);
  const GameState before = s.st();
  for (const int target : {-1, 8}) s.game.apply(GameInput::targetPress(target));
  EXPECT_EQ(s.st(), before);
}
