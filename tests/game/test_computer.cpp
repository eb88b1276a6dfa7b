// The computer opponent: where it aims in each game, that an aim lands in its own bed
// without scatter, that its levels play to their averages, and that its entries are never
// taken back.

#include "game/computer.h"
#include "game/computercalibration.h"
#include "session.h"

namespace {

// Each row (the aim as a checkout route writes it): a game, a script from its start, an optional
// score set for seat 1 afterwards and the darts then thrown in the turn; the aim of seat 1's next
// dart.
struct AimCase {
  const char* what;
  int16_t type;
  int players;
  int16_t rule;
  std::string script;
  int score = -1;  // set on seat 1 once the script has run
  std::string dartsThen = {};
  int thrower = 1;  // the seat to throw once the script has run
  std::string aim = {};
};

void PrintTo(const AimCase& c, std::ostream* out) { *out << c.what; }

class ComputerAims : public ::testing::TestWithParam<AimCase> {};

TEST_P(ComputerAims, AsAGoodPlayerWould) {
  const AimCase& c = GetParam();
  Session s(c.type, c.players, c.rule);
  s.play(c.script);
  if (c.score >= 0) s.setScore(1, c.score);
  s.play(c.dartsThen);
  ASSERT_EQ(s.st().thrower, c.thrower);
  const ComputerAim aim = computer::aimFor(s.game.options, s.st());
  EXPECT_EQ((CheckoutDart{aim.number, aim.multiplier}.text()), c.aim);
  EXPECT_TRUE(aim.multiplier >= 1 && aim.multiplier <= 3) << aim.multiplier;
}

// clang-format off
const AimCase kAims[] = {
    {.what = "far_from_a_finish", .type = k501, .players = 1, .rule = 0, .script = "", .aim = "T20"},
    {.what = "double_in_first", .type = k501, .players = 1, .rule = 2, .script = "", .aim = "D20"},
    {.what = "triple_in_first", .type = k501, .players = 1, .rule = 3, .script = "", .aim = "T20"},
    {.what = "the_route_of_170", .type = k501, .players = 1, .rule = 0, .script = "", .score = 170,
     .aim = "T20"},
    {.what = "the_route_of_40", .type = k501, .players = 1, .rule = 2, .script = "D1 M M",
     .score = 40, .aim = "D20"},
    {.what = "the_bull_finishes_50", .type = k501, .players = 1, .rule = 0, .script = "",
     .score = 50, .dartsThen = "M M", .aim = "Bull"},
    {.what = "reached_zero_throws_away", .type = k501, .players = 1, .rule = 0, .script = "",
     .score = 20, .dartsThen = "S20", .aim = "Miss"},
    // one dart left: the treble 20 would leave 1, a bust; the treble 19 leaves 4
    {.what = "treble_19_where_20_busts", .type = k301, .players = 1, .rule = 2, .script = "D1 M M",
     .score = 61, .dartsThen = "M M", .aim = "T19"},
    // one dart left on 41: the trebles would bust, the biggest single leaves a finish
    {.what = "sets_up_a_finish", .type = k301, .players = 1, .rule = 2, .script = "D1 M M",
     .score = 41, .dartsThen = "M M", .aim = "20"},
    // both trebles leave a finish: the treble 20, which scores more
    {.what = "treble_20_where_both_leave_a_finish", .type = k501, .players = 1, .rule = 0,
     .script = "", .score = 200, .aim = "T20"},
    // what the turn has scored counts: 161 less two treble 20s leaves 41, with one dart
    {.what = "the_turn_so_far_counts", .type = k501, .players = 1, .rule = 0, .script = "",
     .score = 161, .dartsThen = "T20 T20", .aim = "20"},
    // under Triple In/Out a single 20 from 23 leaves 3, the least finish, which stands
    {.what = "leaves_the_least_finish", .type = k301, .players = 1, .rule = 3, .script = "T1 M M",
     .score = 23, .dartsThen = "M M", .aim = "20"},
    // neither treble leaves a finish (163 and 166 have none): the treble 20 scores most
    {.what = "treble_20_where_no_treble_leaves_a_finish", .type = k501, .players = 1, .rule = 0,
     .script = "", .score = 223, .aim = "T20"},
    // one dart left on 59: the treble 20 would bust, the treble 19 leaves 2
    {.what = "no_treble_that_busts", .type = k501, .players = 1, .rule = 0, .script = "",
     .score = 59, .dartsThen = "M M", .aim = "T19"},
    {.what = "cricket_highest_open", .type = kCricket, .players = 2, .rule = 0, .script = "",
     .aim = "T20"},
    {.what = "cricket_next_after_closing", .type = kCricket, .players = 2, .rule = 0,
     .script = "T20 T19 M M M M", .aim = "T18"},
    {.what = "cricket_must_close_what_an_opponent_scores_on", .type = kCricket, .players = 2,
     .rule = 0, .script = "M M M T17 M M", .aim = "T17"},
    {.what = "cricket_closes_before_scoring", .type = kCricket, .players = 2, .rule = 0,
     .script = "T20 M M T19 S19 M", .aim = "T19"},
    {.what = "cricket_scores_when_behind", .type = kCricket, .players = 2, .rule = 0,
     .script = "T20 M M T19 S19 M T19 M M M M M", .aim = "T20"},
    {.what = "cricket_the_bull_last", .type = kCricket, .players = 2, .rule = 0,
     .script = "T20 T19 T18 M M M T17 T16 T15 M M M", .aim = "Bull"},
    {.what = "cut_throat_closes_first", .type = kCutThroatCricket, .players = 2, .rule = 0,
     .script = "M M M T20 S20 M", .aim = "T20"},
    {.what = "cut_throat_gives_points_when_behind", .type = kCutThroatCricket, .players = 2,
     .rule = 0, .script = "M M M T20 S20 M T20 T19 M M M M", .aim = "T19"},
    {.what = "cut_throat_closes_when_ahead", .type = kCutThroatCricket, .players = 2,
     .rule = 0, .script = "T20 T19 T18 T20 T19 S20", .aim = "T17"},
    {.what = "clock_the_next_number", .type = kAroundTheClock, .players = 1, .rule = 0,
     .script = "T1 S4 M", .aim = "T5"},
    {.what = "clock_the_bull_after_20", .type = kAroundTheClock, .players = 1, .rule = 0,
     .script = "T1 T4 T7 T10 T13 T16 T19 M M", .aim = "Bull"},
    {.what = "shanghai_the_treble_first", .type = kShanghai, .players = 1, .rule = 0,
     .script = "", .aim = "T1"},
    {.what = "shanghai_the_rings_not_hit", .type = kShanghai, .players = 1, .rule = 0,
     .script = "M M M", .dartsThen = "T2 S2", .aim = "D2"},
    {.what = "shanghai_the_single_last", .type = kShanghai, .players = 1, .rule = 0,
     .script = "", .dartsThen = "T1 D1", .aim = "1"},
    // Ann has closed 19: the computer on the second seat closes it before anything else
    {.what = "cricket_second_seat_closes_what_the_first_scores_on", .type = kCricket,
     .players = 2, .rule = 0, .script = "T19 M M", .thrower = 2, .aim = "T19"},
    {.what = "count_up", .type = kCountUp, .players = 1, .rule = 0, .script = "S1", .aim = "T20"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Games, ComputerAims, ::testing::ValuesIn(kAims), kByWhat);

// The computer aims at the middle of a bed, between its inner and outer edge, and at the very
// centre for the inner bull; without scatter a dart lands in the bed it was aimed at.
TEST(ComputerDarts, LandInTheBedAimedAtWithoutScatter) {
  using namespace board;
  const auto radius = [](const ComputerAim& aim) {
    const BoardPoint at = computer::aimPoint(aim);
    return std::hypot(at.x - kCentreTwips, at.y - kCentreTwips);
  };
  EXPECT_NEAR(radius({25, 2}), 0, 0.01);
  EXPECT_NEAR(radius({25, 1}), (kInnerBull + kOuterBull) / 2, 0.01);
  for (int16_t n = 1; n <= 20; ++n) {
    EXPECT_NEAR(radius({n, 3}), (kTripleInner + kTripleOuter) / 2, 0.01) << n;
    EXPECT_NEAR(radius({n, 2}), (kDoubleInner + kDoubleOuter) / 2, 0.01) << n;
    EXPECT_NEAR(radius({n, 1}), (kTripleOuter + kDoubleInner) / 2, 0.01) << n;
  }
  std::mt19937 engine(1);
  for (int16_t n = 1; n <= 20; ++n) {
    for (int16_t ring = 1; ring <= 3; ++ring) {
      const BoardPoint at = computer::landing(computer::aimPoint({n, ring}), 0.001, engine);
      const board::Hit hit = board::hitAt(at.x, at.y, true);
      EXPECT_EQ(hit.number, n) << n << "x" << ring;
      EXPECT_EQ(hit.multiplier, ring) << n << "x" << ring;
    }
  }
  for (int16_t ring = 1; ring <= 2; ++ring) {
    const BoardPoint at = computer::aimPoint({25, ring});
    EXPECT_EQ(board::hitAt(at.x, at.y, true).points(), 25 * ring);
  }
  const BoardPoint away = computer::aimPoint({0, 1});
  EXPECT_EQ(board::hitAt(away.x, away.y, true).number, 0);
}

// Over 1,000 legs of 501 each level plays to its nominal three-dart average within 5%
// (25 at level 1 to 100 at level 10), and a higher level finishes in fewer darts.
TEST(ComputerLevels, PlayToTheirAverages) {
  double fewestDarts = 1e9;
  for (int level = computer::kLowestLevel; level <= computer::kHighestLevel; ++level) {
    const LegFigures f = playLegs(computer::scatterOf(level), 1000, 7 + level);
    const double nominal = computer::nominalAverage(level);
    EXPECT_NEAR(f.average, nominal, nominal * 0.05) << "level " << level;
    EXPECT_LT(f.dartsPerLeg, fewestDarts) << "level " << level;
    fewestDarts = f.dartsPerLeg;
  }
  EXPECT_DOUBLE_EQ(computer::nominalAverage(1), 25);
  EXPECT_DOUBLE_EQ(computer::nominalAverage(10), 100);
}

// The computer's darts are never taken back: not during its turn, nor once it has passed
// the throw, where an undo would step back into its turn.
TEST(ComputerSeat, ItsEntriesAreNeverTakenBack) {
  Session s(kCricket, 2, 0, true);
  s.game.options.computerLevels[2] = 1;  // the lowest level plays too
  s.play("S20 S19 M");
  EXPECT_TRUE(ComputerThrower::toThrow(s.game));
  ComputerThrower computer(3);
  s.game.apply(computer.nextDart(s.game));
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Unavailable);
  s.game.apply(computer.nextDart(s.game));
  s.game.apply(computer.nextDart(s.game));
  EXPECT_FALSE(ComputerThrower::toThrow(s.game));
  EXPECT_EQ(s.st().thrower, 1);
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Unavailable);
  // The person's own dart can be taken back again.
  s.play("S20");
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Done);
}

}  // namespace
