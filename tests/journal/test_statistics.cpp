// The statistics of scripted games against figures worked out by hand.
#include <gtest/gtest.h>

#include "journal/historyfigures.h"
#include "journal/statistics.h"
#include "journalfiles.h"

namespace {

RecordedGame playedGame(JournalSession& session, GameOptions options, const std::string& script,
                        const std::array<std::string, kSeats + 1>& names = {"", "Ann", "Bob", "Cy",
                                                                            "Di"}) {
  RecordedPlay play(session);
  play.start(options, names);
  play.play(script);
  return *session.journal()->game(*session.currentGame());
}

// 501, Ann against Bob, turn by turn (points taken off):
//   Ann  T20 T20 T20  180  321     Bob  S20 S1 S5     26  475
//   Ann  T20 T20 S20  140  181     Bob  T19 T19 S19  133  342
//   Ann  T20 S5  S1    66  115     Bob  T20 T20 M    120  222
//   Ann  T20 T20 S20  bust   0     Bob  S1 S1 S1       3  219, then corrected by -10
//   Ann  T20 S15 D20  115    0: Ann wins
constexpr const char* k501Game =
    "T20 T20 T20  S20 S1 S5  T20 T20 S20  T19 T19 S19  T20 S5 S1  T20 T20 M"
    "  T20 T20 S20  S1 S1 S1 e2-10  T20 S15 D20";

TEST(Statistics, CountdownGameWorkedOutByHand) {
  JournalFolder folder;
  JournalSession session(folder.path());
  const RecordedGame game = playedGame(session, {.gameType = k501, .playerCount = 2}, k501Game);
  ASSERT_EQ(Outcome::Won, game.outcome);
  const std::vector<PlayerFigures> seats = seatFigures(game);
  ASSERT_EQ(2u, seats.size());

  const CountdownFigures& ann = seats[0].countdown;
  EXPECT_EQ("Ann", seats[0].name);
  EXPECT_EQ(1, ann.games);
  EXPECT_EQ(1, ann.won);
  EXPECT_EQ(15, ann.darts);
  EXPECT_EQ(501, ann.points);
  EXPECT_EQ("100.20", twoDecimals(ann.average()));           // 501 x 3 / 15
  EXPECT_EQ("128.67", twoDecimals(ann.firstNineAverage()));  // 386 x 3 / 9
  EXPECT_EQ(180, ann.highestTurn);
  EXPECT_EQ(1, ann.turns100);  // 115
  EXPECT_EQ(1, ann.turns140);  // 140; the bust of 140 took off nothing
  EXPECT_EQ(1, ann.turns180);
  EXPECT_EQ(115, ann.highestCheckout);
  EXPECT_EQ(15, ann.bestLeg);     // the finishing dart was her fifteenth
  EXPECT_EQ(0, ann.finishDarts);  // Any In/Out has no darts at a finish
  EXPECT_FALSE(ann.checkoutPercent());

  const CountdownFigures& bob = seats[1].countdown;
  EXPECT_EQ(0, bob.won);
  EXPECT_EQ(12, bob.darts);
  EXPECT_EQ("70.50", twoDecimals(bob.average()));           // 282 x 3 / 12
  EXPECT_EQ("93.00", twoDecimals(bob.firstNineAverage()));  // 279 x 3 / 9
  EXPECT_EQ(133, bob.highestTurn);
  EXPECT_EQ(2, bob.turns100);
  EXPECT_EQ(0, bob.turns140);
  EXPECT_EQ(0, bob.turns180);
  EXPECT_EQ(0, bob.highestCheckout);
  EXPECT_EQ(0, bob.bestLeg);
}

// The games beyond the classic five: Count-Up counts its darts and points (and no finishes),
// Around the Clock and Shanghai their games and wins; a tie is a win for each who shares it,
// and for no one else.
TEST(Statistics, TheOtherGamesCountWhatMeansSomething) {
  JournalFolder folder;
  JournalSession session(folder.path());
  std::string eightRounds;
  for (int r = 0; r < 8; ++r) eightRounds += "T20 T20 T20 T20 T20 T20 S1 S1 S1 ";
  const RecordedGame countUp =
      playedGame(session, {.gameType = kCountUp, .playerCount = 3}, eightRounds);
  const std::vector<PlayerFigures> seats = seatFigures(countUp);
  ASSERT_EQ(3u, seats.size());
  EXPECT_EQ(0, seats[2].countdown.won);  // Cy's 24 lose to the tie
  EXPECT_EQ(24, seats[2].countdown.points);
  for (const PlayerFigures& seat : {seats[0], seats[1]}) {
    const CountdownFigures& f = seat.countdown;
    EXPECT_EQ(1, f.games) << seat.name;
    EXPECT_EQ(1, f.won) << seat.name;  // 1440 each: a shared win
    EXPECT_EQ(24, f.darts) << seat.name;
    EXPECT_EQ(1440, f.points) << seat.name;
    EXPECT_EQ(8, f.turns180) << seat.name;
    EXPECT_EQ(0, f.highestCheckout) << seat.name;
    EXPECT_EQ(0, f.bestLeg) << seat.name;
  }
  const RecordedGame clock = playedGame(session, {.gameType = kAroundTheClock, .playerCount = 2},
                                        "T1 T4 T7 M M M T10 T13 T16 M M M T19 OB");
  const std::vector<PlayerFigures> clockSeats = seatFigures(clock);
  EXPECT_EQ(1, clockSeats[0].countdown.won);
  EXPECT_EQ(0, clockSeats[1].countdown.won);
  EXPECT_EQ(0, clockSeats[0].countdown.darts);  // its darts score no points to average
  EXPECT_EQ(0, clockSeats[0].countdown.points);
}

// Ann's darts at a finish and her checkout, under each out rule. Each script brings her in
// with her first dart (a double, or a triple in Triple In/Out), then sets her score with a
// correction (e1-N) before her second turn.
TEST(Statistics, CheckoutsCountTheDartsAtAFinish) {
  JournalFolder folder;
  JournalSession session(folder.path());
  // clang-format off
  const struct {
    int16_t rule;
    bool doubleBull;
    std::string script;
    int finishDarts, checkouts, highestCheckout, bestLeg;
    const char* percent;
  } rows[] = {
      // 40 left: D20 finishes with the first dart; the misses after it are not at a finish
      {2, true, "D1 M M  M M M e1-459 D20 M M", 1, 1, 40, 4, "100.00"},
      // 40, 20 and 10 are each a double away: one checkout in three darts
      {2, true, "D1 M M  M M M e1-459 S20 S10 D5", 3, 1, 40, 6, "33.33"},
      // 40 and 20 at a finish, then 1 left is not and the turn busts; D20 next time
      {2, true, "D1 M M  M M M e1-459 S20 S19 M  M M M  D20 M M", 3, 1, 40, 7, "33.33"},
      // an odd score is never at a finish, even when a single finishes it
      {2, true, "D1 M M  M M M e1-474 OB M M", 0, 0, 25, 4, ""},
      // the inner bull is a double where it counts as one
      {2, true, "D1 M M  M M M e1-449 IB M M", 1, 1, 50, 4, "100.00"},
      {2, false, "D1 M M  M M M e1-449 IB IB M", 0, 0, 50, 5, ""},
      // the least finishes: 2 is a double 1 away, and 3 a triple 1 away
      {2, true, "D1 M M  M M M e1-497 D1 M M", 1, 1, 2, 4, "100.00"},
      {3, true, "T1 M M  M M M e1-495 T1 M M", 1, 1, 3, 4, "100.00"},
      // Triple In/Out: 60 and 30 are a triple away, 40 is not
      {3, true, "T1 M M  M M M e1-438 S20 S10 T10", 2, 1, 60, 6, "50.00"},
      // Any In/Out: no dart is at a finish, but the leg still has its checkout and length
      {0, true, "S1 M M  M M M e1-460 D20 M M", 0, 0, 40, 4, ""},
      // no leg won: nothing but the darts at a finish
      {2, true, "D1 M M  M M M e1-459 S20 S19 M", 2, 0, 0, 0, "0.00"},
      // not yet in, with 40 left after a correction: D20 brings her in and out at once
      {2, true, "M M M  M M M e1-461 D20 M M", 1, 1, 40, 4, "100.00"},
  };
  // clang-format on
  for (const auto& row : rows) {
    const RecordedGame game = playedGame(
        session,
        {.gameType = k501, .playerCount = 2, .inOutRule = row.rule, .doubleBull = row.doubleBull},
        row.script);
    const CountdownFigures ann = seatFigures(game)[0].countdown;
    EXPECT_EQ(row.finishDarts, ann.finishDarts) << row.script;
    EXPECT_EQ(row.checkouts, ann.checkouts) << row.script;
    EXPECT_EQ(row.highestCheckout, ann.highestCheckout) << row.script;
    EXPECT_EQ(row.bestLeg, ann.bestLeg) << row.script;
    EXPECT_EQ(row.percent, twoDecimals(ann.checkoutPercent())) << row.script;
  }
}

// A turn of 100 to 139 is a ton, 140 to 179 counts in the 140s, 180 on its own.
TEST(Statistics, TurnsCountInTheirBands) {
  JournalFolder folder;
  JournalSession session(folder.path());
  const struct {
    std::string script;
    int turns100, turns140, turns180;
  } rows[] = {
      {"T20 T13 M", 0, 0, 0},    // 99
      {"T20 D20 M", 1, 0, 0},    // 100
      {"T20 T20 S19", 1, 0, 0},  // 139
      {"T20 T20 S20", 0, 1, 0},  // 140
      {"T20 T20 T19", 0, 1, 0},  // 177
      {"T20 T20 T20", 0, 0, 1},
  };
  for (const auto& row : rows) {
    const CountdownFigures ann =
        seatFigures(playedGame(session, {.gameType = k501, .playerCount = 2}, row.script))[0]
            .countdown;
    EXPECT_EQ(row.turns100, ann.turns100) << row.script;
    EXPECT_EQ(row.turns140, ann.turns140) << row.script;
    EXPECT_EQ(row.turns180, ann.turns180) << row.script;
  }
}

// One row for each seat that plays; a game set up before the player count was chosen is
// played by one seat.
TEST(Statistics, OneRowForEachSeatInPlay) {
  JournalFolder folder;
  JournalSession session(folder.path());
  for (const auto& [players, rows] : {std::pair{0, 1}, {1, 1}, {3, 3}}) {
    const RecordedGame game = playedGame(
        session, {.gameType = k501, .playerCount = static_cast<int16_t>(players)}, "T20");
    const std::vector<PlayerFigures> seats = seatFigures(game);
    ASSERT_EQ(static_cast<std::size_t>(rows), seats.size()) << players;
    EXPECT_EQ(1, seats[0].countdown.darts) << players;
  }
  // Four seats, each its own figures: the last seat's turn counts for it alone.
  const RecordedGame four = playedGame(session, {.gameType = k501, .playerCount = 4},
                                       "T20 M M  T19 M M  T18 M M  S20 S20 M  T20");
  const std::vector<PlayerFigures> seats = seatFigures(four);
  ASSERT_EQ(4u, seats.size());
  const int points[] = {60, 57, 54, 40};
  for (std::size_t seat = 0; seat < 4; ++seat) {
    EXPECT_EQ(points[seat], seats[seat].countdown.points) << seat + 1;
    EXPECT_EQ(3, seats[seat].countdown.settledDarts) << seat + 1;
  }
  EXPECT_EQ(4, seats[0].countdown.darts);
}

// Cricket on the board, Ann against Bob:
//   Ann  T20 T19 M      6 marks         Bob  S20 S20 M   2 marks
//   Ann  T20 S18 M      4 marks (the triple scores 60 on Bob's open 20)
//   Bob  T18            3 marks, his turn under way
// Ann: 10 marks in 2 turns = 5.00. Bob: 5 marks in 2 turns = 2.50; once his T18 is undone
// his turn holds nothing: 2 marks in 1 turn = 2.00.
TEST(Statistics, CricketMarksPerRoundWorkedOutByHand) {
  JournalFolder folder;
  JournalSession session(folder.path());
  const std::string script = "T20 T19 M  S20 S20 M  T20 S18 M  T18";
  // clang-format off
  const struct {
    std::string script;
    int annMarks, annTurns, bobMarks, bobTurns;
    const char *annRate, *bobRate;
  } rows[] = {
      {.script = script, .annMarks = 10, .annTurns = 2, .bobMarks = 5, .bobTurns = 2,
       .annRate = "5.00", .bobRate = "2.50"},
      {.script = script + " u", .annMarks = 10, .annTurns = 2, .bobMarks = 2, .bobTurns = 1,
       .annRate = "5.00", .bobRate = "2.00"},
      {.script = "", .annMarks = 0, .annTurns = 0, .bobMarks = 0, .bobTurns = 0, .annRate = "",
       .bobRate = ""}
  };
  // clang-format on
  for (const auto& row : rows) {
    const RecordedGame game =
        playedGame(session, {.gameType = kCricket, .playerCount = 2}, row.script);
    const std::vector<PlayerFigures> seats = seatFigures(game);
    ASSERT_EQ(2u, seats.size());
    EXPECT_EQ(row.annMarks, seats[0].cricket.marks) << row.script;
    EXPECT_EQ(row.annTurns, seats[0].cricket.turns) << row.script;
    EXPECT_EQ(row.bobMarks, seats[1].cricket.marks) << row.script;
    EXPECT_EQ(row.bobTurns, seats[1].cricket.turns) << row.script;
    EXPECT_EQ(row.annRate, twoDecimals(seats[0].cricket.marksPerRound())) << row.script;
    EXPECT_EQ(row.bobRate, twoDecimals(seats[1].cricket.marksPerRound())) << row.script;
  }
}

TEST(Statistics, PlayersAddUpOverGamesByName) {
  JournalFolder folder;
  JournalSession session(folder.path());
  // Summed by the database from the figures kept for each game.
  const std::vector<RecordedGame> games = {
      playedGame(session, {.gameType = k501, .playerCount = 2}, k501Game),
      // Bob in seat 1 this time: T20 x3 then Cy's S1 x3 then Bob's bust-free 60
      playedGame(session, {.gameType = k501, .playerCount = 2},
                 "T20 T20 T20  S1 S1 S1  S20 S20 S20", {"", "Bob", "Cy", "", ""}),
      playedGame(session, {.gameType = kCricket, .playerCount = 2, .useBoard = false},
                 "b1 b1 b1 n b2 n b1", {"", "Ann", "Bob", "", ""}),
  };
  const std::vector<PlayerFigures> players = HistoryFigures(*session.journal()).byName();
  ASSERT_EQ(3u, players.size());
  EXPECT_EQ("Ann", players[0].name);
  EXPECT_EQ("Bob", players[1].name);
  EXPECT_EQ("Cy", players[2].name);
  const CountdownFigures& bob = players[1].countdown;
  EXPECT_EQ(2, bob.games);
  EXPECT_EQ(0, bob.won);
  EXPECT_EQ(18, bob.darts);
  EXPECT_EQ(282 + 180 + 60, bob.points);
  EXPECT_EQ(180, bob.highestTurn);
  EXPECT_EQ(1, bob.turns180);
  EXPECT_EQ("87.00", twoDecimals(bob.average()));  // 522 x 3 / 18
  // Cricket: Ann 4 marks in 2 turns, Bob 1 mark in 1 turn (his turn passed, then seat 1 again)
  EXPECT_EQ(1, players[0].cricket.games);
  EXPECT_EQ("2.00", twoDecimals(players[0].cricket.marksPerRound()));
  EXPECT_EQ("1.00", twoDecimals(players[1].cricket.marksPerRound()));
  EXPECT_EQ(0, players[2].cricket.games);
}

}  // namespace
