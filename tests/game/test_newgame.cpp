// Setting up a new game: every game type, 1..4 players, board or buttons, always from
// the leftovers of an earlier game; then the random draws, fixed and from the clock.

#include "game/gamecatalogue.h"
#include "session.h"

class NewGame : public ::testing::TestWithParam<std::tuple<int16_t, int, bool>> {};

// A game set up after an earlier one that left marks, points, a later seat and round and
// an enabled undo is the game a fresh program sets up.
TEST_P(NewGame, StartsCleanWithSeatOneToThrow) {
  const auto [type, players, useBoard] = GetParam();
  // Both draw 0.25, 0.3, 0.35, ...: a random start of 0.25 * 600 + 301.
  auto source = [] {
    return [k = 0]() mutable { return static_cast<float>((k++ + 5) % 20) / 20; };
  };
  Session used(source()), fresh(source());
  used.start(k301, 2);
  used.play("S1");  // seat 1 is in
  used.start(kCricket, 2, 0, false);
  used.play("b1 b1 b1 b1 n b2 n b3");
  used.start(type, players, 2, useBoard);
  fresh.start(type, players, 2, useBoard);
  expectSameRecords(fresh.st(), used.st());
  GameState st = used.st();
  st.bed = fresh.st().bed;  // the bed the pointer names is not part of a game
  const ScoringKind scoring = rulesFor(type).scoring();
  EXPECT_EQ(st, fresh.st());

  const bool countdown = scoring == ScoringKind::Countdown;
  EXPECT_TRUE(st.inPlay);
  EXPECT_EQ(st.thrower, 1);
  EXPECT_EQ(st.round, 1);
  EXPECT_FALSE(st.undoEnabled);
  EXPECT_EQ(st.names[st.thrower], "Ann");
  EXPECT_EQ(st.turnTotal, 0);
  EXPECT_EQ(st.dartsThrown, 0);
  EXPECT_EQ(st.scoreEditEnabled, countdown);
  EXPECT_TRUE(st.started);
  EXPECT_TRUE(st.throwerMarked);
  // Around the Clock starts everyone at the 1.
  const int16_t start[] = {0, 0, 301, 501, 451, 701, 0, 1, 0, 0};
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(st.players[seat].score(), start[type]) << seat;
  }
}

INSTANTIATE_TEST_SUITE_P(AllGames, NewGame,
                         ::testing::Combine(::testing::Values(kCricket, kRandomCricket, k301, k501,
                                                              kRandomCountdown, k701,
                                                              kCutThroatCricket, kAroundTheClock,
                                                              kShanghai, kCountUp),
                                            ::testing::Range(1, 5), ::testing::Bool()));

// A first player called "Scorpion" is greeted whenever a sound device exists, even with
// the sound off; nobody else is.
TEST(SetPlayerNames, GreetsScorpionInTheFirstSeatWhenASoundDeviceExists) {
  struct Greeting {
    const char *first, *second;
    bool device, soundOn;  // whether a sound device exists; the sound setting
    const char* cues;
  };
  const Greeting cases[] = {
      {.first = "Scorpion", .second = "Bob", .device = true, .soundOn = false, .cues = "SCORPION"},
      {.first = "Scorpion", .second = "Bob", .device = false, .soundOn = true, .cues = ""},
      {.first = "Ann", .second = "Scorpion", .device = true, .soundOn = true, .cues = ""}};
  for (const auto& [first, second, soundAvailable, soundOn, cues] : cases) {
    Game game;
    HeardClips clips{game, {}};
    game.soundAvailable = soundAvailable;
    game.soundOn = soundOn;
    game.setPlayerNames({"", first, second, "Cy", "Di"});
    EXPECT_EQ(clips.cues(), cues) << first << " " << soundAvailable << soundOn;
  }
}

TEST(RandomDraws, FromAFixedSource) {
  for (const auto& [r, start] : {std::pair{0.0f, 301}, {0.99999f, 900}, {1.0f, 900}}) {
    Session s([r = r] { return r; });
    s.start(kRandomCountdown, 2);
    EXPECT_EQ(s.seat(1).score(), start) << r;
  }
  // A number drawn again is drawn anew: 3 comes up three times.
  const int numbers[] = {3, 3, 20, 1, 7, 3, 12, 9};
  std::size_t next = 0;
  Session s([&] { return (static_cast<float>(numbers[next++]) - 0.5f) / 20.0f; });
  s.start(kRandomCricket, 2);
  EXPECT_EQ(next, 8u);
  EXPECT_EQ(s.st().targets, (std::array<int16_t, 8>{0, 20, 12, 9, 7, 3, 1, 25}));
}

