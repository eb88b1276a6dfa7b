// Matches of legs and sets: who throws first in every leg, when a set and the match are
// won, what the next leg starts from, and that a correction stays within the leg in play.

#include <numeric>
#include <sstream>

#include "game/match.h"
#include "session.h"

namespace {

// A match at the table: the session's game, with every input going through the match.
struct MatchSession : Session {
  Match match{game};

  MatchSession(int16_t type, int players, int16_t legs, int16_t sets, bool useBoard = true)
      : Session() {
    start(type, players, 0, useBoard);
    match.options = {legs, sets};
    match.start();
    clips.cues().clear();
  }
  void play(const std::string& script) {
    for (const GameInput& input : scriptInputs(script)) match.apply(input);
  }
  // The thrower wins the countdown leg in play with one dart; the next leg is set up.
  void winLeg() {
    setScore(st().thrower, 20);
    play("S20 M M");
    match.startNextLeg();
  }
};

std::vector<int> numbers(const char* text) {
  std::vector<int> out;
  std::istringstream in(text);
  for (int n = 0; in >> n;) out.push_back(n);
  return out;
}

}  // namespace

struct LegsCase {
  const char* what;
  int players;
  int16_t legs, sets;
  const char* winners;        // the seat that wins each leg, in order
  const char* firstThrowers;  // the seat that throws first in each leg
  const char* result;
};

void PrintTo(const LegsCase& c, std::ostream* out) { *out << c.what; }

class FirstThrower : public ::testing::TestWithParam<LegsCase> {};

TEST_P(FirstThrower, MovesOneSeatAlongWithEveryLegAndSet) {
  const LegsCase& c = GetParam();
  MatchSession s(k501, c.players, c.legs, c.sets);
  std::vector<int> throwers;
  for (int winner : numbers(c.winners)) {
    ASSERT_TRUE(s.st().inPlay) << "the match ended before leg " << throwers.size() + 1;
    throwers.push_back(s.st().thrower);
    EXPECT_EQ(s.st().firstThrower, s.st().thrower);
    // Legs are numbered from 1 in each set.
    const auto& won = s.match.score().legs;
    EXPECT_EQ(s.match.score().leg, std::accumulate(won.begin(), won.end(), 0) + 1);
    // Everyone before the winner throws a turn that scores nothing.
    while (s.st().thrower != winner) s.play("M M M");
    s.winLeg();
  }
  EXPECT_EQ(throwers, numbers(c.firstThrowers));
  EXPECT_FALSE(s.st().inPlay);
  EXPECT_EQ(matchResultText(s.match), c.result);
}

