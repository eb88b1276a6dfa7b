// The statistics of scripted games against figures worked out by hand.
#include <gtest/gtest.h>

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

  const CountdownFigures& bob = seats[1].countdown;
  EXPECT_EQ(0, bob.won);
  EXPECT_EQ(12, bob.darts);
  EXPECT_EQ("70.50", twoDecimals(bob.average()));           // 282 x 3 / 12
  EXPECT_EQ("93.00", twoDecimals(bob.firstNineAverage()));  // 279 x 3 / 9
  EXPECT_EQ(133, bob.highestTurn);
  EXPECT_EQ(2, bob.turns100);
  EXPECT_EQ(0, bob.turns140);
  EXPECT_EQ(0, bob.turns180);
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
  std::vector<RecordedGame> games = {
      playedGame(session, {.gameType = k501, .playerCount = 2}, k501Game),
      // Bob in seat 1 this time: T20 x3 then Cy's S1 x3 then Bob's bust-free 60
      playedGame(session, {.gameType = k501, .playerCount = 2},
                 "T20 T20 T20  S1 S1 S1  S20 S20 S20", {"", "Bob", "Cy", "", ""}),
      playedGame(session, {.gameType = kCricket, .playerCount = 2, .useBoard = false},
                 "b1 b1 b1 n b2 n b1", {"", "Ann", "Bob", "", ""}),
  };
  const std::vector<PlayerFigures> players = figuresByName(games);
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
