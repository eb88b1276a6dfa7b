// What a screen reader is told after each input: one row per situation, the game played
// up to it with the test script, then one more input and the text it makes.

#include <gtest/gtest.h>

#include <functional>

#include "game/spokentext.h"
#include "input/typeddart.h"
#include "session.h"

namespace {

// One more input: a script token, or "k:CODE" for a dart typed by its code.
GameInput inputOf(const std::string& token) {
  if (token.starts_with("k:")) {
    const auto bed = typeddart::bedOf(token.substr(2));
    EXPECT_TRUE(bed.has_value()) << token;
    return GameInput::typedDart(bed->number, bed->multiplier);
  }
  return scriptInputs(token).at(0);
}

struct Row {
  int16_t type;
  int players;
  std::string before;  // the game so far
  std::string input;
  std::string said;
  int16_t rule = 0;
  bool doubleBull = true;
  bool useBoard = true;
  std::function<float()> draws = {};  // where a game draws its targets
};

std::string said(const Row& row, spoken::MatchNews match = {}) {
  Session s(row.draws);
  s.start(row.type, row.players, row.rule, row.useBoard, row.doubleBull);
  s.play(row.before);
  const GameState before = s.st();
  const GameInput input = inputOf(row.input);
  s.game.apply(input);
  return spoken::afterInput(s.game.options, before, s.st(), input, match);
}

// Random Cricket's targets 20 18 14 5 2 1 and the bull.
float drawTargetsWithOne(std::size_t& next) {
  const int numbers[] = {1, 20, 18, 14, 5, 2};
  return (static_cast<float>(numbers[next++ % 6]) - 0.5f) / 20;
}

const std::string kAnnAt121 = "T20 T20 T20 M M M";      // 301: Ann 121, Bob 301, Ann to throw
const std::string kAloneAt4 = "T20 T20 T20 T20 T19 M";  // 301, one seat: Ann 4 to throw

}  // namespace

TEST(SpokenText, BedsInWords) {
  const std::pair<board::Bed, std::string> rows[] = {
      {{20, 3}, "Triple 20"},  {{16, 2}, "Double 16"}, {{5, 1}, "Single 5"},
      {{25, 1}, "Outer bull"}, {{25, 2}, "Bull"},      {{0, 1}, "Miss"},
  };
  for (const auto& [bed, words] : rows) EXPECT_EQ(spoken::bedWords(bed), words);
}

TEST(SpokenText, CountdownDartsTurnsBustsAndWins) {
  const Row rows[] = {
      {k301, 2, "", "T20", "Triple 20, 241 left."},
      {k301, 2, "", "k:t20", "Triple 20, 241 left."},
      {k301, 2, "T20 T19", "T18", "Triple 18, 130 left. 171 scored. Bob to throw."},
      {k301, 2, "M M", "M", "Miss, 301 left. 0 scored. Bob to throw."},
      {k301, 2, "", "k:BULL", "Bull, 251 left."},
      {k301, 2, "", "k:BULL", "Bull, 276 left.", 0, false},
      {k301, 2, "", "OB", "Outer bull, 276 left."},
      {k301, 2, "", "S20", "Single 20, 301 left.", 2},  // not in without a double
      {k301, 2, "S20", "D5", "Double 5, 291 left.", 2},
      {k301, 2, kAnnAt121 + " T20", "T20", "Triple 20, 1 left."},
      {k301, 2, kAnnAt121 + " T20", "M", "Miss, 61 left."},
      {k301, 1, "D20 T20 T20 T20 M M T20", "S19", "Single 19, 2 left.", 2},
      // under Double In/Out 1 left can never finish
      {k301, 1, "D20 T20 T20 S20 M M T20", "T20", "Triple 20, bust.", 2},
      // the turn is settled after its last dart: nothing is left, and that is no bust yet
      {k301, 1, "D20 T20 T20 T20 M M T19", "D12", "Double 12, 0 left.", 2},
      {k301, 1, kAloneAt4, "S5", "Single 5, bust."},
      {k301, 2, kAnnAt121 + " T20 T20", "T20", "Triple 20. Bust. Bob to throw."},
      {k301, 1, kAloneAt4 + " M M", "S5", "Single 5. Bust. Ann to throw."},
      {k301, 1, kAloneAt4 + " S3 M", "S3", "Single 3. Bust. Ann to throw."},
      // a turn that never brought the player in scored nothing, and nothing went bust
      {k301, 2, "S20 S20", "S20", "Single 20, 301 left. 0 scored. Bob to throw.", 2},
      {k301, 2, kAnnAt121 + " T20 T20", "k:m", "Miss, 1 left. 120 scored. Bob to throw."},
      {k301, 2, kAnnAt121 + " T20 T17", "D5", "Double 5. Ann wins."},
      {k301, 2, kAnnAt121 + " T20 T17", "k:d5", "Double 5. Ann wins."},
      {k301, 2, kAnnAt121 + " T20 T17 D5", "T20", ""},  // after the win
      {k301, 1, "T20 T20", "T20", "Triple 20, 121 left. 180 scored. Ann to throw."},
      {k301, 2, "T20", "u", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(said(row), row.said) << row.before << " | " << row.input;
}

TEST(SpokenText, CricketMarksTurnsAndWins) {
  const std::string closedBarBull = "T20 T19 T18 M M M T17 T16 T15 M M M IB";
  const Row rows[] = {
      {kCricket, 2, "", "T20", "Triple 20, 3 marks."},
      {kCricket, 2, "T20", "T20", "Triple 20, 3 marks, 60 points."},
      {kCricket, 2, "", "S2", "Single 2, no mark."},
      {kCricket, 2, "T20 M M M M M T20", "S19", "Single 19, 1 mark."},  // points made before
      {kRandomCricket, 2, "T1", "S1", "Single 1, 1 mark, 1 point.", 0, true, true,
       [next = std::size_t{0}]() mutable { return drawTargetsWithOne(next); }},
      {kCricket, 2, "T20 M", "S19", "Single 19, 1 mark. Bob to throw."},
      {kCricket, 2, "", "k:B", "Bull, 2 marks."},
      {kCricket, 2, "", "k:b", "Bull, 1 mark.", 0, false},
      {kCricket, 2, closedBarBull, "OB", "Outer bull, 1 mark. Ann wins."},
      {kCricket, 2, "", "b1", "20, 1 mark.", 0, true, false},
      {kCricket, 2, "b7", "b7", "Bull, 1 mark.", 0, true, false},
      {kCricket, 2, "b1 b1", "n", "Bob to throw.", 0, true, false},
  };
  for (const Row& row : rows) EXPECT_EQ(said(row), row.said) << row.before << " | " << row.input;
}

TEST(SpokenText, AWonLegOfAMatchSaysTheLegOrTheMatch) {
  const Row won{k301, 2, kAnnAt121 + " T20 T17", "D5", ""};
  EXPECT_EQ(said(won, {.singleGame = false, .matchResult = ""}), "Double 5. Ann wins the leg.");
  EXPECT_EQ(said(won, {.singleGame = false, .matchResult = "Ann wins the match 2-0"}),
            "Double 5. Ann wins the match 2-0.");
}

TEST(SpokenText, ACodeThatIsNoBed) { EXPECT_EQ(spoken::noBed("T21"), "T21 is no bed"); }

TEST(SpokenText, TheComputerIsThrowing) {
  GameState state;
  state.names[2] = "Computer (level 6)";
  state.thrower = 2;
  EXPECT_EQ(spoken::computerThrows(state), "Computer (level 6) is throwing");
}