// clang-format off
const LegsCase kLegs[] = {
    {"one_player", 1, 2, 1, "1 1", "1 1", "Ann wins the match 2"},
    {"two_players_alternate", 2, 3, 1, "1 2 1 2 1", "1 2 1 2 1", "Ann wins the match 3-2"},
    {"two_players_one_sided", 2, 3, 1, "2 2 2", "1 2 1", "Bob wins the match 3-0"},
    {"three_players_in_turn", 3, 2, 1, "1 2 3 1", "1 2 3 1", "Ann wins the match 2-1-1"},
    {"four_players_in_turn", 4, 2, 1, "4 3 2 1 4", "1 2 3 4 1", "Di wins the match 2-1-1-1"},
    // each set begins one seat along from the set before, whoever began its last leg
    {"two_players_sets", 2, 2, 2, "1 1 2 1 2 1 1", "1 2 2 1 2 1 2", "Ann wins the match 2-1"},
    {"three_players_sets", 3, 2, 2, "3 3 1 1 3 3", "1 2 2 3 3 1", "Cy wins the match 2-1-0"},
    {"four_players_sets_of_one_leg", 4, 1, 3, "2 3 2 4 2", "1 2 3 4 1",
     "Bob wins the match 3-0-1-1"},
    {"four_players_sets_of_three", 4, 3, 2, "1 1 1 2 2 2 2 2 2", "1 2 3 2 3 4 3 4 1",
     "Bob wins the match 2-1-0-0"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Matches, FirstThrower, ::testing::ValuesIn(kLegs), kByWhat);

TEST(Match, ALegWonStartsTheNextFromItsStartWithTheNamesOnTheirSeats) {
  MatchSession s(k501, 2, 2, 1);
  s.play("T20 T20 T20 S1 M M");  // Ann 321, Bob 500
  s.setScore(1, 20);
  s.play("S20 M M");
  // The leg's win is heard as any win is; the next leg waits for the window to set it up.
  EXPECT_EQ(s.clips.take(),
            "WAVHIT WAVHIT WAVHIT CHANGE WAVHIT WAVHIT WAVHIT CHANGE WAVHIT WAVHIT WAVHIT "
            "PLAYER ONE WINS");
  EXPECT_FALSE(s.st().inPlay);
  EXPECT_TRUE(s.match.score().legAwaitsStart);
  EXPECT_EQ(s.match.score().legs[1], 1);
  EXPECT_EQ(matchResultText(s.match), "");

  s.match.startNextLeg();
  EXPECT_EQ(s.clips.take(), "");
  EXPECT_TRUE(s.st().inPlay);
  EXPECT_FALSE(s.match.score().legAwaitsStart);
  EXPECT_EQ(s.st().thrower, 2);
  EXPECT_EQ(s.st().round, 1);
  EXPECT_EQ(s.st().turnTotal, 0);
  EXPECT_EQ(s.seat(1).score(), 501);
  EXPECT_EQ(s.seat(2).score(), 501);
  EXPECT_FALSE(s.seat(2).isIn() && s.seat(1).isIn());
  EXPECT_EQ(s.st().names[1], "Ann");
  EXPECT_EQ(s.st().names[2], "Bob");
  EXPECT_TRUE(s.st().scoreEditEnabled);
  // Seat 2 began, so the round is counted when the throw comes back to seat 2.
  s.play("M M M");
  EXPECT_EQ(s.st().thrower, 1);
  EXPECT_EQ(s.st().round, 1);
  s.play("M M M");
  EXPECT_EQ(s.st().thrower, 2);
  EXPECT_EQ(s.st().round, 2);
}

TEST(Match, TheDecidingLegEndsTheMatchAndDartsDoNothingAfterIt) {
  MatchSession s(k301, 2, 1, 1);  // one leg, one set: the single game as it always was
  s.winLeg();
  EXPECT_FALSE(s.st().inPlay);
  EXPECT_FALSE(s.match.score().legAwaitsStart);
  EXPECT_EQ(s.match.score(), MatchScore{});  // nothing is counted for a single game
  EXPECT_EQ(matchResultText(s.match), "");

  MatchSession m(k301, 2, 2, 1);
  m.winLeg();
  m.winLeg();  // Bob's leg: 1-1
  m.winLeg();  // Ann's deciding leg
  EXPECT_EQ(m.match.score().winner, 1);
  EXPECT_FALSE(m.match.score().legAwaitsStart);
  GameState after = m.st();
  m.play("T20");
  m.match.startNextLeg();
  after.bed = "Triple Twenty";  // the status bar still names where the dart landed
  EXPECT_EQ(m.st(), after);
  EXPECT_EQ(matchResultText(m.match), "Ann wins the match 2-1");
}

TEST(Match, EachLegOfRandomGamesDrawsAfresh) {
  Session s([k = 0]() mutable { return static_cast<float>(k++ % 4 + 1) / 8; });
  s.start(kRandomCountdown, 2);  // a start of 0.125 * 600 + 301
  Match match(s.game);
  match.options = {3, 1};
  match.start();  // 0.25
  EXPECT_EQ(s.seat(1).score(), 451);
  s.setScore(1, 20);
  for (const GameInput& input : scriptInputs("S20 M M")) match.apply(input);
  match.startNextLeg();  // 0.375
  EXPECT_EQ(s.seat(1).score(), 526);
  EXPECT_EQ(s.seat(2).score(), 526);
}

TEST(Match, EveryCricketLegWonIsOfferedToTheHighScoresWithItsOwnRounds) {
  MatchSession s(kCricket, 2, 2, 1, false);
  std::vector<std::pair<std::string, int>> offered;
  s.game.onCricketWin = [&](const std::string& name, int16_t rounds) {
    offered.emplace_back(name, rounds);
  };
  const std::string closeAll = "b1 b1 b1 b2 b2 b2 b3 b3 b3 b4 b4 b4 b5 b5 b5 b6 b6 b6 b7 b7 b7";
  s.play("n n n n " + closeAll);  // Ann closes everything in round 3
  s.match.startNextLeg();
  s.play(closeAll);  // Bob, who throws first now, in round 1
  using Offer = std::pair<std::string, int>;
  EXPECT_EQ(offered, (std::vector<Offer>{{"Ann", 3}, {"Bob", 1}}));
}

// Undo Hit reaches only the leg in play: not the entry that won the leg before, and
// across a round it counts back to the seat that began this leg.
TEST(Match, UndoStaysWithinTheLegInPlay) {
  MatchSession s(kCricket, 2, 2, 1, false);
  s.play("b1 b1 b1 b2 b2 b2 b3 b3 b3 b4 b4 b4 b5 b5 b5 b6 b6 b6 b7 b7 b7");
  s.match.startNextLeg();
  const GameState start = s.st();
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Unavailable);
  EXPECT_EQ(s.st(), start);

  s.play("n b1 n");  // Bob passes, Ann marks 20: back to Bob, a new round
  ASSERT_EQ(s.st().thrower, 2);
  ASSERT_EQ(s.st().round, 2);
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Done);
  EXPECT_EQ(s.st().thrower, 1);
  EXPECT_EQ(s.st().round, 1);
  EXPECT_EQ(s.seat(1).marks(20), 0);
}