// The draws from the clock: every number from 1 to 20 turns up among the targets (not
// just 15..20), and each game draws a start of its own, spread over 301..900.
TEST(RandomDraws, FromTheClock) {
  Session s;
  std::set<int> targets, starts;
  for (int game = 0; game < 300; ++game) {
    s.start(kRandomCricket, 2);
    targets.insert(s.st().targets.begin() + 1, s.st().targets.begin() + 7);
    s.start(kRandomCountdown, 3);
    starts.insert(s.seat(1).score());
  }
  EXPECT_EQ(targets.size(), 20u);
  EXPECT_EQ(*targets.begin(), 1);
  EXPECT_EQ(*targets.rbegin(), 20);
  EXPECT_GT(starts.size(), 100u);
  EXPECT_GE(*starts.begin(), 301);
  EXPECT_LE(*starts.rbegin(), 900);
  // The first game of a program just started is drawn from the clock too: five programs
  // do not all open on the same start, nor on the same targets.
  std::set<int> firstStarts;
  std::set<std::array<int16_t, kTargets + 1>> firstTargets;
  for (int program = 0; program < 5; ++program) {
    Session countdown;
    countdown.start(kRandomCountdown, 2);
    firstStarts.insert(countdown.seat(1).score());
    Session cricket;
    cricket.start(kRandomCricket, 2);
    firstTargets.insert(cricket.st().targets);
  }
  EXPECT_GT(firstStarts.size(), 1u);
  EXPECT_GT(firstTargets.size(), 1u);
}

// A game type no game has, read from a damaged journal, plays as the games around it:
// below the first as Cricket on the fixed numbers, beyond the last as 501.
TEST(NewGame, ATypeNoGameHasPlaysAsTheGameNearestIt) {
  Session below(-1, 2);
  EXPECT_TRUE(below.game.isCricket());
  EXPECT_EQ(below.st().targets, (std::array<int16_t, kTargets + 1>{0, 20, 19, 18, 17, 16, 15, 25}));
  const auto beyondLast = static_cast<int16_t>(kGameKinds);
  Session beyond(beyondLast, 2);
  EXPECT_FALSE(beyond.game.isCricket());
  EXPECT_EQ(beyond.seat(1).score(), 501);
  EXPECT_EQ(gameCaption(beyondLast), "");
}

// The captions as the new-game dialog, the journal and the Statistics show them, in the
// order the dialog lists the games.
TEST(NewGame, EveryGameHasItsCaptionInItsPlace) {
  const char* const captions[] = {"Cricket",
                                  "Random Cricket",
                                  "301",
                                  "501",
                                  "Random Countdown",
                                  "701",
                                  "Cut-Throat Cricket",
                                  "Around the Clock",
                                  "Shanghai",
                                  "Count-Up"};
  for (int16_t type = 0; type < static_cast<int16_t>(kGameKinds); ++type) {
    EXPECT_EQ(gameCaption(type), captions[type]) << type;
    EXPECT_EQ(gameKinds()[static_cast<std::size_t>(type)].type, type);
  }
}

// A game started again at the same table forgets the last one: its state is that of a
// table that never played, and the caller's words in its first turn are the same. The
// random games draw the same numbers at both tables, the last game's included.
TEST(NewGame, StartsAfreshAtATableThatHasPlayed) {
  int draws = 0;
  const auto uniform = [&draws] { return static_cast<float>(draws++ * 7 % 20) / 20.0f + 0.01f; };
  std::string shanghaiTie;
  for (int turn = 0; turn < 2 * 7; ++turn) shanghaiTie += "M M M ";
  const std::pair<int16_t, std::string> lastGames[] = {
      {kShanghai, shanghaiTie},  // a shared win
      {kShanghai, "S1 D1"},      // a turn with rings hit
      // Ann closes the last numbers with the second dart of a five-mark turn
      {kCricket, "T20 T19 T18 M M M T17 T16 OB M M M IB T15"},
      {k501, "T20 D20 S5 M M M T1"},
      {kRandomCricket, "S20"},
  };
  for (const auto& [type, script] : lastGames) {
    for (int16_t next = 0; next < static_cast<int16_t>(kGameKinds); ++next) {
      Session reused(uniform);
      reused.game.callerOn = true;
      draws = 0;
      reused.start(type, 2);
      reused.play(script);
      draws = 0;
      reused.start(next, 2);
      Session fresh(uniform);
      fresh.game.callerOn = true;
      draws = 0;
      fresh.start(next, 2);
      // The bed under the pointer is where the pointer is, not a part of either game.
      GameState started = reused.st();
      started.bed = fresh.st().bed;
      EXPECT_EQ(started, fresh.st()) << script << " then " << next;
      reused.play("S20 S20 S20");
      fresh.play("S20 S20 S20");
      EXPECT_EQ(reused.clips.take(), fresh.clips.take()) << script << " then " << next;
    }
  }
}

// Seats nobody has named are called "Player"; a first seat out of range (a damaged journal)
// is brought to the nearest seat in play.
TEST(NewGame, UnnamedSeatsAndTheFirstSeatInRange) {
  Game game;
  for (int seat = 1; seat <= kSeats; ++seat) EXPECT_EQ(game.state().names[seat], "Player") << seat;
  game.options = {k501, 3, 0, true, true};
  game.startGame(0);
  EXPECT_EQ(game.state().thrower, 1);
  game.startGame(7);
  EXPECT_EQ(game.state().thrower, 3);
  EXPECT_EQ(game.state().firstThrower, 3);
}