TEST(Match, RestoredFromTheWinnersOfItsLegsStandsAsPlayed) {
  const LegsCase& c = kLegs[4];  // two players, sets
  MatchSession played(k501, c.players, c.legs, c.sets);
  const std::vector<int> winners = numbers(c.winners);
  std::vector<int16_t> before;
  for (std::size_t leg = 0; leg + 1 < winners.size(); ++leg) {
    while (played.st().thrower != winners[leg]) played.play("M M M");
    played.winLeg();
    before.push_back(static_cast<int16_t>(winners[leg]));

    MatchSession restored(k501, c.players, 1, 1);
    restored.match.restore({c.legs, c.sets}, before);
    EXPECT_EQ(restored.match.options, played.match.options);
    EXPECT_EQ(restored.match.score(), played.match.score()) << "after leg " << leg + 1;
    EXPECT_EQ(restored.match.firstThrower(), played.st().firstThrower);
  }
}

// The legs of a journal are counted up to the match's end and up to a damaged one; a
// shared leg counts for nobody, not even in a set of one leg; counting starts from nothing.
TEST(Match, RestoredCountsOnlyTheLegsOfTheMatchPlayed) {
  struct Case {
    const char* what;
    int players;
    int16_t legs, sets;
    std::vector<int16_t> winners;
    std::array<int16_t, kSeats + 1> legsWon;
    int16_t leg, set, winner;
  };
  const Case cases[] = {
      {"legs_after_the_end", 2, 2, 1, {1, 1, 1, 2}, {0, 2, 0, 0, 0}, 2, 1, 1},
      {"a_damaged_seat_ends_it", 2, 3, 1, {1, 9, 1}, {0, 1, 0, 0, 0}, 2, 1, 0},
      {"a_damaged_negative_seat_ends_it", 2, 3, 1, {1, -1, 1}, {0, 1, 0, 0, 0}, 2, 1, 0},
      {"the_fourth_seat_counts", 4, 3, 1, {4}, {0, 0, 0, 0, 1}, 2, 1, 0},
      {"shared_leg_of_a_one_leg_set", 2, 1, 2, {0}, {0, 0, 0, 0, 0}, 2, 1, 0},
  };
  for (const Case& c : cases) {
    MatchSession m(k501, c.players, 1, 1);
    m.match.restore({c.legs, c.sets}, std::vector<int16_t>{2, 2});  // counted, then forgotten
    m.match.restore({c.legs, c.sets}, c.winners);
    EXPECT_EQ(m.match.score().legs, c.legsWon) << c.what;
    EXPECT_EQ(m.match.score().leg, c.leg) << c.what;
    EXPECT_EQ(m.match.score().set, c.set) << c.what;
    EXPECT_EQ(m.match.score().winner, c.winner) << c.what;
  }
}
